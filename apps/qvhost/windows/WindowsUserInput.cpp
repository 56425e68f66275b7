#include "qvhost/windows/WindowsUserInput.h"

#include "platform/win32/Input.h"
// After the contract headers: the system's macros would replace the contract's names.
#include "platform/windows/SystemApi.h"

namespace qv::qvhost {

namespace {

::HWND Real(win32::HWND hWnd) {
    return windows::ToReal<::HWND>(hWnd);
}

::UINT ButtonMessage(int nButton, bool bDown) {
    switch (nButton) {
        case win32::kRightButton:
            return bDown ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        case win32::kMiddleButton:
            return bDown ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        default:
            return bDown ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    }
}

::LPARAM PointParam(::POINT pt) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(pt.x)),
                      static_cast<WORD>(static_cast<SHORT>(pt.y)));
}

// A key message's repeat count of 1; a release also has the previous-state and
// transition bits.
::LPARAM KeyParam(::UINT uMsg) {
    return uMsg == WM_KEYUP ? static_cast<::LPARAM>(0xC0000001u) : 1;
}

// The move the system makes of the cursor's jump is not the user's: it is dropped.
void MoveCursor(::POINT ptScreen) {
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    ::MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
    }
}

}  // namespace

WindowsUserInput::WindowsUserInput(win32::HWND hForm, KeyRoute eKeyRoute,
                                   std::function<void(unsigned)> fnPumpFor)
    : m_hForm(hForm), m_eKeyRoute(eKeyRoute), m_fnPumpFor(std::move(fnPumpFor)) {}

void WindowsUserInput::MouseButton(win32::HWND hWnd, int nX, int nY, int nButton, bool bDown,
                                   int nModifiers) {
    SetModifiers(nModifiers);
    if (bDown) {
        m_nButtons |= nButton;
    } else {
        m_nButtons &= ~nButton;
    }
    PostMouse(hWnd, nX, nY, ButtonMessage(nButton, bDown));
}

void WindowsUserInput::MouseMove(win32::HWND hWnd, int nX, int nY, int nModifiers) {
    SetModifiers(nModifiers);
    PostMouse(hWnd, nX, nY, WM_MOUSEMOVE);
}

void WindowsUserInput::MouseWheel(win32::HWND hWnd, int nX, int nY, int nDelta) {
    ::POINT pt{nX, nY};
    ::ClientToScreen(Real(hWnd), &pt);
    ::PostMessageA(Real(hWnd), WM_MOUSEWHEEL,
                   MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(nDelta))), PointParam(pt));
}

void WindowsUserInput::Key(win32::UINT uMsg, int nCode, int nModifiers) {
    SetModifiers(nModifiers);
    const ::HWND hFocus = ::GetFocus();
    if (!hFocus) return;
    if (m_eKeyRoute == KeyRoute::Send) {
        ::SendMessageA(hFocus, uMsg, static_cast<::WPARAM>(nCode), KeyParam(uMsg));
    } else {
        ::PostMessageA(hFocus, uMsg, static_cast<::WPARAM>(nCode), KeyParam(uMsg));
    }
}

win32::HWND WindowsUserInput::Focus() {
    return windows::ToOurs<win32::HWND>(::GetFocus());
}

void WindowsUserInput::SetFocus(win32::HWND hWnd) {
    ::SetFocus(Real(hWnd));
}

ScrollBarInfo WindowsUserInput::VerticalBar(win32::HWND hWnd) {
    ::SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(Real(hWnd), SB_VERT, &info);
    const bool bVisible = (::GetWindowLongA(Real(hWnd), GWL_STYLE) & WS_VSCROLL) != 0;
    return {bVisible, info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
}

void WindowsUserInput::Scroll(win32::HWND hWnd, int nRequest, int nThumbPos) {
    ::SendMessageA(Real(hWnd), WM_VSCROLL,
                   MAKEWPARAM(static_cast<WORD>(nRequest), static_cast<WORD>(nThumbPos)), 0);
}

// The window with the capture receives the mouse; otherwise the form's child under the
// point, or nothing when the point is on the form itself.
void WindowsUserInput::PostMouse(win32::HWND hWnd, int nX, int nY, win32::UINT uMsg) {
    ::POINT pt{nX, nY};
    ::POINT ptScreen = pt;
    ::ClientToScreen(Real(hWnd), &ptScreen);
    MoveCursor(ptScreen);
    ::HWND hTarget = ::GetCapture();
    if (!hTarget) {
        ::POINT ptForm = pt;
        ::MapWindowPoints(Real(hWnd), Real(m_hForm), &ptForm, 1);
        hTarget = ::ChildWindowFromPointEx(Real(m_hForm), ptForm,
                                           CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (hTarget == Real(m_hForm)) hTarget = nullptr;
    }
    if (!hTarget) return;
    ::MapWindowPoints(Real(hWnd), hTarget, &pt, 1);
    ::PostMessageA(hTarget, uMsg, MouseKeys(), PointParam(pt));
}

win32::WPARAM WindowsUserInput::MouseKeys() const {
    return ((m_nModifiers & win32::kShiftMask) ? MK_SHIFT : 0) |
           ((m_nModifiers & win32::kCtrlMask) ? MK_CONTROL : 0) |
           ((m_nButtons & win32::kLeftButton) ? MK_LBUTTON : 0) |
           ((m_nButtons & win32::kRightButton) ? MK_RBUTTON : 0) |
           ((m_nButtons & win32::kMiddleButton) ? MK_MBUTTON : 0);
}

void WindowsUserInput::SetModifiers(int nModifiers) {
    m_nModifiers = nModifiers;
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = (nModifiers & win32::kShiftMask) ? 0x80 : 0;
    keys[VK_CONTROL] = (nModifiers & win32::kCtrlMask) ? 0x80 : 0;
    keys[VK_MENU] = (nModifiers & win32::kAltMask) ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

}  // namespace qv::qvhost
