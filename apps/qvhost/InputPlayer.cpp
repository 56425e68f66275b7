#include "qvhost/InputPlayer.h"

#include "platform/win32/Input.h"

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

InputPlayer::InputPlayer(IUserInput& input, WindowOf windowOf, LineWriter fnWrite)
    : m_input(input), m_windowOf(std::move(windowOf)), m_fnWrite(std::move(fnWrite)) {}

void InputPlayer::FocusControl(const std::string& sName) {
    const HWND hWnd = m_windowOf(sName);
    if (m_input.Focus() != hWnd) m_input.SetFocus(hWnd);
}

void InputPlayer::Run(const MouseCommand& command) {
    const HWND hWnd = m_windowOf(command.sName);
    switch (command.eAction) {
        case MouseCommand::Action::Down:
        case MouseCommand::Action::Up:
            m_input.MouseButton(hWnd, command.nX, command.nY, command.nButton,
                                command.eAction == MouseCommand::Action::Down, command.nModifiers);
            break;
        case MouseCommand::Action::Move:
            m_input.MouseMove(hWnd, command.nX, command.nY, command.nModifiers);
            break;
    }
}

void InputPlayer::Run(const ClickCommand& command) {
    const HWND hWnd = m_windowOf(command.sName);
    m_input.MouseButton(hWnd, command.nX, command.nY, kLeftButton, true, command.nModifiers);
    m_input.MouseButton(hWnd, command.nX, command.nY, kLeftButton, false, command.nModifiers);
}

void InputPlayer::Run(const WheelCommand& command) {
    m_input.MouseWheel(m_windowOf(command.sName), command.nX, command.nY, command.nDelta);
}

void InputPlayer::Run(const KeyCommand& command) {
    FocusControl(command.sName);
    switch (command.eAction) {
        case KeyCommand::Action::Down:
            m_input.Key(WM_KEYDOWN, command.nCode, command.nModifiers);
            break;
        case KeyCommand::Action::Up:
            m_input.Key(WM_KEYUP, command.nCode, command.nModifiers);
            break;
        case KeyCommand::Action::Press:
            m_input.Key(WM_CHAR, command.nCode, m_input.ModifiersHeld());
            break;
        case KeyCommand::Action::Stroke: {
            m_input.Key(WM_KEYDOWN, command.nCode, command.nModifiers);
            const int nCharacter = CharacterOfKey(command.nCode, command.nModifiers);
            if (nCharacter != 0) m_input.Key(WM_CHAR, nCharacter, command.nModifiers);
            m_input.Key(WM_KEYUP, command.nCode, command.nModifiers);
            break;
        }
    }
}

void InputPlayer::Run(const FocusCommand& command) {
    if (!command.sName) {
        m_input.SetFocus(HWND{});
        return;
    }
    FocusControl(*command.sName);
}

// Acting on a bar that is not shown does nothing, as a user could not reach it.
void InputPlayer::Run(const ScrollCommand& command) {
    const HWND hWnd = m_windowOf(command.sName);
    if (!m_input.VerticalBar(hWnd).bVisible) return;
    if (command.eRequest == ScrollCommand::Request::Thumb)
        m_input.Scroll(hWnd, SB_THUMBTRACK, command.nThumbPos);
    m_input.Scroll(hWnd, ScrollRequestOf(command.eRequest), command.nThumbPos);
    m_input.Scroll(hWnd, SB_ENDSCROLL, 0);
}

void InputPlayer::Run(const WaitCommand& command) {
    m_input.Wait(static_cast<unsigned>(command.nMilliseconds));
}

void InputPlayer::Run(const ScrollbarCommand& command) {
    const ScrollBarInfo bar = m_input.VerticalBar(m_windowOf(command.sName));
    m_fnWrite(command.sName + ".scrollbar visible=" + (bar.bVisible ? "True" : "False") +
              " min=" + std::to_string(bar.nMin) + " max=" + std::to_string(bar.nMax) +
              " page=" + std::to_string(bar.nPage) + " pos=" + std::to_string(bar.nPos));
}

}  // namespace qv::qvhost
