#include "com/server/StreamBag.h"

#include <cstdint>
#include <cstring>
#include <optional>

#include "com/server/OleObjects.h"
#include "platform/HostError.h"
#include "platform/host/Picture.h"
#include "platform/host/StdFont.h"

namespace qv::com {

namespace {

constexpr char kSignature[4] = {'Q', 'V', 'C', 'B'};
constexpr std::uint32_t kFormat = 1;
// Far above anything the control saves; a larger length means a damaged stream.
constexpr std::uint32_t kMaxEntries = 256;
constexpr std::uint32_t kMaxText = 1 << 20;
constexpr std::uint32_t kMaxPictureBytes = 15 << 20;
// What a font can be, as the host's property-bag files allow it.
constexpr Integer kMaxFontWeight = 1000;
constexpr Integer kMaxFontCharset = 255;

// A font is its name, size in points, weight, charset and three flags; a picture the bytes
// it saves itself as.
enum class Tag : std::uint8_t { Integer = 1, Long, Single, Double, String, Boolean, Font, Picture };

void PutU32(std::string& sOut, std::uint32_t nValue) {
    for (int i = 0; i < 4; ++i) sOut += static_cast<char>((nValue >> (8 * i)) & 0xFF);
}

void PutText(std::string& sOut, std::string_view sText) {
    PutU32(sOut, static_cast<std::uint32_t>(sText.size()));
    sOut += sText;
}

template <typename T>
void PutRaw(std::string& sOut, T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    sOut.append(bytes, sizeof(T));
}

// Reads the serialized data front to back; every read fails once the data runs out.
class Reader {
  public:
    explicit Reader(std::string_view sData) : m_sData(sData) {}
    std::optional<std::string_view> Bytes(size_t nCount) {
        if (nCount > m_sData.size()) return std::nullopt;
        std::string_view sBytes = m_sData.substr(0, nCount);
        m_sData.remove_prefix(nCount);
        return sBytes;
    }
    std::optional<std::uint32_t> U32() {
        auto sBytes = Bytes(4);
        if (!sBytes) return std::nullopt;
        std::uint32_t nValue = 0;
        for (int i = 3; i >= 0; --i)
            nValue = (nValue << 8) | static_cast<std::uint8_t>((*sBytes)[i]);
        return nValue;
    }
    std::optional<std::string> Text(std::uint32_t nMaxLength = kMaxText) {
        auto nLength = U32();
        if (!nLength || *nLength > nMaxLength) return std::nullopt;
        auto sBytes = Bytes(*nLength);
        return sBytes ? std::optional<std::string>(std::string(*sBytes)) : std::nullopt;
    }
    template <typename T>
    std::optional<T> Raw() {
        auto sBytes = Bytes(sizeof(T));
        if (!sBytes) return std::nullopt;
        T value;
        std::memcpy(&value, sBytes->data(), sizeof(T));
        return value;
    }
    bool AtEnd() const { return m_sData.empty(); }

