#include "platform/windows/host/ControlSite.h"

#include "platform/host/SiteUnits.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/host/WindowClasses.h"

namespace qv::windows {

namespace {

::HWND Wnd(win32::HWND hWnd) {
    return ToReal<::HWND>(hWnd);
}

ControlSite* SiteOf(::HWND hWnd) {
    return reinterpret_cast<ControlSite*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
}

}  // namespace

LRESULT CALLBACK ControlWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_NCCREATE) {
        const auto* pCreate = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(pCreate->lpCreateParams));
    }
    ControlSite* pSite = SiteOf(hWnd);
    if (pSite && pSite->HandleMessage(uMsg, wParam, lParam)) return 0;
    return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

ControlSite::ControlSite(Form& form, int nX, int nY, int nWidth, int nHeight)
    : m_form(form), m_oFont(std::make_shared<host::StdFont>()) {
    ::HWND hWnd =
        ::CreateWindowExA(0, kControlClassName, "", WS_CHILD | WS_CLIPSIBLINGS, nX, nY, nWidth,
                          nHeight, Wnd(form.hWnd()), nullptr, ModuleInstance(), this);
    m_hWnd = ToOurs<win32::HWND>(hWnd);
    m_hDC = ToOurs<win32::HDC>(::GetDC(hWnd));
}

ControlSite::~ControlSite() {
    ::HWND hWnd = Wnd(m_hWnd);
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
    ::ReleaseDC(hWnd, ToReal<::HDC>(m_hDC));
    ::DestroyWindow(hWnd);
}

void ControlSite::Initialize() {
    if (m_pControl) m_pControl->UserControl_Initialize();
}

void ControlSite::InitProperties() {
    if (m_pControl) m_pControl->UserControl_InitProperties();
}

void ControlSite::ReadProperties(host::IPropertyBag& propBag) {
    if (m_pControl) m_pControl->UserControl_ReadProperties(propBag);
}

void ControlSite::WriteProperties(host::IPropertyBag& propBag) {
    if (m_pControl) m_pControl->UserControl_WriteProperties(propBag);
}

void ControlSite::Show() {
    ::ShowWindow(Wnd(m_hWnd), SW_SHOWNOACTIVATE);
}

void ControlSite::Terminate() {
    if (m_pControl) m_pControl->UserControl_Terminate();
    m_pControl = nullptr;
}

void ControlSite::ResizeOuter(int nWidth, int nHeight) {
    ::SetWindowPos(Wnd(m_hWnd), nullptr, 0, 0, nWidth, nHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pControl) m_pControl->UserControl_Resize();
}

float ControlSite::ScaleWidth() const {
    ::RECT rc{};
    ::GetClientRect(Wnd(m_hWnd), &rc);
    return static_cast<float>(rc.right);
}

float ControlSite::ScaleHeight() const {
    ::RECT rc{};
    ::GetClientRect(Wnd(m_hWnd), &rc);
    return static_cast<float>(rc.bottom);
}

float ControlSite::Height() const {
    ::RECT rc{};
    ::GetWindowRect(Wnd(m_hWnd), &rc);
    return static_cast<float>(rc.bottom - rc.top) * host::kTwipsPerPixel;
}

float ControlSite::ScaleX(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const {
    return host::ConvertScale(fValue, eFrom, eTo);
}

float ControlSite::ScaleY(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const {
    return host::ConvertScale(fValue, eFrom, eTo);
}

void ControlSite::SetAppearance(Integer nAppearance) {
    m_nAppearance = nAppearance;
    ApplyBorder();
}

void ControlSite::SetBorderStyle(Integer nBorderStyle) {
    m_nBorderStyle = nBorderStyle;
    ApplyBorder();
}

int ControlSite::BorderWidth() const {
    return host::BorderWidthOf(m_nAppearance, m_nBorderStyle);
}

// A three-dimensional border is the system's sunken client edge (2 pixels), a flat one
// its single line (1 pixel); the client area shrinks by as much.
void ControlSite::ApplyBorder() {
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

void ControlSite::SetEnabled(Boolean bEnabled) {
    m_bEnabled = bEnabled;
    ::EnableWindow(Wnd(m_hWnd), bEnabled.IsTrue());
}

void ControlSite::Refresh() {
    ::RedrawWindow(Wnd(m_hWnd), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void ControlSite::PropertyChanged(std::string_view sPropertyName) {
    if (IHostObserver* pObserver = m_form.Observer())
        pObserver->OnPropertyChanged(*this, sPropertyName);
}

}  // namespace qv::windows
