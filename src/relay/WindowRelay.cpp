#include "relay/WindowRelay.h"

#include <map>

#include "platform/win32/User.h"

namespace qv {

using namespace win32;

namespace {

thread_local std::shared_ptr<clsEvents> g_oEvents;
// Each hooked window keeps its own previous procedure, so windows that had different
// procedures before hooking are all forwarded correctly.
thread_local std::map<std::uint32_t, LONG_PTR> g_prevWndProcs;

WNDPROC PreviousProcedure(HWND hWnd) {
    auto it = g_prevWndProcs.find(HandleValue(hWnd));
    return it == g_prevWndProcs.end() ? nullptr : reinterpret_cast<WNDPROC>(it->second);
}

}  // namespace

void HookWindow(HWND hWnd) {
    if (!g_oEvents) g_oEvents = std::make_shared<clsEvents>();
    g_prevWndProcs[HandleValue(hWnd)] = GetWindowLongA(hWnd, GWL_WNDPROC);
    SetWindowLongA(hWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&RelayWindowProc));
}

void UnhookWindow(HWND hWnd) {
    auto it = g_prevWndProcs.find(HandleValue(hWnd));
    if (it == g_prevWndProcs.end()) return;
    SetWindowLongA(hWnd, GWL_WNDPROC, it->second);
    g_prevWndProcs.erase(it);
}

std::shared_ptr<clsEvents> RelayEvents() {
    return g_oEvents;
}

namespace {

// The new position a scroll request asks for, or no relay when it names no other
// position within the bar's range.
void RelayScrollStep(HWND hWnd, int nBar, WPARAM wParam) {
    int nMin = 0;
    int nMax = 0;
    GetScrollRange(hWnd, nBar, &nMin, &nMax);
    const Long nPos = GetScrollPos(hWnd, nBar);
    const Long nParam = static_cast<Long>(wParam);
    Long nNew = -1;
    switch (LoWord(nParam)) {
        case SB_LINEUP:
        case SB_PAGEUP:
            nNew = nPos - 1;
            break;
        case SB_LINEDOWN:
        case SB_PAGEDOWN:
            nNew = nPos + 1;
            break;
        case SB_THUMBPOSITION:
            nNew = HiWord(nParam);
            break;
        case SB_TOP:
            nNew = nMin;
            break;
        case SB_BOTTOM:
            nNew = nMax;
            break;
        default:
            return;
    }
    if (nNew == -1 || nNew == nPos || nNew < nMin || nNew > nMax) return;
    const Long hWindow = static_cast<Long>(HandleValue(hWnd));
    if (nBar == SB_VERT) {
        g_oEvents->ChangedVScroll(hWindow, nNew);
    } else {
        g_oEvents->ChangedHScroll(hWindow, nNew);
    }
}

void Relay(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (!g_oEvents) return;
    Long hWindow = static_cast<Long>(HandleValue(hWnd));
    Long nWParam = static_cast<Long>(wParam);
    const Long nLParam = static_cast<Long>(lParam);
    switch (uMsg) {
        case WM_ACTIVATE:
            if (LoWord(nWParam) == static_cast<Long>(WA_INACTIVE)) g_oEvents->Inactive(hWindow);
            break;
        case WM_SETFOCUS:
            g_oEvents->SetFocus(hWindow, nWParam);
            break;
        case WM_KILLFOCUS:
            g_oEvents->KillFocus(hWindow, nWParam);
            break;
        case WM_HSCROLL:
            RelayScrollStep(hWnd, SB_HORZ, wParam);
            break;
        case WM_VSCROLL:
            RelayScrollStep(hWnd, SB_VERT, wParam);
            break;
        case WM_LBUTTONDOWN:
            g_oEvents->LButtonDown(hWindow, nWParam, LoWord(nLParam), HiWord(nLParam));
            break;
        case WM_MOUSEWHEEL:
            g_oEvents->ChangedMouseWheel(hWindow, HiWord(nWParam), LoWord(nLParam),
                                         HiWord(nLParam));
            break;
        case WM_MOUSEHOVER:
            g_oEvents->ChangedMouseHover(hWindow);
            break;
        case WM_MOUSELEAVE:
            g_oEvents->ChangedMouseLeave(hWindow);
            break;
        default:
            break;
    }
}

}  // namespace

// Relays, then hands every message on to the window's own procedure, whose result it
// returns: no message is swallowed.
LRESULT RelayWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    Relay(hWnd, uMsg, wParam, lParam);
    return CallWindowProcA(PreviousProcedure(hWnd), hWnd, uMsg, wParam, lParam);
}

Integer LoWord(Long nValue) {
    return static_cast<Integer>(nValue & 0xFFFF);
}

Integer HiWord(Long nValue) {
    return static_cast<Integer>((static_cast<std::uint32_t>(nValue) >> 16) & 0xFFFF);
}

}  // namespace qv
