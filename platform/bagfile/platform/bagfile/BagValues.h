#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "platform/Variant.h"
#include "platform/bagfile/BagPictures.h"

// How a property bag's values look in its JSON text. A 32-bit integer is a number; a
// Boolean is true (-1), false (0) or {"Boolean": N} for any other 16-bit value; text is a
// string; Nothing is null; a font is an object with Name, Size, Bold, Italic, Underline,
// Strikethrough, Weight and Charset; a picture is an object with Type (see PictureData.h),
// made and read through the platform's IBagPictures.
namespace qv::bagfile {

// Type mismatch (13) for an object that is neither a font nor a picture, overflow (6) for a
// font that a bag could not give back.
nlohmann::ordered_json BagValueToJson(const Variant& vValue, const IBagPictures& pictures);

// Type mismatch (13) for a value of a kind no property holds, overflow (6) for a number
// that does not fit where it goes.
Variant BagValueFromJson(const nlohmann::ordered_json& value, const IBagPictures& pictures);

// Text as a bag writes it: valid UTF-8, each invalid sequence turned into '?', as the
// product's other text conversions do.
std::string WritableText(std::string_view sText);

}  // namespace qv::bagfile