  private:
    std::string_view m_sData;
};

void PutFont(std::string& sOut, const host::StdFont& font) {
    sOut += static_cast<char>(Tag::Font);
    PutText(sOut, font.Name());
    PutRaw(sOut, font.Size());
    PutRaw(sOut, font.Weight());
    PutRaw(sOut, font.Charset());
    sOut += static_cast<char>(font.Italic());
    sOut += static_cast<char>(font.Underline());
    sOut += static_cast<char>(font.Strikethrough());
}

bool PutObject(std::string& sOut, const ObjectRef& oObject) {
    if (auto pFont = dynamic_cast<const host::StdFont*>(oObject.get())) {
        PutFont(sOut, *pFont);
        return true;
    }
    if (!dynamic_cast<const host::IPicture*>(oObject.get())) return false;
    sOut += static_cast<char>(Tag::Picture);
    PutText(sOut, SavePictureBytes(oObject));
    return true;
}

std::optional<bool> Flag(Reader& reader) {
    auto nFlag = reader.Raw<std::uint8_t>();
    if (!nFlag || *nFlag > 1) return std::nullopt;
    return *nFlag == 1;
}

std::optional<Variant> GetFont(Reader& reader) {
    auto sName = reader.Text();
    auto dSize = reader.Raw<double>();
    auto nWeight = reader.Raw<Integer>();
    auto nCharset = reader.Raw<Integer>();
    auto bItalic = Flag(reader);
    auto bUnderline = Flag(reader);
    auto bStrike = Flag(reader);
    if (!sName || !dSize || !nWeight || !nCharset || !bItalic || !bUnderline || !bStrike)
        return std::nullopt;
    if (!(*dSize > 0 && *dSize < 1e9) || *nWeight < 0 || *nWeight > kMaxFontWeight ||
        *nCharset < 0 || *nCharset > kMaxFontCharset)
        return std::nullopt;
    auto oFont = std::make_shared<host::StdFont>(std::move(*sName), *dSize);
    oFont->SetWeight(*nWeight);
    oFont->SetCharset(*nCharset);
    oFont->SetItalic(*bItalic);
    oFont->SetUnderline(*bUnderline);
    oFont->SetStrikethrough(*bStrike);
    return Variant(ObjectRef(oFont));
}

std::optional<Variant> GetPicture(Reader& reader) {
    auto sBytes = reader.Text(kMaxPictureBytes);
    if (!sBytes) return std::nullopt;
    try {
        return LoadPictureBytes(*sBytes);
    } catch (const HostError&) {
        return std::nullopt;
    }
}

bool PutValue(std::string& sOut, const Variant& vValue) {
    switch (vValue.Type()) {
        case VarType::Integer:
            sOut += static_cast<char>(Tag::Integer);
            PutRaw(sOut, vValue.IntegerValue());
            return true;
        case VarType::Long:
            sOut += static_cast<char>(Tag::Long);
            PutRaw(sOut, vValue.LongValue());
            return true;
        case VarType::Single:
            sOut += static_cast<char>(Tag::Single);
            PutRaw(sOut, vValue.SingleValue());
            return true;
        case VarType::Double:
            sOut += static_cast<char>(Tag::Double);
            PutRaw(sOut, vValue.DoubleValue());
            return true;
        case VarType::String:
            sOut += static_cast<char>(Tag::String);
            PutText(sOut, vValue.StringValue());
            return true;
        case VarType::Boolean:
            sOut += static_cast<char>(Tag::Boolean);
            PutRaw(sOut, vValue.BooleanValue().Value());
            return true;
        case VarType::Object:
            return PutObject(sOut, vValue.Object());
        case VarType::Empty:
            break;
    }
    return false;
}

std::optional<Variant> GetValue(Reader& reader) {
    auto tag = reader.Raw<std::uint8_t>();
    if (!tag) return std::nullopt;
    switch (static_cast<Tag>(*tag)) {
        case Tag::Integer:
            if (auto n = reader.Raw<Integer>()) return Variant(*n);
            break;
        case Tag::Long:
            if (auto n = reader.Raw<Long>()) return Variant(*n);
            break;
        case Tag::Single:
            if (auto f = reader.Raw<float>()) return Variant(*f);
            break;
        case Tag::Double:
            if (auto d = reader.Raw<double>()) return Variant(*d);
            break;
        case Tag::String:
            if (auto s = reader.Text()) return Variant(std::move(*s));
            break;
        case Tag::Boolean:
            if (auto n = reader.Raw<Integer>()) return Variant(Boolean(*n));
            break;
        case Tag::Font:
            return GetFont(reader);
        case Tag::Picture:
            return GetPicture(reader);
    }
    return std::nullopt;
}

bool IsNumber(const Variant& vValue) {
    switch (vValue.Type()) {
        case VarType::Integer:
        case VarType::Long:
        case VarType::Single:
        case VarType::Double:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool IsDefaultValue(const Variant& vValue, const Variant& vDefault) {
    if (IsNumber(vValue) && IsNumber(vDefault)) return CDbl(vValue) == CDbl(vDefault);
    return vValue == vDefault;
}

Variant StreamBag::ReadProperty(std::string_view sName, const Variant& vDefault) {
    auto it = m_values.find(sName);
    return it == m_values.end() ? vDefault : it->second;
}

// Of objects, fonts and pictures are kept; Nothing is left out like a default.
void StreamBag::WriteProperty(std::string_view sName, const Variant& vValue,
                              const Variant& vDefault) {
    if (IsDefaultValue(vValue, vDefault) || vValue.IsNothing() || vValue.IsEmpty()) {
        m_values.erase(std::string(sName));
        return;
    }
    if (vValue.IsObject() && !dynamic_cast<const host::StdFont*>(vValue.Object().get()) &&
        !dynamic_cast<const host::IPicture*>(vValue.Object().get()))
        throw HostError(err::kTypeMismatch);
    m_values.insert_or_assign(std::string(sName), vValue);
}

std::string StreamBag::Serialize() const {
    std::string sOut(kSignature, sizeof kSignature);
    PutU32(sOut, kFormat);
    PutU32(sOut, static_cast<std::uint32_t>(m_values.size()));
    for (const auto& [sName, vValue] : m_values) {
        PutText(sOut, sName);
        PutValue(sOut, vValue);
    }
    return sOut;
}

bool StreamBag::Deserialize(std::string_view sData) {
    Reader reader(sData);
    auto sSignature = reader.Bytes(sizeof kSignature);
    if (!sSignature || std::memcmp(sSignature->data(), kSignature, sizeof kSignature) != 0)
        return false;
    auto nFormat = reader.U32();
    auto nCount = reader.U32();
    if (nFormat != kFormat || !nCount || *nCount > kMaxEntries) return false;
    std::map<std::string, Variant, std::less<>> values;
    for (std::uint32_t i = 0; i < *nCount; ++i) {
        auto sName = reader.Text();
        if (!sName) return false;
        auto vValue = GetValue(reader);
        if (!vValue) return false;
        values.insert_or_assign(std::move(*sName), std::move(*vValue));
    }
    if (!reader.AtEnd()) return false;
    m_values = std::move(values);
    return true;
}

}  // namespace qv::com
