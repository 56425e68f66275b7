// The window operations of the contract over the system's USER. Window procedures of the
// contract are plain functions on our handle type; a window they subclass gets one system
// procedure (RelayTrampoline) that hands each message to the contract procedure installed
// for it, and the procedure it replaced is called back through the system.
#include <map>
#include <set>

#include "platform/win32/User.h"

namespace {
// The system headers name the same index as a macro (and not at all for 64-bit builds).
constexpr int kWndProcIndex = qv::win32::GWL_WNDPROC;
}  // namespace

#include "platform/windows/CapturedHover.h"
#include "platform/windows/SystemApi.h"

namespace qv::win32 {

using windows::ToOurs;
using windows::ToReal;

namespace {

::HWND Wnd(HWND hWnd) {
    return ToReal<::HWND>(hWnd);
}

// Per window: the contract procedure now in front, and the system procedure behind it.
struct Subclass {
    WNDPROC pfnOurs = nullptr;
    LONG_PTR nSystemProc = 0;
};

std::map<std::uint32_t, Subclass>& Subclasses() {
    static std::map<std::uint32_t, Subclass> subclasses;
    return subclasses;
}

// Values GetWindowLongA handed out that are system procedures, so that putting one back
// or calling it goes through the system.
std::set<LONG_PTR>& SystemProcs() {
    static std::set<LONG_PTR> procs;
    return procs;
}

LRESULT CALLBACK RelayTrampoline(::HWND hWnd, ::UINT uMsg, ::WPARAM wParam, ::LPARAM lParam) {
    const auto it = Subclasses().find(HandleValue(ToOurs<HWND>(hWnd)));
    if (it == Subclasses().end()) return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    return it->second.pfnOurs(ToOurs<HWND>(hWnd), uMsg, wParam, lParam);
}

LONG_PTR RestoreSystemProc(HWND hWnd, LONG_PTR nSystemProc) {
    const auto it = Subclasses().find(HandleValue(hWnd));
    const LONG_PTR nPrevious = reinterpret_cast<LONG_PTR>(it->second.pfnOurs);
    ::SetWindowLongPtrA(Wnd(hWnd), GWLP_WNDPROC, nSystemProc);
    Subclasses().erase(it);
    return nPrevious;
}

}  // namespace

BOOL InvalidateRect(HWND hWnd, const RECT* pRect, BOOL bErase) {
    if (!pRect) return ::InvalidateRect(Wnd(hWnd), nullptr, bErase);
    const ::RECT rect{pRect->left, pRect->top, pRect->right, pRect->bottom};
    return ::InvalidateRect(Wnd(hWnd), &rect, bErase);
}

LONG_PTR GetWindowLongA(HWND hWnd, int nIndex) {
    if (nIndex != kWndProcIndex) return ::GetWindowLongA(Wnd(hWnd), nIndex);
    const auto it = Subclasses().find(HandleValue(hWnd));
    if (it != Subclasses().end()) return reinterpret_cast<LONG_PTR>(it->second.pfnOurs);
    const LONG_PTR nProc = ::GetWindowLongPtrA(Wnd(hWnd), GWLP_WNDPROC);
    if (nProc) SystemProcs().insert(nProc);
    return nProc;
}

LONG_PTR SetWindowLongA(HWND hWnd, int nIndex, LONG_PTR nNewLong) {
    if (nIndex != kWndProcIndex)
        return ::SetWindowLongA(Wnd(hWnd), nIndex, static_cast<LONG>(nNewLong));
    if (!::IsWindow(Wnd(hWnd))) return 0;
    const auto it = Subclasses().find(HandleValue(hWnd));
    if (SystemProcs().count(nNewLong)) {
        if (it != Subclasses().end()) return RestoreSystemProc(hWnd, nNewLong);
        return ::SetWindowLongPtrA(Wnd(hWnd), GWLP_WNDPROC, nNewLong);
    }
    const LONG_PTR nPrevious = GetWindowLongA(hWnd, kWndProcIndex);
    Subclass& subclass = Subclasses()[HandleValue(hWnd)];
    if (it == Subclasses().end()) {
        subclass.nSystemProc = ::SetWindowLongPtrA(Wnd(hWnd), GWLP_WNDPROC,
                                                   reinterpret_cast<LONG_PTR>(&RelayTrampoline));
    }
    subclass.pfnOurs = reinterpret_cast<WNDPROC>(nNewLong);
    return nPrevious;
}

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (!lpPrevWndFunc) return 0;
    const auto nProc = reinterpret_cast<LONG_PTR>(lpPrevWndFunc);
    if (SystemProcs().count(nProc))
        return ::CallWindowProcA(reinterpret_cast<::WNDPROC>(nProc), Wnd(hWnd), uMsg, wParam,
                                 lParam);
    return lpPrevWndFunc(hWnd, uMsg, wParam, lParam);
}

BOOL ShowScrollBar(HWND hWnd, int nBar, BOOL bShow) {
    return ::ShowScrollBar(Wnd(hWnd), nBar, bShow);
}

BOOL SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
    return ::SetScrollRange(Wnd(hWnd), nBar, nMinPos, nMaxPos, bRedraw);
}

int SetScrollInfo(HWND hWnd, int nBar, const SCROLLINFO* pInfo, BOOL bRedraw) {
    if (!pInfo) return 0;
    ::SCROLLINFO info{sizeof(::SCROLLINFO), pInfo->fMask, pInfo->nMin,     pInfo->nMax,
                      pInfo->nPage,         pInfo->nPos,  pInfo->nTrackPos};
    return ::SetScrollInfo(Wnd(hWnd), nBar, &info, bRedraw);
}

int SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw) {
    return ::SetScrollPos(Wnd(hWnd), nBar, nPos, bRedraw);
}

BOOL GetScrollRange(HWND hWnd, int nBar, int* pMinPos, int* pMaxPos) {
    return ::GetScrollRange(Wnd(hWnd), nBar, pMinPos, pMaxPos);
}

int GetScrollPos(HWND hWnd, int nBar) {
    return ::GetScrollPos(Wnd(hWnd), nBar);
}

// A hover request made while the window holds the capture is served by the runtime
// (CapturedHover.h); the system's own request for the window, if any, is dropped.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* pEventTrack) {
    if (!pEventTrack) return 0;
    ::HWND hWnd = Wnd(pEventTrack->hwndTrack);
    ::TRACKMOUSEEVENT track{sizeof(::TRACKMOUSEEVENT), pEventTrack->dwFlags, hWnd,
                            pEventTrack->dwHoverTime};
    if (!(track.dwFlags & TME_HOVER)) return ::TrackMouseEvent(&track);
    windows::CancelHoverWithCapture(hWnd);
    if ((track.dwFlags & TME_CANCEL) || ::GetCapture() != hWnd || !::IsWindow(hWnd))
        return ::TrackMouseEvent(&track);
    if (!windows::TrackHoverWithCapture(hWnd, track.dwHoverTime)) return 0;
    track.dwFlags |= TME_CANCEL;
    ::TrackMouseEvent(&track);
    return 1;
}

DWORD GetSysColor(int nIndex) {
    return ::GetSysColor(nIndex);
}

UINT GetACP() {
    return ::GetACP();
}

}  // namespace qv::win32
