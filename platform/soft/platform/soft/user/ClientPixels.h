#pragma once

#include "platform/soft/gdi/Surface.h"

namespace qv::soft {

// The pixels of a window's client area. A change of size is only noted; the pixels follow
// when they are next looked at, holding what fits of every size passed through meanwhile,
// exactly as if each change had been carried out at once. A size that comes back before
// anyone looks (a scroll bar hidden and shown again) costs no allocation and no copy.
class ClientPixels {
  public:
    // Notes the client area's new size.
    void Resize(int nWidth, int nHeight);
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // Counts the changes of size: what was made on the pixels before a change (a device
    // context) is stale after it.
    unsigned Generation() const { return m_nGeneration; }

    // The pixels at the noted size; 0 x 0 when memory for them cannot be had.
    const SurfaceRef& Get() const;
    Surface& operator*() const { return *Get(); }
    Surface* operator->() const { return Get().get(); }

  private:
    void Reallocate() const;
    void ClearOutsideKept() const;

    int m_nWidth = 0;
    int m_nHeight = 0;
    unsigned m_nGeneration = 0;
    mutable SurfaceRef m_pSurface;
    // The top-left part of m_pSurface whose pixels survive every size noted since.
    mutable int m_nKeptWidth = 0;
    mutable int m_nKeptHeight = 0;
};

}  // namespace qv::soft
