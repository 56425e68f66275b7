#pragma once

#include <nlohmann/json.hpp>

#include "platform/Variant.h"
#include "platform/bagfile/BagPictures.h"
#include "platform/host/Picture.h"

namespace qv::bagfile {

// A picture as a property-bag file keeps it: Type, Width and Height in HIMETRIC, and
// Data, the picture's image as a base64 PNG file (no Data for a picture without an image).
nlohmann::ordered_json PictureToJson(const host::IPicture& picture, const IBagPictures& pictures);

// The picture object of such a value; type mismatch (13) when it is not one.
Variant PictureFromJson(const nlohmann::ordered_json& value, const IBagPictures& pictures);

}  // namespace qv::bagfile
