#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win32/Types.h"

namespace qv::soft {

// A picture of 32 bits per pixel, rows top to bottom. Each pixel holds its colour as a
// COLORREF (0x00BBGGRR); the top byte is always 0. Surfaces are shared: a bitmap handle,
// a device context and the window system may all refer to one. Like the rest of the
// drawing platform, a surface is used by one thread at a time.
class Surface {
  public:
    // Sizes above these are refused, so that a mistaken request cannot exhaust memory.
    static constexpr int kMaxSide = 32767;
    static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 25;

    // A surface of nWidth x nHeight filled with clrFill; nullptr for a negative size, a
    // size above the limits, or when the memory cannot be had. 0 x 0 is allowed.
    static std::shared_ptr<Surface> Create(int nWidth, int nHeight, win32::COLORREF clrFill = 0);
    // The same surface, except that each row takes the fill when it is first used: a row
    // drawn whole before anything reads it is then written once, not twice. For surfaces
    // drawn over before they are shown, such as off-screen bitmaps; their rows must be
    // reached through Row one at a time, never as one block from Row(0).
    static std::shared_ptr<Surface> CreateFilledOnUse(int nWidth, int nHeight,
                                                      win32::COLORREF clrFill = 0);

    Surface(const Surface& other);
    Surface& operator=(const Surface&) = delete;

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // The pixel at nX, nY; CLR_INVALID (0xFFFFFFFF) outside the surface.
    win32::COLORREF Pixel(int nX, int nY) const;
    void SetPixel(int nX, int nY, win32::COLORREF clrColor);
    bool Contains(int nX, int nY) const;

    // Row nY; the caller keeps within the surface.
    std::uint32_t* Row(int nY) {
        if (m_nOwedRows > 0 && m_aRowOwed[nY]) WriteOwedRow(nY);
        return RowPixels(nY);
    }
    const std::uint32_t* Row(int nY) const {
        if (m_nOwedRows > 0 && m_aRowOwed[nY]) WriteOwedRow(nY);
        return RowPixels(nY);
    }
    // Row nY for a caller that writes every pixel of it before anything reads it.
    std::uint32_t* RowToOverwrite(int nY) {
        if (m_nOwedRows > 0 && m_aRowOwed[nY]) {
            m_aRowOwed[nY] = 0;
            --m_nOwedRows;
        }
        return RowPixels(nY);
    }
    win32::RECT Bounds() const { return {0, 0, m_nWidth, m_nHeight}; }

  private:
    Surface(int nWidth, int nHeight, std::uint32_t nFill, bool bFillOnUse);
    static std::shared_ptr<Surface> Allocate(int nWidth, int nHeight, win32::COLORREF clrFill,
                                             bool bFillOnUse);

    std::uint32_t* RowPixels(int nY) const {
        return m_pPixels.get() + static_cast<std::size_t>(nY) * m_nWidth;
    }
    void WriteOwedRow(int nY) const;

    int m_nWidth = 0;
    int m_nHeight = 0;
    std::unique_ptr<std::uint32_t[]> m_pPixels;
    // Rows of a surface filled on use owe it the fill colour until they are first used.
    std::uint32_t m_nFill = 0;
    mutable std::vector<std::uint8_t> m_aRowOwed;  // 1 for a row that still owes the fill
    mutable int m_nOwedRows = 0;
};

using SurfaceRef = std::shared_ptr<Surface>;

// The colour without its top byte, as it is stored in a pixel.
constexpr std::uint32_t PixelOf(win32::COLORREF clrColor) {
    return clrColor & 0x00FFFFFF;
}

}  // namespace qv::soft
