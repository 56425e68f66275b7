// The control window's messages turned into the control's notifications: paint, mouse
// with capture, keys and focus, in the order our own runtime delivers them.
//
//   message            runtime does first              notification(s)
//   WM_PAINT           BeginPaint                      Paint, then EndPaint
//   left press         focus to the control, capture   (GotFocus), MouseDown
//   other press        capture                         MouseDown
//   release            capture ends when no button     MouseUp, then Click when the
//                      is held any more                left press was here and the
//                                                      release is inside the client area
//   WM_MOUSEMOVE       -                               MouseMove with the buttons held
//   key / char         -                               KeyDown, KeyUp, KeyPress
//   focus changes      -                               GotFocus, LostFocus
#include "platform/windows/host/ControlSite.h"

#include "platform/windows/SystemApi.h"

namespace qv::windows {

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr Integer kShiftMask = 1;
constexpr Integer kCtrlMask = 2;
constexpr Integer kAltMask = 4;

bool IsKeyDown(int nVirtualKey) {
    return (::GetKeyState(nVirtualKey) & 0x8000) != 0;
}

Integer KeyboardModifiers() {
    return static_cast<Integer>((IsKeyDown(VK_SHIFT) ? kShiftMask : 0) |
                                (IsKeyDown(VK_CONTROL) ? kCtrlMask : 0) |
                                (IsKeyDown(VK_MENU) ? kAltMask : 0));
}

// Shift and Ctrl as the mouse message carries them; Alt from the keyboard state.
Integer MouseModifiers(WPARAM wParam) {
    return static_cast<Integer>(((wParam & MK_SHIFT) ? kShiftMask : 0) |
                                ((wParam & MK_CONTROL) ? kCtrlMask : 0) |
                                (IsKeyDown(VK_MENU) ? kAltMask : 0));
}

Integer ButtonsOf(WPARAM wParam) {
    return static_cast<Integer>(((wParam & MK_LBUTTON) ? kLeftButton : 0) |
                                ((wParam & MK_RBUTTON) ? kRightButton : 0) |
                                ((wParam & MK_MBUTTON) ? kMiddleButton : 0));
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
    {WM_LBUTTONDOWN, kLeftButton, true},   {WM_LBUTTONUP, kLeftButton, false},
    {WM_RBUTTONDOWN, kRightButton, true},  {WM_RBUTTONUP, kRightButton, false},
    {WM_MBUTTONDOWN, kMiddleButton, true}, {WM_MBUTTONUP, kMiddleButton, false},
};

}  // namespace

// A host error raised by the control out of a notification that the message loop
// delivered has no caller to go to: the host hears of it instead.
template <typename TCall>
void ControlSite::Notify(TCall&& call) {
    if (!m_pControl) return;
    IHostObserver* pObserver = m_form.Observer();
    try {
        call(*m_pControl);
    } catch (const HostError& error) {
        if (!pObserver) throw;
        pObserver->OnNotificationError(*this, error);
    }
}

// The control renders its whole client area on every paint, whatever part was invalid,
// so the paint's clipping is widened to all of it before the control draws.
void ControlSite::DeliverPaint() {
    ::InvalidateRect(ToReal<::HWND>(m_hWnd), nullptr, FALSE);
    ::PAINTSTRUCT paint;
    ::BeginPaint(ToReal<::HWND>(m_hWnd), &paint);
    if (m_pControl) {
        if (IHostObserver* pObserver = m_form.Observer()) pObserver->OnPaintDelivered(*this);
        Notify([](host::IUserControlEvents& control) { control.UserControl_Paint(); });
    }
    ::EndPaint(ToReal<::HWND>(m_hWnd), &paint);
}

bool ControlSite::HandleMessage(win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam) {
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
            Notify([](auto& control) { control.UserControl_GotFocus(); });
            return true;
        case WM_KILLFOCUS:
            Notify([](auto& control) { control.UserControl_LostFocus(); });
            return true;
        default:
            return false;
    }
}

void ControlSite::DeliverButton(int nButton, bool bDown, win32::WPARAM wParam,
                                win32::LPARAM lParam) {
    ::HWND hWnd = ToReal<::HWND>(m_hWnd);
    const Integer nShift = MouseModifiers(wParam);
    const float fX = XOf(lParam);
    const float fY = YOf(lParam);
    const auto nButtonArg = static_cast<Integer>(nButton);
    if (bDown) {
        if (nButton == kLeftButton && ::GetFocus() != hWnd) ::SetFocus(hWnd);
        ::SetCapture(hWnd);
        if (nButton == kLeftButton) m_bLeftPressedHere = true;
        Notify([&](auto& control) { control.UserControl_MouseDown(nButtonArg, nShift, fX, fY); });
        return;
    }
    if (ButtonsOf(wParam) == 0 && ::GetCapture() == hWnd) ::ReleaseCapture();
    Notify([&](auto& control) { control.UserControl_MouseUp(nButtonArg, nShift, fX, fY); });
    const bool bClick = nButton == kLeftButton && m_bLeftPressedHere && fX >= 0 && fY >= 0 &&
                        fX < ScaleWidth() && fY < ScaleHeight();
    if (nButton == kLeftButton) m_bLeftPressedHere = false;
    if (bClick) Notify([](auto& control) { control.UserControl_Click(); });
}

void ControlSite::DeliverMove(win32::WPARAM wParam, win32::LPARAM lParam) {
    const Integer nButtons = ButtonsOf(wParam);
    const Integer nShift = MouseModifiers(wParam);
    const float fX = XOf(lParam);
    const float fY = YOf(lParam);
    Notify([&](auto& control) { control.UserControl_MouseMove(nButtons, nShift, fX, fY); });
}

void ControlSite::DeliverKey(win32::UINT uMsg, win32::WPARAM wParam) {
    auto nCode = static_cast<Integer>(wParam);
    Integer nShift = KeyboardModifiers();
    if (uMsg == WM_KEYDOWN)
        Notify([&](auto& control) { control.UserControl_KeyDown(nCode, nShift); });
    if (uMsg == WM_KEYUP) Notify([&](auto& control) { control.UserControl_KeyUp(nCode, nShift); });
    if (uMsg == WM_CHAR) Notify([&](auto& control) { control.UserControl_KeyPress(nCode); });
}

}  // namespace qv::windows
