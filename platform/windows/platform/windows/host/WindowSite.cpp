#include "platform/windows/host/WindowSite.h"

#include "platform/windows/GdiObjectCount.h"
#include "platform/windows/SystemApi.h"

namespace qv::windows {

namespace {

::HWND Wnd(win32::HWND hWnd) {
    return ToReal<::HWND>(hWnd);
}

}  // namespace

// The window's procedure stops reaching this site before the window goes.
WindowSite::~WindowSite() {
    ::HWND hWnd = Wnd(m_hWnd);
    if (!hWnd) return;
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
    CountDeleted(::ReleaseDC(hWnd, ToReal<::HDC>(m_hDC)));
    ::DestroyWindow(hWnd);
}

void WindowSite::AdoptWindow(win32::HWND hWnd) {
    m_hWnd = hWnd;
    m_hDC = ToOurs<win32::HDC>(CountCreated(::GetDC(Wnd(hWnd))));
}

float WindowSite::ScaleWidth() const {
    ::RECT rc{};
    ::GetClientRect(Wnd(m_hWnd), &rc);
    return static_cast<float>(rc.right);
}

float WindowSite::ScaleHeight() const {
    ::RECT rc{};
    ::GetClientRect(Wnd(m_hWnd), &rc);
    return static_cast<float>(rc.bottom);
}

// A three-dimensional border is the system's sunken client edge (2 pixels), a flat one
// its single line (1 pixel); the client area shrinks by as much.
void WindowSite::ApplyBorder(int nBorderWidth) {
    ::HWND hWnd = Wnd(m_hWnd);
    LONG nStyle = ::GetWindowLongA(hWnd, GWL_STYLE) & ~WS_BORDER;
    LONG nExStyle = ::GetWindowLongA(hWnd, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE;
    if (nBorderWidth == 1) nStyle |= WS_BORDER;
    if (nBorderWidth == 2) nExStyle |= WS_EX_CLIENTEDGE;
    ::SetWindowLongA(hWnd, GWL_STYLE, nStyle);
    ::SetWindowLongA(hWnd, GWL_EXSTYLE, nExStyle);
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ::InvalidateRect(hWnd, nullptr, FALSE);
}

void WindowSite::ApplyEnabled(bool bEnabled) {
    ::EnableWindow(Wnd(m_hWnd), bEnabled);
}

void WindowSite::Refresh() {
    ::RedrawWindow(Wnd(m_hWnd), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace qv::windows
