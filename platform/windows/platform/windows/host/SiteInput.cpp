// What the system adds to the control window's messages before the site core turns them
// into the control's notifications: focus and capture around presses and releases, the
// modifier keys and buttons from the message and the keyboard state, and the paint.
#include "platform/windows/host/WindowSite.h"

#include "platform/win32/Input.h"
// After the contract headers (see SystemApi.h).
#include "platform/windows/SystemApi.h"

namespace qv::windows {

namespace {

bool IsKeyDown(int nVirtualKey) {
    return (::GetKeyState(nVirtualKey) & 0x8000) != 0;
}

}  // namespace

// The control renders its whole client area on every paint, whatever part was invalid,
// so the paint's clipping is widened to all of it before the control draws.
void WindowSite::PaintMessage() {
    ::HWND hWnd = ToReal<::HWND>(m_hWnd);
    ::InvalidateRect(hWnd, nullptr, FALSE);
    ::PAINTSTRUCT paint;
    ::BeginPaint(hWnd, &paint);
    DeliverPaint();
    ::EndPaint(hWnd, &paint);
}

Integer WindowSite::KeyModifiers() const {
    return static_cast<Integer>((IsKeyDown(VK_SHIFT) ? win32::kShiftMask : 0) |
                                (IsKeyDown(VK_CONTROL) ? win32::kCtrlMask : 0) |
                                (IsKeyDown(VK_MENU) ? win32::kAltMask : 0));
}

// Shift and Ctrl as the mouse message carries them; Alt from the keyboard state.
Integer WindowSite::MouseModifiers(win32::WPARAM wParam) const {
    return static_cast<Integer>(((wParam & MK_SHIFT) ? win32::kShiftMask : 0) |
                                ((wParam & MK_CONTROL) ? win32::kCtrlMask : 0) |
                                (IsKeyDown(VK_MENU) ? win32::kAltMask : 0));
}

Integer WindowSite::ButtonsHeld(win32::WPARAM wParam) const {
    return static_cast<Integer>(((wParam & MK_LBUTTON) ? win32::kLeftButton : 0) |
                                ((wParam & MK_RBUTTON) ? win32::kRightButton : 0) |
                                ((wParam & MK_MBUTTON) ? win32::kMiddleButton : 0));
}

// A left press takes the focus; every press captures the mouse, and the capture ends when
// no button is held any more.
void WindowSite::BeforeButton(int nButton, bool bDown, win32::WPARAM wParam) {
    ::HWND hWnd = ToReal<::HWND>(m_hWnd);
    if (bDown) {
        if (nButton == win32::kLeftButton && ::GetFocus() != hWnd) ::SetFocus(hWnd);
        ::SetCapture(hWnd);
        return;
    }
    if (ButtonsHeld(wParam) == 0 && ::GetCapture() == hWnd) ::ReleaseCapture();
}

}  // namespace qv::windows
