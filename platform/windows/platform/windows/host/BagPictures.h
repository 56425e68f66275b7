#pragma once

#include "platform/bagfile/BagPictures.h"

namespace qv::windows {

// The system's pictures in property-bag files: images through the system's imaging
// component (WIC), bitmaps as DIB sections, icons with their mask.
const bagfile::IBagPictures& BagPictures();

}  // namespace qv::windows
