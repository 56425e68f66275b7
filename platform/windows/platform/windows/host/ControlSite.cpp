#include "platform/windows/host/ControlSite.h"

#include "platform/windows/GdiObjectCount.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/host/WindowClasses.h"

namespace qv::windows {

namespace {

::HWND Wnd(win32::HWND hWnd) {
    return ToReal<::HWND>(hWnd);
}

ControlSite* SiteOf(::HWND hWnd) {
    return reinterpret_cast<ControlSite*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
}

}  // namespace

LRESULT CALLBACK ControlWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_NCCREATE) {
        const auto* pCreate = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(pCreate->lpCreateParams));
    }
    ControlSite* pSite = SiteOf(hWnd);
    if (pSite && pSite->HandleMessage(uMsg, wParam, lParam)) return 0;
    return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

ControlSite::ControlSite(Form& form, int nX, int nY, int nWidth, int nHeight)
    : ControlSiteCore(form), m_form(form) {
    ::HWND hWnd =
        ::CreateWindowExA(0, kControlClassName, "", WS_CHILD | WS_CLIPSIBLINGS, nX, nY, nWidth,
                          nHeight, Wnd(form.hWnd()), nullptr, ModuleInstance(), this);
    m_hWnd = ToOurs<win32::HWND>(hWnd);
    m_hDC = ToOurs<win32::HDC>(CountCreated(::GetDC(hWnd)));
}

ControlSite::~ControlSite() {
    ::HWND hWnd = Wnd(m_hWnd);
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
    CountDeleted(::ReleaseDC(hWnd, ToReal<::HDC>(m_hDC)));
    ::DestroyWindow(hWnd);
}

void ControlSite::Show() {
    ::ShowWindow(Wnd(m_hWnd), SW_SHOWNOACTIVATE);
}

void ControlSite::MoveOuter(int nWidth, int nHeight) {
    ::SetWindowPos(Wnd(m_hWnd), nullptr, 0, 0, nWidth, nHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float ControlSite::ScaleWidth() const {
    ::RECT rc{};
    ::GetClientRect(Wnd(m_hWnd), &rc);
    return static_cast<float>(rc.right);
}

float ControlSite::ScaleHeight() const {
    ::RECT rc{};
    ::GetClientRect(Wnd(m_hWnd), &rc);
    return static_cast<float>(rc.bottom);
}

int ControlSite::OuterHeight() const {
    ::RECT rc{};
    ::GetWindowRect(Wnd(m_hWnd), &rc);
    return rc.bottom - rc.top;
}

// A three-dimensional border is the system's sunken client edge (2 pixels), a flat one
// its single line (1 pixel); the client area shrinks by as much.
void ControlSite::ApplyBorder(int nBorderWidth) {
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

void ControlSite::ApplyEnabled(bool bEnabled) {
    ::EnableWindow(Wnd(m_hWnd), bEnabled);
}

void ControlSite::Refresh() {
    ::RedrawWindow(Wnd(m_hWnd), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace qv::windows
