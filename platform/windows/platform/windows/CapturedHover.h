#pragma once

#include "platform/windows/SystemApi.h"

namespace qv::windows {

// Hover tracking for a window that holds the mouse capture. While a window has the
// capture it receives all mouse input wherever the cursor is, and its hover request is
// answered the same way: one WM_MOUSEHOVER once the cursor has rested within the hover
// rectangle for the hover time, inside the window or outside it. The system's own
// tracking (Wine's) follows the window under the cursor and forgets the request when the
// cursor is elsewhere, so these requests are served here, on the runtime's clock
// (RuntimeClock.h). The cursor is looked at every 10 ms of that clock: after a move, the
// rest starts again at most that late.

// Takes hWnd's request (dwHoverTime in milliseconds, or HOVER_DEFAULT for the system's
// hover time), replacing one it had. False when no alarm could be set.
bool TrackHoverWithCapture(::HWND hWnd, DWORD dwHoverTime);

// Drops hWnd's waiting request, if it has one.
void CancelHoverWithCapture(::HWND hWnd);

}  // namespace qv::windows
