// The window's own scroll bars. Only the vertical bar exists; requests for the
// horizontal one fail.
#include <algorithm>

#include "platform/soft/user/WindowSystem.h"
#include "platform/win32/User.h"

namespace qv::win32 {

using soft::ScrollBarState;
using soft::WindowSystem;

namespace {

ScrollBarState* FindBar(HWND hWnd, int nBar) {
    WindowSystem* pWindows = soft::WindowSystemOf(hWnd);
    soft::Window* pWindow = pWindows ? pWindows->Find(hWnd) : nullptr;
    if (!pWindow || nBar != SB_VERT) return nullptr;
    return &pWindow->vertical;
}

// The position stays within the range, and within the last page when there is one.
void ClampPosition(ScrollBarState& bar) {
    bar.nPos = std::clamp(bar.nPos, bar.nMin, soft::HighestPosition(bar));
}

}  // namespace

// Showing a bar that is shown (or hiding a hidden one) leaves the window as it is.
BOOL ShowScrollBar(HWND hWnd, int nBar, BOOL bShow) {
    ScrollBarState* pBar = FindBar(hWnd, nBar);
    if (!pBar) return FALSE;
    if (pBar->bVisible == (bShow != FALSE)) return TRUE;
    pBar->bVisible = bShow != FALSE;
    WindowSystem* pWindows = soft::WindowSystemOf(hWnd);
    pWindows->ClientAreaChanged(hWnd);
    pWindows->Invalidate(hWnd);
    return TRUE;
}

BOOL SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL /*bRedraw*/) {
    ScrollBarState* pBar = FindBar(hWnd, nBar);
    if (!pBar || nMinPos > nMaxPos) return FALSE;
    pBar->nMin = nMinPos;
    pBar->nMax = nMaxPos;
    ClampPosition(*pBar);
    return TRUE;
}

int SetScrollInfo(HWND hWnd, int nBar, const SCROLLINFO* pInfo, BOOL /*bRedraw*/) {
    ScrollBarState* pBar = FindBar(hWnd, nBar);
    if (!pBar || !pInfo) return 0;
    if (pInfo->fMask & SIF_RANGE) {
        pBar->nMin = pInfo->nMin;
        pBar->nMax = std::max(pInfo->nMin, pInfo->nMax);
    }
    if (pInfo->fMask & SIF_PAGE) pBar->nPage = pInfo->nPage;
    if (pInfo->fMask & SIF_POS) pBar->nPos = pInfo->nPos;
    ClampPosition(*pBar);
    return pBar->nPos;
}

int SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL /*bRedraw*/) {
    ScrollBarState* pBar = FindBar(hWnd, nBar);
    if (!pBar) return 0;
    const int nPrevious = pBar->nPos;
    pBar->nPos = nPos;
    ClampPosition(*pBar);
    return nPrevious;
}

BOOL GetScrollRange(HWND hWnd, int nBar, int* pMinPos, int* pMaxPos) {
    ScrollBarState* pBar = FindBar(hWnd, nBar);
    if (!pBar || !pMinPos || !pMaxPos) return FALSE;
    *pMinPos = pBar->nMin;
    *pMaxPos = pBar->nMax;
    return TRUE;
}

int GetScrollPos(HWND hWnd, int nBar) {
    ScrollBarState* pBar = FindBar(hWnd, nBar);
    return pBar ? pBar->nPos : 0;
}

}  // namespace qv::win32
