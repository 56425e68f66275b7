#include "com/server/WindowlessSite.h"

#include "com/server/Module.h"
#include "platform/host/SiteUnits.h"
#include "platform/windows/GdiObjectCount.h"
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

WindowlessSite::WindowlessSite() {
    if (!g_bClassRegistered) g_bClassRegistered = RegisterWindowClass();
    ::HWND hWnd = ::CreateWindowExA(0, kWindowClass, "", WS_POPUP | WS_CLIPSIBLINGS, 0, 0, m_nWidth,
                                    m_nHeight, HWND_MESSAGE, nullptr, Module::Instance(), this);
    m_hWnd = windows::ToOurs<win32::HWND>(hWnd);
    m_hDC = windows::ToOurs<win32::HDC>(windows::CountCreated(::GetDC(hWnd)));
}

WindowlessSite::~WindowlessSite() {
    ::HWND hWnd = Wnd(m_hWnd);
    if (!hWnd) return;
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
    windows::CountDeleted(::ReleaseDC(hWnd, windows::ToReal<::HDC>(m_hDC)));
    ::DestroyWindow(hWnd);
}

void WindowlessSite::SetExtent(int nWidth, int nHeight) {
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    ::SetWindowPos(Wnd(m_hWnd), nullptr, 0, 0, nWidth, nHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pControl) m_pControl->UserControl_Resize();
}

void WindowlessSite::PlaceIn(win32::HWND hParent, int nX, int nY, int nWidth, int nHeight) {
    ::HWND hWnd = Wnd(m_hWnd);
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
    if (bResized && m_pControl) m_pControl->UserControl_Resize();
}

void WindowlessSite::Park() {
    if (!m_bPlaced) return;
    ::HWND hWnd = Wnd(m_hWnd);
    ::ShowWindow(hWnd, SW_HIDE);
    ::SetParent(hWnd, HWND_MESSAGE);
    ::SetWindowLongA(hWnd, GWL_STYLE, (::GetWindowLongA(hWnd, GWL_STYLE) & ~WS_CHILD) | WS_POPUP);
    m_bPlaced = false;
}

float WindowlessSite::ScaleWidth() const {
    ::RECT rc{};
    ::GetClientRect(Wnd(m_hWnd), &rc);
    return static_cast<float>(rc.right);
}

float WindowlessSite::ScaleHeight() const {
    ::RECT rc{};
    ::GetClientRect(Wnd(m_hWnd), &rc);
    return static_cast<float>(rc.bottom);
}

float WindowlessSite::Height() const {
    return static_cast<float>(m_nHeight) * host::kTwipsPerPixel;
}

float WindowlessSite::ScaleX(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const {
    return host::ConvertScale(fValue, eFrom, eTo);
}

float WindowlessSite::ScaleY(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const {
    return host::ConvertScale(fValue, eFrom, eTo);
}

void WindowlessSite::SetAppearance(Integer nAppearance) {
    m_nAppearance = nAppearance;
    ApplyBorder();
}

void WindowlessSite::SetBorderStyle(Integer nBorderStyle) {
    m_nBorderStyle = nBorderStyle;
    ApplyBorder();
}

int WindowlessSite::BorderWidth() const {
    return host::BorderWidthOf(m_nAppearance, m_nBorderStyle);
}

// A three-dimensional border is the system's sunken client edge (2 pixels), a flat one its
// single line (1 pixel); the client area shrinks by as much.
void WindowlessSite::ApplyBorder() {
    ::HWND hWnd = Wnd(m_hWnd);
    LONG nStyle = ::GetWindowLongA(hWnd, GWL_STYLE) & ~WS_BORDER;
    LONG nExStyle = ::GetWindowLongA(hWnd, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE;
    if (BorderWidth() == 1) nStyle |= WS_BORDER;
    if (BorderWidth() == 2) nExStyle |= WS_EX_CLIENTEDGE;
    ::SetWindowLongA(hWnd, GWL_STYLE, nStyle);
    ::SetWindowLongA(hWnd, GWL_EXSTYLE, nExStyle);
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ::InvalidateRect(hWnd, nullptr, FALSE);
}

void WindowlessSite::SetEnabled(Boolean bEnabled) {
    m_bEnabled = bEnabled;
    ::EnableWindow(Wnd(m_hWnd), bEnabled.IsTrue());
}

void WindowlessSite::Refresh() {
    ::RedrawWindow(Wnd(m_hWnd), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void WindowlessSite::PropertyChanged(std::string_view sPropertyName) {
    m_bDirty = true;
    if (m_pListener) m_pListener->OnPropertyChanged(sPropertyName);
}

}  // namespace qv::com
