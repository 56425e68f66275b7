#include "com/server/WindowlessSite.h"

#include "com/server/Module.h"
#include "platform/windows/SystemApi.h"

namespace qv::com {

namespace {

constexpr char kWindowClass[] = "QV_ColorListBoxWindow";
bool g_bClassRegistered = false;

::HWND Wnd(win32::HWND hWnd) {
    return windows::ToReal<::HWND>(hWnd);
}

LRESULT CALLBACK SiteWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_NCCREATE) {
        const auto* pCreate = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(pCreate->lpCreateParams));
    }
    auto* pSite = reinterpret_cast<WindowlessSite*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    win32::LRESULT nResult = 0;
    if (pSite && pSite->HandleMessage(uMsg, wParam, lParam, nResult)) return nResult;
    return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// The window keeps one device context for its whole life (the control's hDC) and paints
// all of its client area itself, so there is no background erase.
bool RegisterWindowClass() {
    WNDCLASSA wc{};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = SiteWindowProc;
    wc.hInstance = Module::Instance();
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    return ::RegisterClassA(&wc) != 0;
}

}  // namespace

void WindowlessSite::UnregisterWindowClass() {
    if (g_bClassRegistered) ::UnregisterClassA(kWindowClass, Module::Instance());
    g_bClassRegistered = false;
}

WindowlessSite::WindowlessSite(ComContainer& container)
    : WindowSite(container), m_container(container) {
    if (!g_bClassRegistered) g_bClassRegistered = RegisterWindowClass();
    ::HWND hWnd = ::CreateWindowExA(0, kWindowClass, "", WS_POPUP | WS_CLIPSIBLINGS, 0, 0, m_nWidth,
                                    m_nHeight, HWND_MESSAGE, nullptr, Module::Instance(), this);
    AdoptWindow(windows::ToOurs<win32::HWND>(hWnd));
}

void WindowlessSite::MoveOuter(int nWidth, int nHeight) {
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    ::SetWindowPos(Wnd(hWnd()), nullptr, 0, 0, nWidth, nHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowlessSite::PlaceIn(win32::HWND hParent, int nX, int nY, int nWidth, int nHeight) {
    ::HWND hWnd = Wnd(this->hWnd());
    if (::GetParent(hWnd) != Wnd(hParent)) {
        ::SetWindowLongA(hWnd, GWL_STYLE,
                         (::GetWindowLongA(hWnd, GWL_STYLE) & ~WS_POPUP) | WS_CHILD);
        ::SetParent(hWnd, Wnd(hParent));
    }
    const bool bResized = nWidth != m_nWidth || nHeight != m_nHeight;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    ::SetWindowPos(hWnd, nullptr, nX, nY, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!m_bPlaced) ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    m_bPlaced = true;
    if (bResized) DeliverResize();
}

void WindowlessSite::Park() {
    if (!m_bPlaced) return;
    ::HWND hWnd = Wnd(this->hWnd());
    ::ShowWindow(hWnd, SW_HIDE);
    ::SetParent(hWnd, HWND_MESSAGE);
    ::SetWindowLongA(hWnd, GWL_STYLE, (::GetWindowLongA(hWnd, GWL_STYLE) & ~WS_CHILD) | WS_POPUP);
    m_bPlaced = false;
}

void WindowlessSite::PropertyChanged(std::string_view sPropertyName) {
    m_bDirty = true;
    if (m_pListener) m_pListener->OnPropertyChanged(sPropertyName);
}

}  // namespace qv::com
