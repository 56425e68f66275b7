// The control window's messages turned into the control's notifications, the same on
// every window system:
//
//   message            backend does first              notification(s)
//   WM_PAINT           readies the window (PaintMessage) Paint (the observer hears first)
//   press              focus, capture (BeforeButton)   MouseDown
//   release            capture ends (BeforeButton)     MouseUp, then Click when the left
//                                                      press was here and the release is
//                                                      inside the client area
//   WM_MOUSEMOVE       -                               MouseMove with the buttons held
//   key / char         -                               KeyDown, KeyUp, KeyPress
//   focus changes      -                               GotFocus, LostFocus
//
// A host error or lack of memory the control raises out of a notification has no caller
// to go to: the container ends it there, or lets it pass on.
#include <cstdint>
#include <new>

#include "platform/site/ControlSiteCore.h"
#include "platform/win32/Input.h"

namespace qv::site {

using namespace win32;

namespace {

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

template <typename TCall>
void ControlSiteCore::Notify(TCall&& call) {
    if (!m_pControl) return;
    try {
        call(*m_pControl);
    } catch (const HostError& error) {
        if (!m_container.EndsNotificationError(*this, error)) throw;
    } catch (const std::bad_alloc&) {
        if (!m_container.EndsOutOfMemory(*this)) throw;
    }
}

void ControlSiteCore::DeliverPaint() {
    if (!m_pControl) return;
    if (IHostObserver* pObserver = m_container.Observer()) pObserver->OnPaintDelivered(*this);
    Notify([](host::IUserControlEvents& control) { control.UserControl_Paint(); });
}

bool ControlSiteCore::DeliverMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    for (const ButtonMessage& button : kButtonMessages) {
        if (button.uMsg != uMsg) continue;
        DeliverButton(button.nButton, button.bDown, wParam, lParam);
        return true;
    }
    switch (uMsg) {
        case WM_PAINT:
            PaintMessage();
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

void ControlSiteCore::DeliverButton(int nButton, bool bDown, WPARAM wParam, LPARAM lParam) {
    const Integer nShift = MouseModifiers(wParam);
    const float fX = XOf(lParam);
    const float fY = YOf(lParam);
    const auto nButtonArg = static_cast<Integer>(nButton);
    BeforeButton(nButton, bDown, wParam);
    if (bDown) {
        if (nButton == kLeftButton) m_bLeftPressedHere = true;
        Notify([&](auto& control) { control.UserControl_MouseDown(nButtonArg, nShift, fX, fY); });
        return;
    }
    Notify([&](auto& control) { control.UserControl_MouseUp(nButtonArg, nShift, fX, fY); });
    const bool bClick = nButton == kLeftButton && m_bLeftPressedHere && fX >= 0 && fY >= 0 &&
                        fX < ScaleWidth() && fY < ScaleHeight();
    if (nButton == kLeftButton) m_bLeftPressedHere = false;
    if (bClick) Notify([](auto& control) { control.UserControl_Click(); });
}

void ControlSiteCore::DeliverMove(WPARAM wParam, LPARAM lParam) {
    const Integer nButtons = ButtonsHeld(wParam);
    const Integer nShift = MouseModifiers(wParam);
    const float fX = XOf(lParam);
    const float fY = YOf(lParam);
    Notify([&](auto& control) { control.UserControl_MouseMove(nButtons, nShift, fX, fY); });
}

void ControlSiteCore::DeliverKey(UINT uMsg, WPARAM wParam) {
    auto nCode = static_cast<Integer>(wParam);
    Integer nShift = KeyModifiers();
    if (uMsg == WM_KEYDOWN)
        Notify([&](auto& control) { control.UserControl_KeyDown(nCode, nShift); });
    if (uMsg == WM_KEYUP) Notify([&](auto& control) { control.UserControl_KeyUp(nCode, nShift); });
    if (uMsg == WM_CHAR) Notify([&](auto& control) { control.UserControl_KeyPress(nCode); });
}

}  // namespace qv::site
