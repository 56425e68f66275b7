#include "com/access/WindowHook.h"

#include <unordered_map>

#include "platform/PerThread.h"

namespace qv::com {

namespace {

struct Hook {
    IWindowMessageFilter* pFilter = nullptr;  // nullptr: only passing messages on
    WNDPROC pPrevious = nullptr;
};

// Looked up in the process rather than through window properties: every message of the
// window passes here.
thread_local PerThread<std::unordered_map<HWND, Hook>> t_hooks;

Hook* FindHook(HWND hWnd) {
    auto* pHooks = t_hooks.Find();
    if (!pHooks) return nullptr;
    auto it = pHooks->find(hWnd);
    return it == pHooks->end() ? nullptr : &it->second;
}

void Forget(HWND hWnd) {
    t_hooks.Get().erase(hWnd);
    t_hooks.FreeIfEmpty();
}

LRESULT CALLBACK HookProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const Hook* pHook = FindHook(hWnd);
    if (!pHook) return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
    const Hook hook = *pHook;
    LRESULT lResult = 0;
    if (hook.pFilter && hook.pFilter->FilterMessage(uMsg, wParam, lParam, lResult)) return lResult;
    if (uMsg == WM_NCDESTROY) {
        if (hook.pFilter) hook.pFilter->OnWindowGone();
        Forget(hWnd);
    }
    return ::CallWindowProcA(hook.pPrevious, hWnd, uMsg, wParam, lParam);
}

}  // namespace

void HookWindow(HWND hWnd, IWindowMessageFilter& filter) {
    if (Hook* pHook = FindHook(hWnd)) {
        pHook->pFilter = &filter;
        return;
    }
    const LONG_PTR nPrevious =
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc));
    if (nPrevious == 0) return;  // no such window
    t_hooks.Get()[hWnd] = Hook{&filter, reinterpret_cast<WNDPROC>(nPrevious)};
}

void UnhookWindow(HWND hWnd) {
    Hook* pHook = FindHook(hWnd);
    if (!pHook) return;
    const auto nOurs = reinterpret_cast<LONG_PTR>(&HookProc);
    if (::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) != nOurs) {
        pHook->pFilter = nullptr;
        return;
    }
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pHook->pPrevious));
    Forget(hWnd);
}

}  // namespace qv::com
