#pragma once

#include <utility>

#include "platform/win32/Gdi.h"
#include "platform/win32/ImageList.h"

// Owners of platform handles for the soft platform and its tests: each releases its handle
// with the platform's own call when it goes.
namespace qv::soft {

template <typename THandle, win32::BOOL (*pfnRelease)(THandle)>
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
    explicit operator bool() const { return win32::HandleValue(m_hHandle) != 0; }
    THandle Release() { return std::exchange(m_hHandle, THandle{}); }
    void Reset(THandle hHandle = THandle{}) {
        if (win32::HandleValue(m_hHandle) != 0) pfnRelease(m_hHandle);
        m_hHandle = hHandle;
    }

  private:
    THandle m_hHandle{};
};

using UniqueDC = UniqueHandle<win32::HDC, win32::DeleteDC>;
using UniqueGdiObject = UniqueHandle<win32::HGDIOBJ, win32::DeleteObject>;
using UniqueIcon = UniqueHandle<win32::HICON, win32::DestroyIcon>;
using UniqueImageList = UniqueHandle<win32::HIMAGELIST, win32::ImageList_Destroy>;

// Selects an object into a device context and puts the one it replaced back on leaving.
class ScopedSelection {
  public:
    ScopedSelection(win32::HDC hDC, win32::HGDIOBJ hObject)
        : m_hDC(hDC), m_hPrevious(win32::SelectObject(hDC, hObject)) {}
    ~ScopedSelection() {
        if (win32::HandleValue(m_hPrevious) != 0) win32::SelectObject(m_hDC, m_hPrevious);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

    win32::HGDIOBJ Previous() const { return m_hPrevious; }

  private:
    win32::HDC m_hDC;
    win32::HGDIOBJ m_hPrevious;
};

}  // namespace qv::soft
