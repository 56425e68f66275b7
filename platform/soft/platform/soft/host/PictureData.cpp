#include "platform/soft/host/PictureData.h"

#include <limits>

#include "platform/HostError.h"
#include "platform/soft/gdi/GdiState.h"
#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/Pictures.h"
#include "platform/soft/gdi/SoftGdi.h"
#include "platform/soft/host/BagNumbers.h"
#include "platform/soft/host/Base64.h"

namespace qv::soft {

using Json = nlohmann::ordered_json;

namespace {

// The image file of a bitmap (RGB) or an icon (RGBA, its mask as the alpha); nothing for
// pictures without an image.
std::optional<std::vector<std::uint8_t>> ImageFileOf(const host::IPicture& picture) {
    const auto nHandle = static_cast<std::uint32_t>(picture.Handle());
    std::string sError;
    if (picture.Type() == host::vbPicTypeBitmap) {
        if (SurfaceRef pPixels = SurfaceOfBitmap(win32::MakeHandle<win32::HBITMAP>(nHandle)))
            return EncodePng(*pPixels, sError);
    }
    if (picture.Type() == host::vbPicTypeIcon) {
        const IconObject* pIcon = Objects().Find<IconObject>(nHandle);
        if (pIcon && pIcon->image.pColor) return EncodeMaskedPng(pIcon->image, sError);
    }
    return std::nullopt;
}

[[noreturn]] void RaiseTypeMismatch() {
    throw HostError(err::kTypeMismatch);
}

Long HimetricSize(const Json& value, std::string_view sKey) {
    const auto it = value.find(sKey);
    if (it == value.end()) RaiseTypeMismatch();
    return BagWholeNumber(*it, 0, std::numeric_limits<Long>::max());
}

MaskedImage ImageFromData(const Json& value) {
    if (!value.contains("Data") || !value.at("Data").is_string()) RaiseTypeMismatch();
    const auto aBytes = DecodeBase64(value.at("Data").get<std::string>());
    std::string sError;
    std::optional<MaskedImage> image = aBytes ? DecodeImage(*aBytes, sError) : std::nullopt;
    if (!image) RaiseTypeMismatch();
    return std::move(*image);
}

}  // namespace

Json PictureToJson(const host::IPicture& picture) {
    Json value = Json::object();
    value["Type"] = picture.Type();
    value["Width"] = picture.Width();
    value["Height"] = picture.Height();
    if (auto aImageFile = ImageFileOf(picture)) value["Data"] = EncodeBase64(*aImageFile);
    return value;
}

Variant PictureFromJson(const Json& value) {
    try {
        host::PictureRef oPicture;
        constexpr Long kMin = std::numeric_limits<Long>::min();
        constexpr Long kMax = std::numeric_limits<Long>::max();
        switch (BagWholeNumber(value.at("Type"), kMin, kMax)) {
            case host::vbPicTypeNone:
                oPicture = MakeEmptyPicture();
                break;
            case host::vbPicTypeMetafile:
                oPicture = MakeMetafilePictureHimetric(HimetricSize(value, "Width"),
                                                       HimetricSize(value, "Height"));
                break;
            case host::vbPicTypeBitmap:
                oPicture = MakeBitmapPicture(ImageFromData(value).pColor);
                break;
            case host::vbPicTypeIcon:
                oPicture = MakeIconPicture(ImageFromData(value));
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

}  // namespace qv::soft
