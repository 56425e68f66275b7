// The user's input as a container's user gives it: messages posted to the control's window
// and delivered by the container's loop, with the modifier keys in the thread's keyboard state.
#include "qvcontainer/ScriptRunner.h"

namespace qv::container {

namespace {

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

void SetModifierKeys(int nModifiers) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    auto set = [&](int nKey, bool bDown) { keys[nKey] = bDown ? 0x80 : 0; };
    set(VK_SHIFT, nModifiers & kShift);
    set(VK_CONTROL, nModifiers & kCtrl);
    set(VK_MENU, nModifiers & kAlt);
    ::SetKeyboardState(keys);
}

WPARAM MouseFlags(int nButtons, int nModifiers) {
    return ((nButtons & 1) ? MK_LBUTTON : 0) | ((nButtons & 2) ? MK_RBUTTON : 0) |
           ((nButtons & 4) ? MK_MBUTTON : 0) | ((nModifiers & kShift) ? MK_SHIFT : 0) |
           ((nModifiers & kCtrl) ? MK_CONTROL : 0);
}

LPARAM PointParam(int nX, int nY) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(nX)),
                      static_cast<WORD>(static_cast<SHORT>(nY)));
}

UINT ButtonMessage(int nButton, bool bDown) {
    if (nButton == 2) return bDown ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    if (nButton == 4) return bDown ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    return bDown ? WM_LBUTTONDOWN : WM_LBUTTONUP;
}

// The character a key stroke types, or 0: letters follow Shift, Ctrl makes a letter its
// control code, Alt types nothing (as the host harness has it).
int CharacterOfKey(int nCode, int nModifiers) {
    if (nModifiers & kAlt) return 0;
    const bool bCtrl = nModifiers & kCtrl;
    if (nCode >= 'A' && nCode <= 'Z') {
        if (bCtrl) return nCode - 'A' + 1;
        return (nModifiers & kShift) ? nCode : nCode - 'A' + 'a';
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

void FocusOn(HWND hWnd) {
    if (::GetFocus() != hWnd) ::SetFocus(hWnd);
}

}  // namespace

// The buttons held through a move are the script's; a press or release changes them.
void ScriptRunner::Run(const qvhost::MouseCommand& command) {
    const HWND hWnd = Control(command.sName).Window();
    SetModifierKeys(command.nModifiers);
    const LPARAM lPoint = PointParam(command.nX, command.nY);
    using Action = qvhost::MouseCommand::Action;
    if (command.eAction == Action::Move) {
        ::PostMessageW(hWnd, WM_MOUSEMOVE, MouseFlags(command.nButton, command.nModifiers), lPoint);
        return;
    }
    const bool bDown = command.eAction == Action::Down;
    ::PostMessageW(hWnd, ButtonMessage(command.nButton, bDown),
                   MouseFlags(bDown ? command.nButton : 0, command.nModifiers), lPoint);
}

void ScriptRunner::Run(const qvhost::ClickCommand& command) {
    const HWND hWnd = Control(command.sName).Window();
    SetModifierKeys(command.nModifiers);
    const LPARAM lPoint = PointParam(command.nX, command.nY);
    ::PostMessageW(hWnd, WM_LBUTTONDOWN, MouseFlags(1, command.nModifiers), lPoint);
    ::PostMessageW(hWnd, WM_LBUTTONUP, MouseFlags(0, command.nModifiers), lPoint);
}

void ScriptRunner::Run(const qvhost::KeyCommand& command) {
    const HWND hWnd = Control(command.sName).Window();
    using Action = qvhost::KeyCommand::Action;
    FocusOn(hWnd);
    SetModifierKeys(command.nModifiers);
    const auto wCode = static_cast<WPARAM>(command.nCode);
    switch (command.eAction) {
        case Action::Down:
            ::PostMessageW(hWnd, WM_KEYDOWN, wCode, 1);
            break;
        case Action::Up:
            ::PostMessageW(hWnd, WM_KEYUP, wCode, 0xC0000001);
            break;
        case Action::Press:
            ::PostMessageW(hWnd, WM_CHAR, wCode, 1);
            break;
        case Action::Stroke: {
            ::PostMessageW(hWnd, WM_KEYDOWN, wCode, 1);
            const int nCharacter = CharacterOfKey(command.nCode, command.nModifiers);
            if (nCharacter != 0) ::PostMessageW(hWnd, WM_CHAR, static_cast<WPARAM>(nCharacter), 1);
            ::PostMessageW(hWnd, WM_KEYUP, wCode, 0xC0000001);
            break;
        }
    }
}

void ScriptRunner::Run(const qvhost::FocusCommand& command) {
    if (!command.sName) {
        ::SetFocus(m_form.Window());
        return;
    }
    FocusOn(Control(*command.sName).Window());
}

}  // namespace qv::container
