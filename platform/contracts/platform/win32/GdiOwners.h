#pragma once

#include <utility>

#include "platform/win32/Gdi.h"
#include "platform/win32/ImageList.h"

// Owners of the platform objects and settings a routine makes. However the routine ends,
// a host error included, what it selected or set is put back and what it created is
// released with the platform's own call; declared in creation order, they unwind in the
// reverse order.
namespace qv::win32 {

template <typename THandle, BOOL (*pfnRelease)(THandle)>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(THandle hHandle) : m_hHandle(hHandle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_hHandle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    THandle Get() const { return m_hHandle; }
    explicit operator bool() const { return HandleValue(m_hHandle) != 0; }
    THandle Release() { return std::exchange(m_hHandle, THandle{}); }
    void Reset(THandle hHandle = THandle{}) {
        if (HandleValue(m_hHandle) != 0) pfnRelease(m_hHandle);
        m_hHandle = hHandle;
    }

  private:
    THandle m_hHandle{};
};

using UniqueDC = UniqueHandle<HDC, DeleteDC>;
// A bitmap, brush, pen or font.
using UniqueGdiObject = UniqueHandle<HGDIOBJ, DeleteObject>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon>;
using UniqueImageList = UniqueHandle<HIMAGELIST, ImageList_Destroy>;

// An object selected into a device context; the one it replaced goes back in.
class ScopedSelection {
  public:
    ScopedSelection(HDC hDC, HGDIOBJ hObject)
        : m_hDC(hDC), m_hPrevious(SelectObject(hDC, hObject)) {}
    ~ScopedSelection() {
        if (HandleValue(m_hPrevious) != 0) SelectObject(m_hDC, m_hPrevious);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

    HGDIOBJ Previous() const { return m_hPrevious; }

  private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};

// A setting of a device context (background mode, text colour, stretch mode) that the
// routine changes; the value it found goes back.
template <typename TValue, TValue (*pfnSet)(HDC, TValue)>
class DCSetting {
  public:
    DCSetting(HDC hDC, TValue value) : m_hDC(hDC), m_previous(pfnSet(hDC, value)) {}
    ~DCSetting() { pfnSet(m_hDC, m_previous); }
    DCSetting(const DCSetting&) = delete;
    DCSetting& operator=(const DCSetting&) = delete;

    void Change(TValue value) const { pfnSet(m_hDC, value); }

  private:
    HDC m_hDC;
    TValue m_previous;
};

using ScopedBkMode = DCSetting<int, &SetBkMode>;
using ScopedTextColor = DCSetting<COLORREF, &SetTextColor>;
using ScopedStretchMode = DCSetting<int, &SetStretchBltMode>;

}  // namespace qv::win32
