#include "platform/windows/pages/PageWindow.h"

#include "platform/windows/pages/PageHost.h"

namespace qv::windows {

namespace {

constexpr wchar_t kPageClassName[] = L"QvPropertyPage";
constexpr UINT kRestoreFocus = WM_APP + 1;

LRESULT CALLBACK PageWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_NCCREATE) {
        const auto* pCreate = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(pCreate->lpCreateParams));
    }
    auto* pHost = reinterpret_cast<PageHost*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    switch (uMsg) {
        case WM_COMMAND:
            if (pHost && lParam != 0) pHost->Command(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case kRestoreFocus:
            if (::IsChild(hWnd, reinterpret_cast<HWND>(lParam)))
                ::SetFocus(reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_DESTROY:
            ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

ATOM RegisterPageClass() {
    WNDCLASSW pageClass{};
    pageClass.lpfnWndProc = PageWindowProc;
    pageClass.hInstance = PageModule();
    pageClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    pageClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    pageClass.lpszClassName = kPageClassName;
    return ::RegisterClassW(&pageClass);
}

}  // namespace

HINSTANCE PageModule() {
    static const HINSTANCE hModule = [] {
        HMODULE hOwn = nullptr;
        ::GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&PageWindowProc), &hOwn);
        return hOwn;
    }();
    return hModule;
}

// The class is registered again after a library unload took it away.
HWND CreatePageWindow(PageHost& host) {
    WNDCLASSW existing{};
    if (!::GetClassInfoW(PageModule(), kPageClassName, &existing)) RegisterPageClass();
    return ::CreateWindowExW(WS_EX_CONTROLPARENT, kPageClassName, L"",
                             WS_POPUP | WS_CLIPSIBLINGS, 0, 0, 0, 0, nullptr,
                             nullptr, PageModule(), &host);
}

void RestoreFocusLater(HWND hPage, HWND hControl) {
    ::PostMessageW(hPage, kRestoreFocus, 0, reinterpret_cast<LPARAM>(hControl));
}

void UnregisterPageWindowClass() {
    ::UnregisterClassW(kPageClassName, PageModule());
}

}  // namespace qv::windows
