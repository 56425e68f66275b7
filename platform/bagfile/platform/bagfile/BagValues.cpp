#include "platform/bagfile/BagValues.h"

#include <limits>

#include "platform/AnsiText.h"
#include "platform/HostError.h"
#include "platform/bagfile/BagNumbers.h"
#include "platform/bagfile/PictureData.h"
#include "platform/host/StdFont.h"

namespace qv::bagfile {

using Json = nlohmann::ordered_json;

namespace {

// Code page 65001 is UTF-8 itself: the conversion only repairs invalid sequences.
constexpr unsigned kUtf8CodePage = 65001;
constexpr std::string_view kBooleanKey = "Boolean";

// What a font can be: a weight from "don't care" (0) to heavy (1000), a one-byte charset
// and a size above zero whose point count is a 32-bit number.
constexpr Long kMaxFontWeight = 1000;
constexpr Long kMaxFontCharset = 255;
constexpr double kMaxFontSize = std::numeric_limits<Long>::max();

void CheckFontSize(double dSize) {
    if (!(dSize > 0 && dSize <= kMaxFontSize)) throw HostError(err::kOverflow);
}

void CheckFontFits(const host::StdFont& font) {
    CheckFontSize(font.Size());
    if (font.Weight() < 0 || font.Weight() > kMaxFontWeight) throw HostError(err::kOverflow);
    if (font.Charset() < 0 || font.Charset() > kMaxFontCharset) throw HostError(err::kOverflow);
}

Json FontToJson(const host::StdFont& font) {
    CheckFontFits(font);
    Json value = Json::object();
    value["Name"] = WritableText(font.Name());
    value["Size"] = font.Size();
    value["Bold"] = font.Bold();
    value["Italic"] = font.Italic();
    value["Underline"] = font.Underline();
    value["Strikethrough"] = font.Strikethrough();
    value["Weight"] = font.Weight();
    value["Charset"] = font.Charset();
    return value;
}

const Json& Member(const Json& value, std::string_view sKey) {
    const auto it = value.find(sKey);
    if (it == value.end()) throw HostError(err::kTypeMismatch);
    return *it;
}

bool FlagOf(const Json& value, std::string_view sKey) {
    const Json& flag = Member(value, sKey);
    if (!flag.is_boolean()) throw HostError(err::kTypeMismatch);
    return flag.get<bool>();
}

// A font whose fields are missing or of the wrong kind is not a font; one whose numbers a
// font cannot have does not fit.
Variant FontFromJson(const Json& value) {
    const Json& name = Member(value, "Name");
    const Json& size = Member(value, "Size");
    if (!name.is_string() || !size.is_number()) throw HostError(err::kTypeMismatch);
    CheckFontSize(size.get<double>());
    auto oFont = std::make_shared<host::StdFont>(name.get<std::string>(), size.get<double>());
    oFont->SetWeight(
        static_cast<Integer>(BagWholeNumber(Member(value, "Weight"), 0, kMaxFontWeight)));
    oFont->SetItalic(FlagOf(value, "Italic"));
    oFont->SetUnderline(FlagOf(value, "Underline"));
    oFont->SetStrikethrough(FlagOf(value, "Strikethrough"));
    oFont->SetCharset(
        static_cast<Integer>(BagWholeNumber(Member(value, "Charset"), 0, kMaxFontCharset)));
    if (value.contains("Bold") && FlagOf(value, "Bold") != oFont->Bold())
        oFont->SetBold(FlagOf(value, "Bold"));
    return Variant(ObjectRef(oFont));
}

Json BooleanToJson(Boolean bValue) {
    if (bValue == VbTrue || bValue == VbFalse) return bValue.IsTrue();
    Json value = Json::object();
    value[std::string(kBooleanKey)] = bValue.Value();
    return value;
}

Variant BooleanFromJson(const Json& value) {
    if (value.size() != 1) throw HostError(err::kTypeMismatch);
    const Long nValue =
        BagWholeNumber(Member(value, kBooleanKey), std::numeric_limits<Integer>::min(),
                       std::numeric_limits<Integer>::max());
    return Variant(Boolean(static_cast<Integer>(nValue)));
}

Variant NumberFromJson(const Json& value) {
    if (value.is_number_float()) return Variant(value.get<double>());
    if (value.is_number_unsigned() && value.get<std::uint64_t>() > std::numeric_limits<Long>::max())
        return Variant(static_cast<double>(value.get<std::uint64_t>()));
    const auto nValue = value.get<std::int64_t>();
    if (nValue < std::numeric_limits<Long>::min() || nValue > std::numeric_limits<Long>::max())
        return Variant(static_cast<double>(nValue));
    return Variant(static_cast<Long>(nValue));
}

Variant ObjectFromJson(const Json& value, const IBagPictures& pictures) {
    if (value.contains(kBooleanKey)) return BooleanFromJson(value);
    if (value.contains("Type")) return PictureFromJson(value, pictures);
    return FontFromJson(value);
}

Json ObjectToJson(const ObjectRef& oObject, const IBagPictures& pictures) {
    if (!oObject) return nullptr;
    if (auto oFont = std::dynamic_pointer_cast<host::StdFont>(oObject)) return FontToJson(*oFont);
    if (auto oPicture = std::dynamic_pointer_cast<host::IPicture>(oObject))
        return PictureToJson(*oPicture, pictures);
    throw HostError(err::kTypeMismatch);
}

}  // namespace

std::string WritableText(std::string_view sText) {
    return Utf8ToAnsi(sText, kUtf8CodePage);
}

Variant BagValueFromJson(const Json& value, const IBagPictures& pictures) {
    switch (value.type()) {
        case Json::value_t::null:
            return Variant::Nothing();
        case Json::value_t::boolean:
            return Variant(Boolean::FromBool(value.get<bool>()));
        case Json::value_t::string:
            return Variant(value.get<std::string>());
        case Json::value_t::number_integer:
        case Json::value_t::number_unsigned:
        case Json::value_t::number_float:
            return NumberFromJson(value);
        case Json::value_t::object:
            return ObjectFromJson(value, pictures);
        default:
            throw HostError(err::kTypeMismatch);
    }
}

Json BagValueToJson(const Variant& vValue, const IBagPictures& pictures) {
    switch (vValue.Type()) {
        case VarType::Empty:
            return nullptr;
        case VarType::Integer:
            return vValue.IntegerValue();
        case VarType::Long:
            return vValue.LongValue();
        case VarType::Single:
            return static_cast<double>(vValue.SingleValue());
        case VarType::Double:
            return vValue.DoubleValue();
        case VarType::String:
            return WritableText(vValue.StringValue());
        case VarType::Boolean:
            return BooleanToJson(vValue.BooleanValue());
        case VarType::Object:
            return ObjectToJson(vValue.Object(), pictures);
    }
    return nullptr;
}

}  // namespace qv::bagfile
