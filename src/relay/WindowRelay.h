#pragma once

#include <memory>

#include "platform/win32/Types.h"
#include "relay/RelayEvents.h"

namespace qv {

// Subclassing of control windows: the relay's window procedure sits in front of each
// hooked window's own procedure and turns some of its messages into clsEvents events.

// Hooks one window; makes sure the thread's relay object exists.
void HookWindow(win32::HWND hWnd);
// Puts the window's own procedure back.
void UnhookWindow(win32::HWND hWnd);

// The relay object of this thread while any of its windows is hooked (none otherwise).
std::shared_ptr<clsEvents> RelayEvents();

win32::LRESULT RelayWindowProc(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                               win32::LPARAM lParam);

// The low and high 16 bits of a 32-bit value, as signed numbers.
Integer LoWord(Long nValue);
Integer HiWord(Long nValue);

}  // namespace qv
