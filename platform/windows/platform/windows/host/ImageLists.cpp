#include "platform/windows/host/ImageLists.h"

#include <cstdint>

#include "platform/site/GeneratedImages.h"
#include "platform/windows/host/ImageCodec.h"
#include "platform/windows/host/ImagePixels.h"
#include "platform/windows/host/WidePath.h"

#include <commctrl.h>

namespace qv::windows {

namespace {

constexpr std::uint32_t kMagenta = 0x00FF00FF;
constexpr std::uint32_t kColourBits = 0x00FFFFFF;

// The images go in with their mask; a masked pixel is made black, so that nothing of it
// shows where the list draws transparently. The alpha bytes are cleared: the list draws
// through the mask, not by blending.
bool AddStrip(::HIMAGELIST hList, Pixels strip, const std::vector<std::uint8_t>& aMask) {
    for (std::size_t i = 0; i < strip.aArgb.size(); ++i)
        strip.aArgb[i] = aMask[i] ? 0 : strip.aArgb[i] & kColourBits;
    HBITMAP hImages = BitmapOfPixels(strip);
    HBITMAP hMask = MaskBitmap(strip.nWidth, strip.nHeight, aMask);
    const bool bAdded = hImages && hMask && ::ImageList_Add(hList, hImages, hMask) >= 0;
    if (hImages) ::DeleteObject(hImages);
    if (hMask) ::DeleteObject(hMask);
    return bAdded;
}

win32::HIMAGELIST MakeList(int nWidth, int nHeight, int nCount, const Pixels* pStrip,
                           const std::vector<std::uint8_t>& aMask, std::string& sError) {
    ::HIMAGELIST hList = ::ImageList_Create(nWidth, nHeight, ILC_COLOR32 | ILC_MASK, nCount, 0);
    if (!hList) {
        sError = "the system cannot make an image list of that size";
        return {};
    }
    if (reinterpret_cast<std::uintptr_t>(hList) > 0xFFFFFFFFu) {
        ::ImageList_Destroy(hList);
        sError = "the system's image list handle does not fit in 32 bits";
        return {};
    }
    if (pStrip && !AddStrip(hList, *pStrip, aMask)) {
        ::ImageList_Destroy(hList);
        sError = "the system cannot add the images to the list";
        return {};
    }
    return ToOurs<win32::HIMAGELIST>(hList);
}

std::optional<Pixels> StripFor(int nWidth, int nHeight, int nCount) {
    if (nWidth <= 0 || nHeight <= 0) return std::nullopt;
    const std::int64_t nStripWidth = std::int64_t{nWidth} * nCount;
    if (nStripWidth > 0x7FFFFFFF) return std::nullopt;
    return Pixels::Filled(static_cast<int>(nStripWidth), nHeight, 0);
}

}  // namespace

win32::HIMAGELIST CreateGeneratedImageList(int nWidth, int nHeight, int nCount,
                                           std::string& sError) {
    if (nWidth <= 0 || nHeight <= 0 || nCount < 0) return {};
    if (nCount == 0) return MakeList(nWidth, nHeight, 0, nullptr, {}, sError);
    std::optional<Pixels> strip = StripFor(nWidth, nHeight, nCount);
    if (!strip) return {};
    for (int nY = 0; nY < nHeight; ++nY) {
        for (int nX = 0; nX < strip->nWidth; ++nX)
            strip->At(nX, nY) = PixelOf(site::GeneratedImageColor(nX / nWidth));
    }
    return MakeList(nWidth, nHeight, nCount, &*strip,
                    std::vector<std::uint8_t>(strip->aArgb.size(), 0), sError);
}

win32::HIMAGELIST LoadImageListStrip(const std::string& sPath, int nWidth, int nHeight,
                                     std::string& sError) {
    const std::wstring sWidePath = WidePath(sPath);
    if (::GetFileAttributesW(sWidePath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        sError = "cannot open " + sPath;
        return {};
    }
    Pixels image;
    // The system finds no decoder for bytes that are no image it knows.
    if (DecodeImageFile(sWidePath, image) != DecodeResult::Decoded) {
        sError = "not an image the system can read";
        return {};
    }
    const int nCount = nWidth > 0 ? image.nWidth / nWidth : 0;
    std::optional<Pixels> strip = StripFor(nWidth, nHeight, nCount);
    if (nCount == 0 || image.nHeight < nHeight || !strip) {
        sError = "the image holds no whole image of that size";
        return {};
    }
    std::vector<std::uint8_t> aMask(strip->aArgb.size(), 0);
    for (int nY = 0; nY < nHeight; ++nY) {
        for (int nX = 0; nX < strip->nWidth; ++nX) {
            const std::uint32_t nPixel = image.At(nX, nY);
            strip->At(nX, nY) = nPixel;
            aMask[static_cast<std::size_t>(nY) * strip->nWidth + nX] =
                IsTransparent(nPixel) || (nPixel & kColourBits) == kMagenta ? 1 : 0;
        }
    }
    return MakeList(nWidth, nHeight, nCount, &*strip, aMask, sError);
}

}  // namespace qv::windows
