#include "platform/soft/gdi/Surface.h"

#include <new>

namespace qv::soft {

std::shared_ptr<Surface> Surface::Create(int nWidth, int nHeight, win32::COLORREF clrFill) {
    if (nWidth < 0 || nHeight < 0 || nWidth > kMaxSide || nHeight > kMaxSide) return nullptr;
    const std::int64_t nPixels = std::int64_t{nWidth} * nHeight;
    if (nPixels > kMaxPixels) return nullptr;
    try {
        std::vector<std::uint32_t> aPixels(static_cast<std::size_t>(nPixels), PixelOf(clrFill));
        return std::shared_ptr<Surface>(new Surface(nWidth, nHeight, std::move(aPixels)));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

bool Surface::Contains(int nX, int nY) const {
    return nX >= 0 && nY >= 0 && nX < m_nWidth && nY < m_nHeight;
}

win32::COLORREF Surface::Pixel(int nX, int nY) const {
    return Contains(nX, nY) ? Row(nY)[nX] : 0xFFFFFFFF;
}

void Surface::SetPixel(int nX, int nY, win32::COLORREF clrColor) {
    if (Contains(nX, nY)) Row(nY)[nX] = PixelOf(clrColor);
}

}  // namespace qv::soft
