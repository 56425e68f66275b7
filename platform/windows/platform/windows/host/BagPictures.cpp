#include "platform/windows/host/BagPictures.h"

#include "platform/windows/host/GeneratedPictures.h"
#include "platform/windows/host/ImageCodec.h"
#include "platform/windows/host/ImagePixels.h"
#include "platform/windows/host/SystemPictures.h"

namespace qv::windows {

namespace {

std::optional<Pixels> Decoded(const std::vector<std::uint8_t>& aImageFile) {
    Pixels pixels;
    if (DecodeImageBytes(aImageFile, pixels) != DecodeResult::Decoded) return std::nullopt;
    return pixels;
}

class SystemBagPictures : public bagfile::IBagPictures {
  public:
    std::optional<std::vector<std::uint8_t>> ImageFile(
        const host::IPicture& picture) const override {
        const auto nHandle = static_cast<std::uint32_t>(picture.Handle());
        if (nHandle == 0) return std::nullopt;
        if (picture.Type() == host::vbPicTypeBitmap) {
            if (auto pixels = PixelsOfBitmap(ToReal<HBITMAP>(nHandle)))
                return EncodePng(*pixels, false);
        }
        if (picture.Type() == host::vbPicTypeIcon) {
            if (auto pixels = PixelsOfIcon(ToReal<HICON>(nHandle))) return EncodePng(*pixels, true);
        }
        return std::nullopt;
    }
    // As a BMP or PNG file loads: the alpha is not kept.
    host::PictureRef BitmapOf(const std::vector<std::uint8_t>& aImageFile) const override {
        std::optional<Pixels> pixels = Decoded(aImageFile);
        if (!pixels) return nullptr;
        for (std::uint32_t& nPixel : pixels->aArgb) nPixel &= 0x00FFFFFF;
        return BitmapPicture(BitmapOfPixels(*pixels));
    }
    host::PictureRef IconOf(const std::vector<std::uint8_t>& aImageFile) const override {
        const std::optional<Pixels> pixels = Decoded(aImageFile);
        return pixels ? IconPicture(IconOfPixels(*pixels)) : nullptr;
    }
    host::PictureRef Metafile(Long nHimetricWidth, Long nHimetricHeight) const override {
        return MakeMetafilePictureHimetric(nHimetricWidth, nHimetricHeight);
    }
    host::PictureRef Empty() const override { return EmptyPicture(); }
};

}  // namespace

const bagfile::IBagPictures& BagPictures() {
    static const SystemBagPictures pictures;
    return pictures;
}

}  // namespace qv::windows
