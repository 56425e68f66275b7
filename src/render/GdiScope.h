#pragma once

#include "platform/win32/Gdi.h"

namespace qv {

// Owners of the platform objects and settings one drawing routine makes. However the
// routine ends, a host error included, what it selected or set is put back and what it
// created is deleted; declared in creation order, they unwind in the reverse order.

// A device context the routine created.
class OwnedDC {
  public:
    explicit OwnedDC(win32::HDC hDC) : m_hDC(hDC) {}
    ~OwnedDC() {
        if (m_hDC != win32::HDC{}) win32::DeleteDC(m_hDC);
    }
    OwnedDC(const OwnedDC&) = delete;
    OwnedDC& operator=(const OwnedDC&) = delete;

    win32::HDC Get() const { return m_hDC; }

  private:
    win32::HDC m_hDC;
};

// A bitmap, brush, pen or font the routine created.
class OwnedGdiObject {
  public:
    explicit OwnedGdiObject(win32::HGDIOBJ hObject) : m_hObject(hObject) {}
    ~OwnedGdiObject() {
        if (m_hObject != win32::HGDIOBJ{}) win32::DeleteObject(m_hObject);
    }
    OwnedGdiObject(const OwnedGdiObject&) = delete;
    OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;

    win32::HGDIOBJ Get() const { return m_hObject; }

  private:
    win32::HGDIOBJ m_hObject;
};

// An object selected into a device context; the one it replaced goes back in.
class SelectedObject {
  public:
    SelectedObject(win32::HDC hDC, win32::HGDIOBJ hObject)
        : m_hDC(hDC), m_hPrevious(win32::SelectObject(hDC, hObject)) {}
    ~SelectedObject() {
        if (m_hPrevious != win32::HGDIOBJ{}) win32::SelectObject(m_hDC, m_hPrevious);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    win32::HDC m_hDC;
    win32::HGDIOBJ m_hPrevious;
};

// A setting of a device context (background mode, text colour, stretch mode) that the
// routine changes; the value it found goes back.
template <typename TValue, TValue (*pfnSet)(win32::HDC, TValue)>
class DCSetting {
  public:
    DCSetting(win32::HDC hDC, TValue value) : m_hDC(hDC), m_previous(pfnSet(hDC, value)) {}
    ~DCSetting() { pfnSet(m_hDC, m_previous); }
    DCSetting(const DCSetting&) = delete;
    DCSetting& operator=(const DCSetting&) = delete;

    void Change(TValue value) const { pfnSet(m_hDC, value); }

  private:
    win32::HDC m_hDC;
    TValue m_previous;
};

using ScopedBkMode = DCSetting<int, &win32::SetBkMode>;
using ScopedTextColor = DCSetting<win32::COLORREF, &win32::SetTextColor>;
using ScopedStretchMode = DCSetting<int, &win32::SetStretchBltMode>;

}  // namespace qv
