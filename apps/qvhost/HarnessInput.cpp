// The user's hand on the form: mouse, keys, focus, the scroll bar and the passing of time.
#include "platform/win32/Input.h"
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

void Harness::FocusControl(const std::string& sName) {
    const HWND hWnd = Control(sName).site->hWnd();
    if (m_pPlatform->Focus() != hWnd) m_pPlatform->SetFocus(hWnd);
}

void Harness::Run(const MouseCommand& command) {
    const HWND hWnd = Control(command.sName).site->hWnd();
    switch (command.eAction) {
        case MouseCommand::Action::Down:
        case MouseCommand::Action::Up:
            m_pPlatform->MouseButton(hWnd, command.nX, command.nY, command.nButton,
                                     command.eAction == MouseCommand::Action::Down,
                                     command.nModifiers);
            break;
        case MouseCommand::Action::Move:
            m_pPlatform->MouseMove(hWnd, command.nX, command.nY, command.nModifiers);
            break;
    }
}

void Harness::Run(const ClickCommand& command) {
    const HWND hWnd = Control(command.sName).site->hWnd();
    m_pPlatform->MouseButton(hWnd, command.nX, command.nY, kLeftButton, true, command.nModifiers);
    m_pPlatform->MouseButton(hWnd, command.nX, command.nY, kLeftButton, false, command.nModifiers);
}

void Harness::Run(const WheelCommand& command) {
    const HWND hWnd = Control(command.sName).site->hWnd();
    m_pPlatform->MouseWheel(hWnd, command.nX, command.nY, command.nDelta);
}

void Harness::Run(const KeyCommand& command) {
    FocusControl(command.sName);
    IHostPlatform& platform = *m_pPlatform;
    switch (command.eAction) {
        case KeyCommand::Action::Down:
            platform.Key(WM_KEYDOWN, command.nCode, command.nModifiers);
            break;
        case KeyCommand::Action::Up:
            platform.Key(WM_KEYUP, command.nCode, command.nModifiers);
            break;
        case KeyCommand::Action::Press:
            platform.Key(WM_CHAR, command.nCode, platform.ModifiersHeld());
            break;
        case KeyCommand::Action::Stroke: {
            platform.Key(WM_KEYDOWN, command.nCode, command.nModifiers);
            const int nCharacter = CharacterOfKey(command.nCode, command.nModifiers);
            if (nCharacter != 0) platform.Key(WM_CHAR, nCharacter, command.nModifiers);
            platform.Key(WM_KEYUP, command.nCode, command.nModifiers);
            break;
        }
    }
}

void Harness::Run(const FocusCommand& command) {
    if (!command.sName) {
        m_pPlatform->SetFocus(HWND{});
        return;
    }
    FocusControl(*command.sName);
}

// Acting on a bar that is not shown does nothing, as a user could not reach it.
void Harness::Run(const ScrollCommand& command) {
    const HWND hWnd = Control(command.sName).site->hWnd();
    if (!m_pPlatform->VerticalBar(hWnd).bVisible) return;
    if (command.eRequest == ScrollCommand::Request::Thumb)
        m_pPlatform->Scroll(hWnd, SB_THUMBTRACK, command.nThumbPos);
    m_pPlatform->Scroll(hWnd, ScrollRequestOf(command.eRequest), command.nThumbPos);
    m_pPlatform->Scroll(hWnd, SB_ENDSCROLL, 0);
}

void Harness::Run(const WaitCommand& command) {
    m_pPlatform->Wait(static_cast<unsigned>(command.nMilliseconds));
}

}  // namespace qv::qvhost
