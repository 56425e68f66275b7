#include "platform/windows/host/ImagePixels.h"

#include <cstring>

#include "platform/windows/Dibs.h"

namespace qv::windows {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;
constexpr std::uint32_t kColourBits = 0x00FFFFFF;
// The largest image: the bytes of its pixels must fit a 32-bit count.
constexpr std::uint64_t kMaxPixelBytes = 0x7FFFFFFF;

// Owns the bitmaps GetIconInfo hands out.
struct IconBitmaps {
    explicit IconBitmaps(HICON hIcon) : bValid(::GetIconInfo(hIcon, &info) != 0) {}
    ~IconBitmaps() {
        if (info.hbmColor) ::DeleteObject(info.hbmColor);
        if (info.hbmMask) ::DeleteObject(info.hbmMask);
    }
    IconBitmaps(const IconBitmaps&) = delete;
    IconBitmaps& operator=(const IconBitmaps&) = delete;
    ICONINFO info{};
    bool bValid;
};

}  // namespace

std::optional<Pixels> Pixels::Filled(int nWidth, int nHeight, std::uint32_t nArgb) {
    if (nWidth <= 0 || nHeight <= 0) return std::nullopt;
    const std::uint64_t nCount = std::uint64_t(nWidth) * std::uint64_t(nHeight);
    if (nCount * 4 > kMaxPixelBytes) return std::nullopt;
    return Pixels{nWidth, nHeight, std::vector<std::uint32_t>(nCount, nArgb)};
}

std::uint32_t PixelOf(std::uint32_t clrColor) {
    return ((clrColor & 0xFF) << 16) | (clrColor & 0xFF00) | ((clrColor >> 16) & 0xFF);
}

bool IsTransparent(std::uint32_t nArgb) {
    return (nArgb >> 24) < 0x80;
}

HBITMAP BitmapOfPixels(const Pixels& pixels) {
    const BITMAPINFO info = TopDown32BitmapInfo(pixels.nWidth, pixels.nHeight);
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap) return nullptr;
    std::memcpy(pBits, pixels.aArgb.data(), pixels.aArgb.size() * sizeof(std::uint32_t));
    return hBitmap;
}

// Rows of a monochrome bitmap are whole 16-bit words, the first pixel in the top bit.
HBITMAP MaskBitmap(int nWidth, int nHeight, const std::vector<std::uint8_t>& aMask) {
    const std::size_t nStride = (static_cast<std::size_t>(nWidth) + 15) / 16 * 2;
    std::vector<std::uint8_t> aBits(nStride * nHeight, 0);
    for (int nY = 0; nY < nHeight; ++nY) {
        for (int nX = 0; nX < nWidth; ++nX) {
            if (aMask[static_cast<std::size_t>(nY) * nWidth + nX])
                aBits[nY * nStride + nX / 8] |= static_cast<std::uint8_t>(0x80 >> (nX % 8));
        }
    }
    return ::CreateBitmap(nWidth, nHeight, 1, 1, aBits.data());
}

std::optional<Pixels> PixelsOfBitmap(HBITMAP hBitmap) {
    BITMAP bitmap{};
    if (!hBitmap || !::GetObjectA(hBitmap, sizeof bitmap, &bitmap)) return std::nullopt;
    std::optional<Pixels> pixels = Pixels::Filled(bitmap.bmWidth, bitmap.bmHeight, 0);
    if (!pixels) return std::nullopt;
    BITMAPINFO info = TopDown32BitmapInfo(pixels->nWidth, pixels->nHeight);
    HDC hScreen = ::GetDC(nullptr);
    const int nRows = ::GetDIBits(hScreen, hBitmap, 0, static_cast<UINT>(pixels->nHeight),
                                  pixels->aArgb.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hScreen);
    if (nRows != pixels->nHeight) return std::nullopt;
    return pixels;
}

// A transparent pixel is black with alpha 0 in the colours, so that neither the mask nor
// the alpha lets its colour through.
HICON IconOfPixels(const Pixels& pixels) {
    Pixels colours = pixels;
    std::vector<std::uint8_t> aMask(pixels.aArgb.size(), 0);
    for (std::size_t i = 0; i < colours.aArgb.size(); ++i) {
        const bool bTransparent = IsTransparent(colours.aArgb[i]);
        aMask[i] = bTransparent ? 1 : 0;
        colours.aArgb[i] = bTransparent ? 0 : (colours.aArgb[i] & kColourBits) | kOpaque;
    }
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = BitmapOfPixels(colours);
    info.hbmMask = MaskBitmap(pixels.nWidth, pixels.nHeight, aMask);
    HICON hIcon = info.hbmColor && info.hbmMask ? ::CreateIconIndirect(&info) : nullptr;
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return hIcon;
}

std::optional<Pixels> PixelsOfIcon(HICON hIcon) {
    const IconBitmaps bitmaps(hIcon);
    if (!bitmaps.bValid || !bitmaps.info.hbmColor) return std::nullopt;
    std::optional<Pixels> colours = PixelsOfBitmap(bitmaps.info.hbmColor);
    const std::optional<Pixels> mask = PixelsOfBitmap(bitmaps.info.hbmMask);
    if (!colours || !mask || mask->nWidth != colours->nWidth || mask->nHeight != colours->nHeight)
        return std::nullopt;
    for (std::size_t i = 0; i < colours->aArgb.size(); ++i) {
        const bool bTransparent = (mask->aArgb[i] & kColourBits) != 0;
        colours->aArgb[i] = (colours->aArgb[i] & kColourBits) | (bTransparent ? 0 : kOpaque);
    }
    return colours;
}

}  // namespace qv::windows
