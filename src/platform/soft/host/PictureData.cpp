#include "platform/soft/host/PictureData.h"

#include "platform/HostError.h"
#include "platform/soft/gdi/GdiState.h"
#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/Pictures.h"
#include "platform/soft/gdi/SoftGdi.h"
#include "platform/soft/host/Base64.h"

namespace qv::soft {

using Json = nlohmann::ordered_json;

namespace {

// The pixels of a bitmap or icon picture; nullptr for pictures without an image.
SurfaceRef PixelsOf(const host::IPicture& picture) {
    const auto nHandle = static_cast<std::uint32_t>(picture.Handle());
    if (picture.Type() == host::vbPicTypeBitmap)
        return SurfaceOfBitmap(win32::MakeHandle<win32::HBITMAP>(nHandle));
    if (picture.Type() == host::vbPicTypeIcon) {
        if (const IconObject* pIcon = Objects().Find<IconObject>(nHandle))
            return pIcon->image.pColor;
    }
    return nullptr;
}

[[noreturn]] void RaiseTypeMismatch() {
    throw HostError(err::kTypeMismatch);
}

int PixelsFromHimetric(const Json& value) {
    const double dHimetric = value.get<double>();
    if (dHimetric < 0 || dHimetric > 1e7) RaiseTypeMismatch();
    return static_cast<int>(dHimetric * 96 / 2540 + 0.5);
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
    if (SurfaceRef pPixels = PixelsOf(picture)) {
        std::string sError;
        if (auto aPng = EncodePng(*pPixels, sError)) value["Data"] = EncodeBase64(*aPng);
    }
    return value;
}

Variant PictureFromJson(const Json& value) {
    try {
        host::PictureRef oPicture;
        switch (value.at("Type").get<int>()) {
            case host::vbPicTypeNone:
                oPicture = MakeEmptyPicture();
                break;
            case host::vbPicTypeMetafile:
                oPicture = MakeMetafilePicture(PixelsFromHimetric(value.at("Width")),
                                               PixelsFromHimetric(value.at("Height")));
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
