#include "platform/soft/gdi/Surface.h"

#include <algorithm>
#include <new>

namespace qv::soft {

std::shared_ptr<Surface> Surface::Create(int nWidth, int nHeight, win32::COLORREF clrFill) {
    return Allocate(nWidth, nHeight, clrFill, false);
}

std::shared_ptr<Surface> Surface::CreateFilledOnUse(int nWidth, int nHeight,
                                                    win32::COLORREF clrFill) {
    return Allocate(nWidth, nHeight, clrFill, true);
}

std::shared_ptr<Surface> Surface::Allocate(int nWidth, int nHeight, win32::COLORREF clrFill,
                                           bool bFillOnUse) {
    if (nWidth < 0 || nHeight < 0 || nWidth > kMaxSide || nHeight > kMaxSide) return nullptr;
    const std::int64_t nPixels = std::int64_t{nWidth} * nHeight;
    if (nPixels > kMaxPixels) return nullptr;
    try {
        return std::shared_ptr<Surface>(new Surface(nWidth, nHeight, PixelOf(clrFill), bFillOnUse));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

Surface::Surface(int nWidth, int nHeight, std::uint32_t nFill, bool bFillOnUse)
    : m_nWidth(nWidth),
      m_nHeight(nHeight),
      m_pPixels(std::make_unique_for_overwrite<std::uint32_t[]>(static_cast<std::size_t>(nWidth) *
                                                                nHeight)),
      m_nFill(nFill) {
    if (bFillOnUse && nWidth > 0) {
        m_aRowOwed.assign(static_cast<std::size_t>(nHeight), 1);
        m_nOwedRows = nHeight;
    } else {
        std::fill_n(m_pPixels.get(), static_cast<std::size_t>(nWidth) * nHeight, nFill);
    }
}

Surface::Surface(const Surface& other)
    : m_nWidth(other.m_nWidth),
      m_nHeight(other.m_nHeight),
      m_pPixels(std::make_unique_for_overwrite<std::uint32_t[]>(
          static_cast<std::size_t>(other.m_nWidth) * other.m_nHeight)),
      m_nFill(other.m_nFill),
      m_aRowOwed(other.m_aRowOwed),
      m_nOwedRows(other.m_nOwedRows) {
    for (int nY = 0; nY < m_nHeight; ++nY)
        if (m_nOwedRows == 0 || !m_aRowOwed[nY])
            std::copy_n(other.RowPixels(nY), m_nWidth, RowPixels(nY));
}

void Surface::WriteOwedRow(int nY) const {
    m_aRowOwed[nY] = 0;
    --m_nOwedRows;
    std::fill_n(RowPixels(nY), m_nWidth, m_nFill);
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
