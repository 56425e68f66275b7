// The user's hand on the form: mouse, keys, focus, the scroll bar and the passing of time.
#include "platform/soft/user/WindowSystem.h"
#include "qvhost/Harness.h"

namespace qv::qvhost {

using namespace win32;

namespace {

// The character a key stroke types, or 0 when the key types none. Letters follow Shift,
// and Ctrl turns a letter into its control code; with Alt no character arrives.
int CharacterOfKey(int nCode, int nModifiers) {
    if (nModifiers & win32::kAltMask) return 0;
    const bool bCtrl = nModifiers & win32::kCtrlMask;
    if (nCode >= 'A' && nCode <= 'Z') {
        if (bCtrl) return nCode - 'A' + 1;
        return (nModifiers & win32::kShiftMask) ? nCode : nCode - 'A' + 'a';
    }
    if (bCtrl) return nCode == VK_SPACE ? VK_SPACE : 0;
    if (nCode >= '0' && nCode <= '9') return nCode;
    switch (nCode) {
        case VK_SPACE:
        case VK_BACK:
        case VK_TAB:
        case VK_RETURN:
        case VK_ESCAPE:
            return nCode;
        default:
            return 0;
    }
}

int ScrollRequestOf(ScrollCommand::Request eRequest) {
    switch (eRequest) {
        case ScrollCommand::Request::LineUp:
            return SB_LINEUP;
        case ScrollCommand::Request::LineDown:
            return SB_LINEDOWN;
        case ScrollCommand::Request::PageUp:
            return SB_PAGEUP;
        case ScrollCommand::Request::PageDown:
            return SB_PAGEDOWN;
        case ScrollCommand::Request::Top:
            return SB_TOP;
        case ScrollCommand::Request::Bottom:
            return SB_BOTTOM;
        case ScrollCommand::Request::Thumb:
            break;
    }
    return SB_THUMBPOSITION;
}

}  // namespace

POINT Harness::ScreenPoint(const std::string& sName, int nX, int nY) {
    const POINT ptOrigin = m_form.Windows().ClientOrigin(Control(sName).site->hWnd());
    return soft::OffsetPoint(ptOrigin, nX, nY);
}

void Harness::FocusControl(const std::string& sName) {
    const HWND hWnd = Control(sName).site->hWnd();
    if (m_form.Windows().Focus() != hWnd) m_form.Windows().SetFocus(hWnd);
}

void Harness::Run(const MouseCommand& command) {
    soft::WindowSystem& windows = m_form.Windows();
    const POINT pt = ScreenPoint(command.sName, command.nX, command.nY);
    switch (command.eAction) {
        case MouseCommand::Action::Down:
            windows.MouseDown(pt, command.nButton, command.nModifiers);
            break;
        case MouseCommand::Action::Up:
            windows.MouseUp(pt, command.nButton, command.nModifiers);
            break;
        case MouseCommand::Action::Move:
            windows.MouseMove(pt, command.nModifiers);
            break;
    }
}

void Harness::Run(const ClickCommand& command) {
    const POINT pt = ScreenPoint(command.sName, command.nX, command.nY);
    m_form.Windows().MouseDown(pt, win32::kLeftButton, command.nModifiers);
    m_form.Windows().MouseUp(pt, win32::kLeftButton, command.nModifiers);
}

void Harness::Run(const WheelCommand& command) {
    const POINT pt = ScreenPoint(command.sName, command.nX, command.nY);
    m_form.Windows().MouseWheel(Control(command.sName).site->hWnd(), command.nDelta, pt, 0);
}

void Harness::Run(const KeyCommand& command) {
    FocusControl(command.sName);
    soft::WindowSystem& windows = m_form.Windows();
    switch (command.eAction) {
        case KeyCommand::Action::Down:
            windows.Key(WM_KEYDOWN, command.nCode, command.nModifiers);
            break;
        case KeyCommand::Action::Up:
            windows.Key(WM_KEYUP, command.nCode, command.nModifiers);
            break;
        case KeyCommand::Action::Press:
            windows.Key(WM_CHAR, command.nCode, windows.Modifiers());
            break;
        case KeyCommand::Action::Stroke: {
            windows.Key(WM_KEYDOWN, command.nCode, command.nModifiers);
            const int nCharacter = CharacterOfKey(command.nCode, command.nModifiers);
            if (nCharacter != 0) windows.Key(WM_CHAR, nCharacter, command.nModifiers);
            windows.Key(WM_KEYUP, command.nCode, command.nModifiers);
            break;
        }
    }
}

void Harness::Run(const FocusCommand& command) {
    if (!command.sName) {
        m_form.Windows().SetFocus(HWND{});
        return;
    }
    FocusControl(*command.sName);
}

// Acting on a bar that is not shown does nothing, as a user could not reach it.
void Harness::Run(const ScrollCommand& command) {
    const HWND hWnd = Control(command.sName).site->hWnd();
    soft::WindowSystem& windows = m_form.Windows();
    if (!windows.Find(hWnd)->vertical.bVisible) return;
    if (command.eRequest == ScrollCommand::Request::Thumb) {
        windows.SendMessage(hWnd, WM_VSCROLL, soft::ScrollRequest(SB_THUMBTRACK, command.nThumbPos),
                            0);
    }
    windows.SendMessage(hWnd, WM_VSCROLL,
                        soft::ScrollRequest(ScrollRequestOf(command.eRequest), command.nThumbPos),
                        0);
    windows.SendMessage(hWnd, WM_VSCROLL, soft::ScrollRequest(SB_ENDSCROLL, 0), 0);
}

void Harness::Run(const WaitCommand& command) {
    m_form.Windows().AdvanceTime(static_cast<unsigned>(command.nMilliseconds));
}

}  // namespace qv::qvhost
