#pragma once

#include "platform/win32/Types.h"

// Window, scroll-bar and system operations the control calls, with their Win32 names and
// meanings. Results follow the platform's conventions: a call with an invalid window
// handle fails with the platform's failure value and changes nothing.
namespace qv::win32 {

BOOL InvalidateRect(HWND hWnd, const RECT* pRect, BOOL bErase);

// GWL_WNDPROC reads or replaces the window procedure; the previous value is returned.
LONG_PTR GetWindowLongA(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongA(HWND hWnd, int nIndex, LONG_PTR nNewLong);
LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

BOOL ShowScrollBar(HWND hWnd, int nBar, BOOL bShow);
BOOL SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw);
int SetScrollInfo(HWND hWnd, int nBar, const SCROLLINFO* pInfo, BOOL bRedraw);
int SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw);
BOOL GetScrollRange(HWND hWnd, int nBar, int* pMinPos, int* pMaxPos);
int GetScrollPos(HWND hWnd, int nBar);

// Asks for one WM_MOUSEHOVER after the pointer has rested for the hover time (TME_HOVER),
// or cancels that request (TME_CANCEL).
BOOL TrackMouseEvent(TRACKMOUSEEVENT* pEventTrack);

DWORD GetSysColor(int nIndex);

// The system ANSI code page that text output uses.
UINT GetACP();

}  // namespace qv::win32
