#include "relay/WindowRelay.h"

#include <map>

#include "platform/PerThread.h"
#include "platform/win32/User.h"

namespace qv {

using namespace win32;

namespace {

// The relay object lives while a window of the thread is hooked; its users hold their own
// references.
thread_local PerThread<std::shared_ptr<clsEvents>> g_oEvents;
// Each hooked window keeps its own previous procedure, so windows that had different
// procedures before hooking are all forwarded correctly.
thread_local PerThread<std::map<std::uint32_t, LONG_PTR>> g_prevWndProcs;

WNDPROC PreviousProcedure(HWND hWnd) {
    const auto* pProcs = g_prevWndProcs.Find();
    if (!pProcs) return nullptr;
    auto it = pProcs->find(HandleValue(hWnd));
    return it == pProcs->end() ? nullptr : reinterpret_cast<WNDPROC>(it->second);
}

}  // namespace

void HookWindow(HWND hWnd) {
    std::shared_ptr<clsEvents>& oEvents = g_oEvents.Get();
    if (!oEvents) oEvents = std::make_shared<clsEvents>();
    g_prevWndProcs.Get()[HandleValue(hWnd)] = GetWindowLongA(hWnd, GWL_WNDPROC);
    SetWindowLongA(hWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&RelayWindowProc));
}

void UnhookWindow(HWND hWnd) {
    auto* pProcs = g_prevWndProcs.Find();
    if (!pProcs) return;
    auto it = pProcs->find(HandleValue(hWnd));
    if (it == pProcs->end()) return;
    SetWindowLongA(hWnd, GWL_WNDPROC, it->second);
    pProcs->erase(it);
    if (!pProcs->empty()) return;
    g_prevWndProcs.Free();
    g_oEvents.Free();
}

std::shared_ptr<clsEvents> RelayEvents() {
    const auto* pEvents = g_oEvents.Find();
    return pEvents ? *pEvents : nullptr;
}

namespace {

// The new position a scroll request asks for, or no relay when it names no other
// position within the bar's range.
void RelayScrollStep(clsEvents& events, HWND hWnd, int nBar, WPARAM wParam) {
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
        events.ChangedVScroll(hWindow, nNew);
    } else {
        events.ChangedHScroll(hWindow, nNew);
    }
}

void Relay(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // Held for the relay: a handler may destroy the last hooked window.
    const std::shared_ptr<clsEvents> oEvents = RelayEvents();
    if (!oEvents) return;
    Long hWindow = static_cast<Long>(HandleValue(hWnd));
    Long nWParam = static_cast<Long>(wParam);
    const Long nLParam = static_cast<Long>(lParam);
    switch (uMsg) {
        case WM_ACTIVATE:
            if (LoWord(nWParam) == static_cast<Long>(WA_INACTIVE)) oEvents->Inactive(hWindow);
            break;
        case WM_SETFOCUS:
            oEvents->SetFocus(hWindow, nWParam);
            break;
        case WM_KILLFOCUS:
            oEvents->KillFocus(hWindow, nWParam);
            break;
        case WM_HSCROLL:
            RelayScrollStep(*oEvents, hWnd, SB_HORZ, wParam);
            break;
        case WM_VSCROLL:
            RelayScrollStep(*oEvents, hWnd, SB_VERT, wParam);
            break;
        case WM_LBUTTONDOWN:
            oEvents->LButtonDown(hWindow, nWParam, LoWord(nLParam), HiWord(nLParam));
            break;
        case WM_MOUSEWHEEL:
            oEvents->ChangedMouseWheel(hWindow, HiWord(nWParam), LoWord(nLParam),
                                         HiWord(nLParam));
            break;
        case WM_MOUSEHOVER:
            oEvents->ChangedMouseHover(hWindow);
            break;
        case WM_MOUSELEAVE:
            oEvents->ChangedMouseLeave(hWindow);
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
