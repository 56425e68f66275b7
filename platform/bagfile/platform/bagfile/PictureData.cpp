#include "platform/bagfile/PictureData.h"

#include <limits>

#include "platform/HostError.h"
#include "platform/bagfile/BagNumbers.h"
#include "platform/bagfile/Base64.h"

namespace qv::bagfile {

using Json = nlohmann::ordered_json;

namespace {

[[noreturn]] void RaiseTypeMismatch() {
    throw HostError(err::kTypeMismatch);
}

Long HimetricSize(const Json& value, std::string_view sKey) {
    const auto it = value.find(sKey);
    if (it == value.end()) RaiseTypeMismatch();
    return BagWholeNumber(*it, 0, std::numeric_limits<Long>::max());
}

std::vector<std::uint8_t> ImageFileOf(const Json& value) {
    if (!value.contains("Data") || !value.at("Data").is_string()) RaiseTypeMismatch();
    std::optional<std::vector<std::uint8_t>> aBytes =
        DecodeBase64(value.at("Data").get<std::string>());
    if (!aBytes) RaiseTypeMismatch();
    return std::move(*aBytes);
}

}  // namespace

Json PictureToJson(const host::IPicture& picture, const IBagPictures& pictures) {
    Json value = Json::object();
    value["Type"] = picture.Type();
    value["Width"] = picture.Width();
    value["Height"] = picture.Height();
    if (auto aImageFile = pictures.ImageFile(picture)) value["Data"] = EncodeBase64(*aImageFile);
    return value;
}

Variant PictureFromJson(const Json& value, const IBagPictures& pictures) {
    try {
        host::PictureRef oPicture;
        constexpr Long kMin = std::numeric_limits<Long>::min();
        constexpr Long kMax = std::numeric_limits<Long>::max();
        switch (BagWholeNumber(value.at("Type"), kMin, kMax)) {
            case host::vbPicTypeNone:
                oPicture = pictures.Empty();
                break;
            case host::vbPicTypeMetafile:
                oPicture =
                    pictures.Metafile(HimetricSize(value, "Width"), HimetricSize(value, "Height"));
                break;
            case host::vbPicTypeBitmap:
                oPicture = pictures.BitmapOf(ImageFileOf(value));
                break;
            case host::vbPicTypeIcon:
                oPicture = pictures.IconOf(ImageFileOf(value));
                break;
            default:
                RaiseTypeMismatch();
        }
        if (!oPicture) RaiseTypeMismatch();
        return Variant(ObjectRef(oPicture));
    } catch (const Json::exception&) {
        RaiseTypeMismatch();
    }
}

}  // namespace qv::bagfile
