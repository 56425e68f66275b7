#include "platform/soft/user/ClientPixels.h"

#include <algorithm>

namespace qv::soft {

namespace {
// The classic button face, which a window shows before it paints itself.
constexpr win32::COLORREF kNewWindowColor = 0x00C8D0D4;
}  // namespace

void ClientPixels::Resize(int nWidth, int nHeight) {
    if (nWidth == m_nWidth && nHeight == m_nHeight) return;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    ++m_nGeneration;
    m_nKeptWidth = std::min(m_nKeptWidth, nWidth);
    m_nKeptHeight = std::min(m_nKeptHeight, nHeight);
}

const SurfaceRef& ClientPixels::Get() const {
    if (!m_pSurface || m_pSurface->Width() != m_nWidth || m_pSurface->Height() != m_nHeight) {
        Reallocate();
    } else if (m_nKeptWidth < m_nWidth || m_nKeptHeight < m_nHeight) {
        ClearOutsideKept();
    }
    return m_pSurface;
}

void ClientPixels::Reallocate() const {
    SurfaceRef pNew = Surface::Create(m_nWidth, m_nHeight, kNewWindowColor);
    if (!pNew) pNew = Surface::Create(0, 0);
    if (m_pSurface) {
        const int nRows = std::min(m_nKeptHeight, pNew->Height());
        const int nCount = std::min(m_nKeptWidth, pNew->Width());
        for (int nY = 0; nY < nRows; ++nY) std::copy_n(m_pSurface->Row(nY), nCount, pNew->Row(nY));
    }
    m_pSurface = std::move(pNew);
    m_nKeptWidth = m_pSurface->Width();
    m_nKeptHeight = m_pSurface->Height();
}

// The surface already has the size again: only what a narrower size in between would
// have lost goes back to the new-window colour.
void ClientPixels::ClearOutsideKept() const {
    const std::uint32_t nPixel = PixelOf(kNewWindowColor);
    for (int nY = 0; nY < m_nHeight; ++nY) {
        std::uint32_t* pRow = m_pSurface->Row(nY);
        const int nFrom = nY < m_nKeptHeight ? m_nKeptWidth : 0;
        std::fill(pRow + nFrom, pRow + m_nWidth, nPixel);
    }
    m_nKeptWidth = m_nWidth;
    m_nKeptHeight = m_nHeight;
}

}  // namespace qv::soft
