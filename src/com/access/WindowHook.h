#pragma once

#include <windows.h>

namespace qv::com {

// Sees a window's messages before the window's own procedure does.
class IWindowMessageFilter {
  public:
    // True when the message is answered (with lResult) and goes no further.
    virtual bool FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) = 0;
    // The window is being destroyed; no message comes any more.
    virtual void OnWindowGone() = 0;

  protected:
    ~IWindowMessageFilter() = default;
};

// Puts a filter in front of a window's procedure through SetWindowLongPtr, handing every
// other message to the procedure it replaced with CallWindowProc. Unhooking restores that
// procedure when ours is still the window's; when another subclass came after ours, ours
// stays in the chain and only passes messages on (taking it out would cut the later one
// off), and a later HookWindow on the same window uses it again. One thread's windows only.
void HookWindow(HWND hWnd, IWindowMessageFilter& filter);
void UnhookWindow(HWND hWnd);

}  // namespace qv::com
