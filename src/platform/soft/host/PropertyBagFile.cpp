#include "platform/soft/host/PropertyBagFile.h"

#include <fstream>
#include <limits>
#include <sstream>

#include "platform/HostError.h"
#include "platform/host/StdFont.h"
#include "platform/soft/host/PictureData.h"

namespace qv::soft {

using Json = nlohmann::ordered_json;

namespace {

Json FontToJson(const host::StdFont& font) {
    Json value = Json::object();
    value["Name"] = font.Name();
    value["Size"] = font.Size();
    value["Bold"] = font.Bold();
    value["Italic"] = font.Italic();
    value["Underline"] = font.Underline();
    value["Strikethrough"] = font.Strikethrough();
    value["Weight"] = font.Weight();
    value["Charset"] = font.Charset();
    return value;
}

// A font whose fields are missing or of the wrong kind is not a font.
Variant FontFromJson(const Json& value) {
    try {
        auto oFont = std::make_shared<host::StdFont>(value.at("Name").get<std::string>(),
                                                     value.at("Size").get<double>());
        oFont->SetWeight(value.at("Weight").get<Integer>());
        oFont->SetItalic(value.at("Italic").get<bool>());
        oFont->SetUnderline(value.at("Underline").get<bool>());
        oFont->SetStrikethrough(value.at("Strikethrough").get<bool>());
        oFont->SetCharset(value.at("Charset").get<Integer>());
        if (value.contains("Bold") && value.at("Bold").get<bool>() != oFont->Bold())
            oFont->SetBold(value.at("Bold").get<bool>());
        return Variant(ObjectRef(oFont));
    } catch (const Json::exception&) {
        throw HostError(err::kTypeMismatch);
    }
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

Variant FromJson(const Json& value) {
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
            if (value.contains("Type")) return PictureFromJson(value);
            return FontFromJson(value);
        default:
            throw HostError(err::kTypeMismatch);
    }
}

Json ObjectToJson(const ObjectRef& oObject) {
    if (!oObject) return nullptr;
    if (auto oFont = std::dynamic_pointer_cast<host::StdFont>(oObject)) return FontToJson(*oFont);
    if (auto oPicture = std::dynamic_pointer_cast<host::IPicture>(oObject))
        return PictureToJson(*oPicture);
    throw HostError(err::kTypeMismatch);
}

Json ToJson(const Variant& vValue) {
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
            return vValue.StringValue();
        case VarType::Boolean:
            return vValue.BooleanValue().IsTrue();
        case VarType::Object:
            return ObjectToJson(vValue.Object());
    }
    return nullptr;
}

// Every picture of the file is decoded at once, so a broken one is reported with the file.
void CheckPictures(const Json& values, const std::string& sFile) {
    for (const auto& [sKey, value] : values.items()) {
        if (!value.is_object() || !value.contains("Type")) continue;
        try {
            PictureFromJson(value);
        } catch (const HostError&) {
            throw PropertyBagFileError(sFile + ": the picture at \"" + sKey +
                                       "\" does not hold a readable image");
        }
    }
}

}  // namespace

PropertyBagFile PropertyBagFile::Load(const std::filesystem::path& path) {
    const std::string sFile = path.string();
    std::ifstream file(path, std::ios::binary);
    if (!file) throw PropertyBagFileError(sFile + ": cannot be read");
    std::ostringstream text;
    text << file.rdbuf();
    Json values;
    try {
        values = Json::parse(text.str());
    } catch (const Json::parse_error& error) {
        throw PropertyBagFileError(sFile + ": not valid JSON (" + error.what() + ")");
    }
    if (!values.is_object()) throw PropertyBagFileError(sFile + ": not a JSON object");
    CheckPictures(values, sFile);
    return PropertyBagFile(std::move(values));
}

std::string PropertyBagFile::Text() const {
    return m_values.dump(2) + "\n";
}

void PropertyBagFile::Save(const std::filesystem::path& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << Text();
    if (!file) throw PropertyBagFileError(path.string() + ": cannot be written");
}

Variant PropertyBagFile::ReadProperty(std::string_view sName, const Variant& vDefault) {
    auto it = m_values.find(std::string(sName));
    if (it == m_values.end()) return vDefault;
    return FromJson(*it);
}

void PropertyBagFile::WriteProperty(std::string_view sName, const Variant& vValue,
                                    const Variant& /*vDefault*/) {
    m_values[std::string(sName)] = ToJson(vValue);
}

}  // namespace qv::soft
