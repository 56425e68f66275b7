// The window half of the Win32-shaped operations, acting on the window system of the
// thread that holds the window.
#include "platform/soft/user/WindowSystem.h"
#include "platform/win32/User.h"

namespace qv::win32 {

using soft::Window;
using soft::WindowSystem;

namespace {
Window* FindWindow(HWND hWnd) {
    WindowSystem* pWindows = soft::WindowSystemOf(hWnd);
    return pWindows ? pWindows->Find(hWnd) : nullptr;
}
}  // namespace

BOOL InvalidateRect(HWND hWnd, const RECT* /*pRect*/, BOOL /*bErase*/) {
    // The whole window is repainted whatever part was invalidated.
    if (!FindWindow(hWnd)) return FALSE;
    soft::WindowSystemOf(hWnd)->Invalidate(hWnd);
    return TRUE;
}

LONG_PTR GetWindowLongA(HWND hWnd, int nIndex) {
    Window* pWindow = FindWindow(hWnd);
    if (!pWindow || nIndex != GWL_WNDPROC) return 0;
    return reinterpret_cast<LONG_PTR>(pWindow->pfnProc);
}

LONG_PTR SetWindowLongA(HWND hWnd, int nIndex, LONG_PTR nNewLong) {
    Window* pWindow = FindWindow(hWnd);
    if (!pWindow || nIndex != GWL_WNDPROC) return 0;
    const LONG_PTR nPrevious = reinterpret_cast<LONG_PTR>(pWindow->pfnProc);
    pWindow->pfnProc = reinterpret_cast<WNDPROC>(nNewLong);
    return nPrevious;
}

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (!lpPrevWndFunc) return 0;
    return lpPrevWndFunc(hWnd, uMsg, wParam, lParam);
}

}  // namespace qv::win32
