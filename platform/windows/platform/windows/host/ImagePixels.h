#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/windows/SystemApi.h"

// Images as 32-bit pixels, and the system's bitmaps and icons made of them or read back.
namespace qv::windows {

// Rows top down, each pixel 0xAARRGGBB (the bytes of a 32-bit DIB: blue first).
struct Pixels {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<std::uint32_t> aArgb;

    static std::optional<Pixels> Filled(int nWidth, int nHeight, std::uint32_t nArgb);
    std::uint32_t& At(int nX, int nY) { return aArgb[static_cast<std::size_t>(nY) * nWidth + nX]; }
};

// A pixel of the colour (a COLORREF, red in the low byte), with no alpha.
std::uint32_t PixelOf(std::uint32_t clrColor);
// Whether a pixel with this alpha is transparent: below half.
bool IsTransparent(std::uint32_t nArgb);

// A 32-bit top-down DIB section of the pixels, alpha bytes as given; nullptr when the system
// cannot make one.
HBITMAP BitmapOfPixels(const Pixels& pixels);
// A monochrome bitmap whose bit is 1 where aMask is not 0 (one byte a pixel).
HBITMAP MaskBitmap(int nWidth, int nHeight, const std::vector<std::uint8_t>& aMask);
// A bitmap's pixels as a 32-bit DIB gives them; nothing when it is no bitmap.
std::optional<Pixels> PixelsOfBitmap(HBITMAP hBitmap);

// An icon of the pixels whose mask marks the transparent ones (alpha below half); nullptr
// when the system cannot make it.
HICON IconOfPixels(const Pixels& pixels);
// An icon's colours with alpha 0 where its mask is transparent and 255 elsewhere; nothing
// for an icon without colours (a monochrome one).
std::optional<Pixels> PixelsOfIcon(HICON hIcon);

}  // namespace qv::windows
