#include "com/access/WindowHook.h"

#include <unordered_map>

namespace qv::com {

namespace {

struct Hook {
    IWindowMessageFilter* pFilter = nullptr;  // nullptr: only passing messages on
    WNDPROC pPrevious = nullptr;
};

// Looked up in the process rather than through window properties: every message of the
// window passes here.
std::unordered_map<HWND, Hook>& Hooks() {
    static thread_local std::unordered_map<HWND, Hook> hooks;
    return hooks;
}

LRESULT CALLBACK HookProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto it = Hooks().find(hWnd);
    if (it == Hooks().end()) return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    const Hook hook = it->second;
    LRESULT lResult = 0;
    if (hook.pFilter && hook.pFilter->FilterMessage(uMsg, wParam, lParam, lResult)) return lResult;
    if (uMsg == WM_NCDESTROY) {
        if (hook.pFilter) hook.pFilter->OnWindowGone();
        Hooks().erase(hWnd);
    }
    return ::CallWindowProcA(hook.pPrevious, hWnd, uMsg, wParam, lParam);
}

}  // namespace

void HookWindow(HWND hWnd, IWindowMessageFilter& filter) {
    auto it = Hooks().find(hWnd);
    if (it != Hooks().end()) {
        it->second.pFilter = &filter;
        return;
    }
    const LONG_PTR nPrevious =
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc));
    if (nPrevious == 0) return;  // no such window
    Hooks()[hWnd] = Hook{&filter, reinterpret_cast<WNDPROC>(nPrevious)};
}

void UnhookWindow(HWND hWnd) {
    auto it = Hooks().find(hWnd);
    if (it == Hooks().end()) return;
    const auto nOurs = reinterpret_cast<LONG_PTR>(&HookProc);
    if (::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) != nOurs) {
        it->second.pFilter = nullptr;
        return;
    }
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.pPrevious));
    Hooks().erase(it);
}

}  // namespace qv::com
