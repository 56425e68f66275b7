#include "platform/soft/host/SoftBagPictures.h"

#include "platform/soft/gdi/GdiState.h"
#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/Pictures.h"
#include "platform/soft/gdi/SoftGdi.h"

namespace qv::soft {

namespace {

std::optional<MaskedImage> Decoded(const std::vector<std::uint8_t>& aImageFile) {
    std::string sError;
    return DecodeImage(aImageFile, sError);
}

class SoftBagPictures : public bagfile::IBagPictures {
  public:
    std::optional<std::vector<std::uint8_t>> ImageFile(
        const host::IPicture& picture) const override {
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
    host::PictureRef BitmapOf(const std::vector<std::uint8_t>& aImageFile) const override {
        std::optional<MaskedImage> image = Decoded(aImageFile);
        return image ? MakeBitmapPicture(std::move(image->pColor)) : nullptr;
    }
    host::PictureRef IconOf(const std::vector<std::uint8_t>& aImageFile) const override {
        std::optional<MaskedImage> image = Decoded(aImageFile);
        return image ? MakeIconPicture(std::move(*image)) : nullptr;
    }
    host::PictureRef Metafile(Long nHimetricWidth, Long nHimetricHeight) const override {
        return MakeMetafilePictureHimetric(nHimetricWidth, nHimetricHeight);
    }
    host::PictureRef Empty() const override { return MakeEmptyPicture(); }
};

}  // namespace

const bagfile::IBagPictures& BagPictures() {
    static const SoftBagPictures pictures;
    return pictures;
}

}  // namespace qv::soft
