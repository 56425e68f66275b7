#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win32/Types.h"

namespace qv::soft {

// A picture of 32 bits per pixel, rows top to bottom. Each pixel holds its colour as a
// COLORREF (0x00BBGGRR); the top byte is always 0. Surfaces are shared: a bitmap handle,
// a device context and the window system may all refer to one.
class Surface {
  public:
    // Sizes above these are refused, so that a mistaken request cannot exhaust memory.
    static constexpr int kMaxSide = 32767;
    static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 25;

    // A surface of nWidth x nHeight filled with clrFill; nullptr for a negative size, a
    // size above the limits, or when the memory cannot be had. 0 x 0 is allowed.
    static std::shared_ptr<Surface> Create(int nWidth, int nHeight, win32::COLORREF clrFill = 0);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // The pixel at nX, nY; CLR_INVALID (0xFFFFFFFF) outside the surface.
    win32::COLORREF Pixel(int nX, int nY) const;
    void SetPixel(int nX, int nY, win32::COLORREF clrColor);
    bool Contains(int nX, int nY) const;

    // Row nY; the caller keeps within the surface.
    std::uint32_t* Row(int nY) {
        return m_aPixels.data() + static_cast<std::size_t>(nY) * m_nWidth;
    }
    const std::uint32_t* Row(int nY) const {
        return m_aPixels.data() + static_cast<std::size_t>(nY) * m_nWidth;
    }
    win32::RECT Bounds() const { return {0, 0, m_nWidth, m_nHeight}; }

  private:
    Surface(int nWidth, int nHeight, std::vector<std::uint32_t> aPixels)
        : m_nWidth(nWidth), m_nHeight(nHeight), m_aPixels(std::move(aPixels)) {}

    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<std::uint32_t> m_aPixels;
};

using SurfaceRef = std::shared_ptr<Surface>;

// The colour without its top byte, as it is stored in a pixel.
constexpr std::uint32_t PixelOf(win32::COLORREF clrColor) {
    return clrColor & 0x00FFFFFF;
}

}  // namespace qv::soft
