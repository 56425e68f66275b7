#pragma once

#include "platform/win32/Types.h"

namespace qv::qvhost {

// The vertical scroll bar of a window as the user sees it.
struct ScrollBarInfo {
    bool bVisible = false;
    int nMin = 0;
    int nMax = 0;
    int nPage = 0;
    int nPos = 0;
};

// The user's hand on a form's windows: mouse and keys at client coordinates of a control's
// window, the focus, the scroll bar, and the passing of time. Each window system has one.
class IUserInput {
  public:
    virtual ~IUserInput() = default;

    virtual void MouseButton(win32::HWND hWnd, int nX, int nY, int nButton, bool bDown,
                             int nModifiers) = 0;
    virtual void MouseMove(win32::HWND hWnd, int nX, int nY, int nModifiers) = 0;
    virtual void MouseWheel(win32::HWND hWnd, int nX, int nY, int nDelta) = 0;
    // A key message to the window with the focus, with the modifiers held from then on.
    virtual void Key(win32::UINT uMsg, int nCode, int nModifiers) = 0;
    virtual int ModifiersHeld() = 0;
    virtual win32::HWND Focus() = 0;
    virtual void SetFocus(win32::HWND hWnd) = 0;
    virtual ScrollBarInfo VerticalBar(win32::HWND hWnd) = 0;
    // WM_VSCROLL with the request and thumb position, sent to the window.
    virtual void Scroll(win32::HWND hWnd, int nRequest, int nThumbPos) = 0;
    // Lets the form's messages and timers run for that long.
    virtual void Wait(unsigned nMilliseconds) = 0;
};

}  // namespace qv::qvhost
