#include "platform/windows/host/ControlSite.h"

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
    : WindowSite(form), m_form(form) {
    ::HWND hWnd =
        ::CreateWindowExA(0, kControlClassName, "", WS_CHILD | WS_CLIPSIBLINGS, nX, nY, nWidth,
                          nHeight, Wnd(form.hWnd()), nullptr, ModuleInstance(), this);
    AdoptWindow(ToOurs<win32::HWND>(hWnd));
}

bool ControlSite::HandleMessage(win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam) {
    if (uMsg == WM_ERASEBKGND) return true;
    return DeliverMessage(uMsg, wParam, lParam);
}

void ControlSite::Show() {
    ::ShowWindow(Wnd(hWnd()), SW_SHOWNOACTIVATE);
}

void ControlSite::MoveOuter(int nWidth, int nHeight) {
    ::SetWindowPos(Wnd(hWnd()), nullptr, 0, 0, nWidth, nHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int ControlSite::OuterHeight() const {
    ::RECT rc{};
    ::GetWindowRect(Wnd(hWnd()), &rc);
    return rc.bottom - rc.top;
}

}  // namespace qv::windows
