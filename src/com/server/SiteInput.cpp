// The control window's messages turned into the control's notifications, in the order the
// Windows host runtime delivers them:
//
//   message            runtime does first              notification(s)
//   WM_PAINT           BeginPaint                      Paint, then EndPaint
//   WM_MOUSEACTIVATE   the container activates us      -
//   left press         focus to the window, capture    (GotFocus), MouseDown
//   other press        capture                         MouseDown
//   release            capture ends when no button     MouseUp, then Click when the
//                      is held any more                left press was here and the
//                                                      release is inside the client area
//   WM_MOUSEMOVE       -                               MouseMove with the buttons held
//   key / char         -                               KeyDown, KeyUp, KeyPress
//   focus changes      the container hears of it       GotFocus, LostFocus
//   WM_GETDLGCODE      the arrows and characters are the list's, not the dialog's
#include "com/server/WindowlessSite.h"  // first: the control's headers precede the system's
#include "platform/HostError.h"
#include "platform/win32/Input.h"

#include "platform/windows/SystemApi.h"

#include <cstdint>

namespace qv::com {

namespace {

bool IsKeyDown(int nVirtualKey) {
    return (::GetKeyState(nVirtualKey) & 0x8000) != 0;
}

Integer KeyboardModifiers() {
    return static_cast<Integer>((IsKeyDown(VK_SHIFT) ? win32::kShiftMask : 0) |
                                (IsKeyDown(VK_CONTROL) ? win32::kCtrlMask : 0) |
                                (IsKeyDown(VK_MENU) ? win32::kAltMask : 0));
}

// Shift and Ctrl as the mouse message carries them; Alt from the keyboard state.
Integer MouseModifiers(WPARAM wParam) {
    return static_cast<Integer>(((wParam & MK_SHIFT) ? win32::kShiftMask : 0) |
                                ((wParam & MK_CONTROL) ? win32::kCtrlMask : 0) |
                                (IsKeyDown(VK_MENU) ? win32::kAltMask : 0));
}

Integer ButtonsOf(WPARAM wParam) {
    return static_cast<Integer>(((wParam & MK_LBUTTON) ? win32::kLeftButton : 0) |
                                ((wParam & MK_RBUTTON) ? win32::kRightButton : 0) |
                                ((wParam & MK_MBUTTON) ? win32::kMiddleButton : 0));
}

float XOf(LPARAM lParam) {
    return static_cast<float>(static_cast<std::int16_t>(lParam & 0xFFFF));
}

float YOf(LPARAM lParam) {
    return static_cast<float>(static_cast<std::int16_t>((lParam >> 16) & 0xFFFF));
}

struct ButtonMessage {
    UINT uMsg;
    int nButton;
    bool bDown;
};

constexpr ButtonMessage kButtonMessages[] = {
    {WM_LBUTTONDOWN, win32::kLeftButton, true},   {WM_LBUTTONUP, win32::kLeftButton, false},
    {WM_RBUTTONDOWN, win32::kRightButton, true},  {WM_RBUTTONUP, win32::kRightButton, false},
    {WM_MBUTTONDOWN, win32::kMiddleButton, true}, {WM_MBUTTONUP, win32::kMiddleButton, false},
};

}  // namespace

// A host error raised out of a notification that the message loop delivered has no caller
// to go to, and must not unwind through the system's frames: it ends there.
template <typename TCall>
void WindowlessSite::Notify(TCall&& call) {
    if (!m_pControl) return;
    try {
        call(*m_pControl);
    } catch (const HostError&) {
    } catch (const std::bad_alloc&) {
    }
}

void WindowlessSite::Paint() {
    Notify([](host::IUserControlEvents& control) { control.UserControl_Paint(); });
}

// The control renders its whole client area on every paint, whatever part was invalid, so
// the paint's clipping is widened to all of it before the control draws.
void WindowlessSite::DeliverPaint() {
    ::HWND hWnd = windows::ToReal<::HWND>(m_hWnd);
    ::InvalidateRect(hWnd, nullptr, FALSE);
    ::PAINTSTRUCT paint;
    ::BeginPaint(hWnd, &paint);
    Paint();
    ::EndPaint(hWnd, &paint);
}

bool WindowlessSite::HandleMessage(win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam,
                                   win32::LRESULT& nResult) {
    for (const ButtonMessage& button : kButtonMessages) {
        if (button.uMsg != uMsg) continue;
        DeliverButton(button.nButton, button.bDown, wParam, lParam);
        return true;
    }
    switch (uMsg) {
        case WM_PAINT:
            DeliverPaint();
            return true;
        case WM_ERASEBKGND:
            nResult = 1;
            return true;
        case WM_MOUSEACTIVATE:
            if (m_pListener) m_pListener->OnWindowMouseActivate();
            nResult = MA_ACTIVATE;
            return true;
        case WM_GETDLGCODE:
            nResult = DLGC_WANTARROWS | DLGC_WANTCHARS;
            return true;
        case WM_MOUSEMOVE:
            DeliverMove(wParam, lParam);
            return true;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            DeliverKey(uMsg, wParam);
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (m_pListener) m_pListener->OnWindowFocus(uMsg == WM_SETFOCUS);
            if (uMsg == WM_SETFOCUS)
                Notify([](auto& control) { control.UserControl_GotFocus(); });
            else
                Notify([](auto& control) { control.UserControl_LostFocus(); });
            return true;
        default:
            return false;
    }
}

void WindowlessSite::DeliverButton(int nButton, bool bDown, win32::WPARAM wParam,
                                   win32::LPARAM lParam) {
    ::HWND hWnd = windows::ToReal<::HWND>(m_hWnd);
    const Integer nShift = MouseModifiers(wParam);
    const float fX = XOf(lParam);
    const float fY = YOf(lParam);
    const auto nButtonArg = static_cast<Integer>(nButton);
    if (bDown) {
        if (nButton == win32::kLeftButton && ::GetFocus() != hWnd) ::SetFocus(hWnd);
        ::SetCapture(hWnd);
        if (nButton == win32::kLeftButton) m_bLeftPressedHere = true;
        Notify([&](auto& control) { control.UserControl_MouseDown(nButtonArg, nShift, fX, fY); });
        return;
    }
    if (ButtonsOf(wParam) == 0 && ::GetCapture() == hWnd) ::ReleaseCapture();
    Notify([&](auto& control) { control.UserControl_MouseUp(nButtonArg, nShift, fX, fY); });
    const bool bClick = nButton == win32::kLeftButton && m_bLeftPressedHere && fX >= 0 && fY >= 0 &&
                        fX < ScaleWidth() && fY < ScaleHeight();
    if (nButton == win32::kLeftButton) m_bLeftPressedHere = false;
    if (bClick) Notify([](auto& control) { control.UserControl_Click(); });
}

void WindowlessSite::DeliverMove(win32::WPARAM wParam, win32::LPARAM lParam) {
    const Integer nButtons = ButtonsOf(wParam);
    const Integer nShift = MouseModifiers(wParam);
    const float fX = XOf(lParam);
    const float fY = YOf(lParam);
    Notify([&](auto& control) { control.UserControl_MouseMove(nButtons, nShift, fX, fY); });
}

void WindowlessSite::DeliverKey(win32::UINT uMsg, win32::WPARAM wParam) {
    auto nCode = static_cast<Integer>(wParam);
    Integer nShift = KeyboardModifiers();
    if (uMsg == WM_KEYDOWN)
        Notify([&](auto& control) { control.UserControl_KeyDown(nCode, nShift); });
    if (uMsg == WM_KEYUP) Notify([&](auto& control) { control.UserControl_KeyUp(nCode, nShift); });
    if (uMsg == WM_CHAR) Notify([&](auto& control) { control.UserControl_KeyPress(nCode); });
}

}  // namespace qv::com
