#include "platform/windows/host/GeneratedPictures.h"

#include "platform/host/SiteUnits.h"
#include "platform/site/GeneratedImages.h"
#include "platform/windows/host/ImagePixels.h"
#include "platform/windows/host/SystemPictures.h"

namespace qv::windows {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;

}  // namespace

host::PictureRef MakeBitmapPicture(int nWidth, int nHeight, win32::COLORREF clrFill) {
    const std::optional<Pixels> pixels = Pixels::Filled(nWidth, nHeight, PixelOf(clrFill));
    return pixels ? BitmapPicture(BitmapOfPixels(*pixels)) : nullptr;
}

host::PictureRef MakeIconPicture(int nWidth, int nHeight, win32::COLORREF clrFill) {
    const std::optional<Pixels> pixels =
        Pixels::Filled(nWidth, nHeight, PixelOf(clrFill) | kOpaque);
    return pixels ? IconPicture(IconOfPixels(*pixels)) : nullptr;
}

host::PictureRef MakeMetafilePicture() {
    const Long nSize = host::HimetricFromPixels(site::kGeneratedMetafileSize);
    return MakeMetafilePictureHimetric(nSize, nSize);
}

host::PictureRef MakeMetafilePictureHimetric(Long nHimetricWidth, Long nHimetricHeight) {
    if (nHimetricWidth < 0 || nHimetricHeight < 0) return nullptr;
    HDC hRecorder = ::CreateMetaFileA(nullptr);
    if (!hRecorder) return nullptr;
    return MetafilePicture(::CloseMetaFile(hRecorder), nHimetricWidth, nHimetricHeight);
}

}  // namespace qv::windows
