#pragma once

#include <functional>

#include "qvhost/UserInput.h"

namespace qv::qvhost {

// The user's hand on the system's windows. Mouse messages are posted to the window under
// the point (or the one with the capture) and delivered when the owner's message loop runs
// after the command; the cursor is moved to each point first, as the system's hover and
// leave tracking follow the cursor, not the messages. The modifier keys are set in the
// thread's keyboard state, where the receiving window reads them.
class WindowsUserInput : public IUserInput {
  public:
    // How keys reach the window with the focus. A loop that translates what it delivers
    // would add the characters of the desktop's keyboard layout to posted keys, so such a
    // loop's keys are sent; a container's loop offers keys to the active object first and
    // translates none, so there they are posted.
    enum class KeyRoute { Send, Post };
    // fnPumpFor lets the owner's loop run for that many milliseconds.
    WindowsUserInput(win32::HWND hForm, KeyRoute eKeyRoute,
                     std::function<void(unsigned)> fnPumpFor);

    void MouseButton(win32::HWND hWnd, int nX, int nY, int nButton, bool bDown,
                     int nModifiers) override;
    void MouseMove(win32::HWND hWnd, int nX, int nY, int nModifiers) override;
    void MouseWheel(win32::HWND hWnd, int nX, int nY, int nDelta) override;
    void Key(win32::UINT uMsg, int nCode, int nModifiers) override;
    int ModifiersHeld() override { return m_nModifiers; }
    win32::HWND Focus() override;
    void SetFocus(win32::HWND hWnd) override;
    ScrollBarInfo VerticalBar(win32::HWND hWnd) override;
    void Scroll(win32::HWND hWnd, int nRequest, int nThumbPos) override;
    void Wait(unsigned nMilliseconds) override { m_fnPumpFor(nMilliseconds); }

  private:
    void PostMouse(win32::HWND hWnd, int nX, int nY, win32::UINT uMsg);
    win32::WPARAM MouseKeys() const;
    void SetModifiers(int nModifiers);

    win32::HWND m_hForm;
    KeyRoute m_eKeyRoute;
    std::function<void(unsigned)> m_fnPumpFor;
    int m_nModifiers = 0;
    int m_nButtons = 0;
};

}  // namespace qv::qvhost
