#pragma once

#include "platform/bagfile/BagPictures.h"

namespace qv::soft {

// Our drawing platform's pictures in property-bag files: images through our own PNG and
// BMP codecs.
const bagfile::IBagPictures& BagPictures();

}  // namespace qv::soft
