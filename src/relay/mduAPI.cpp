#include "relay/mduAPI.h"

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

LRESULT RelayWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(PreviousProcedure(hWnd), hWnd, uMsg, wParam, lParam);
}

Integer LoWord(Long nValue) {
    return static_cast<Integer>(nValue & 0xFFFF);
}

Integer HiWord(Long nValue) {
    return static_cast<Integer>((static_cast<std::uint32_t>(nValue) >> 16) & 0xFFFF);
}

}  // namespace qv
