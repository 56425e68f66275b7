#include "platform/soft/host/ControlSite.h"

#include <map>

#include "platform/host/SiteUnits.h"
#include "platform/soft/gdi/SoftGdi.h"
#include "platform/win32/Gdi.h"

namespace qv::soft {

using namespace win32;

namespace {

thread_local std::map<std::uint32_t, ControlSite*> t_sitesByWindow;

}  // namespace

ControlSite::ControlSite(Form& form, int nX, int nY, int nWidth, int nHeight)
    : m_form(form), m_oFont(std::make_shared<host::StdFont>()) {
    m_hWnd = form.Windows().CreateWindowAt(form.hWnd(), LimitWindowRect(nX, nY, nWidth, nHeight),
                                           SiteWindowProc);
    t_sitesByWindow[HandleValue(m_hWnd)] = this;
}

ControlSite::~ControlSite() {
    if (m_hDC != HDC{}) DeleteDC(m_hDC);
    t_sitesByWindow.erase(HandleValue(m_hWnd));
    m_form.Windows().DestroyWindow(m_hWnd);
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
    m_form.Windows().SetVisible(m_hWnd, true);
}

void ControlSite::Terminate() {
    if (m_pControl) m_pControl->UserControl_Terminate();
    m_pControl = nullptr;
}

void ControlSite::ResizeOuter(int nWidth, int nHeight) {
    const RECT rcOld = OwnWindow().rcOuter;
    m_form.Windows().MoveWindow(m_hWnd, LimitWindowRect(rcOld.left, rcOld.top, nWidth, nHeight));
    if (m_pControl) m_pControl->UserControl_Resize();
}

// A new context after every change of the client size, even one that came back, as the
// control may rely on a context not outliving its size.
HDC ControlSite::hDC() const {
    const ClientPixels& client = OwnWindow().pClient;
    const SurfaceRef& pSurface = client.Get();
    if (m_hDC == HDC{} || client.Generation() != m_nDCGeneration || pSurface != m_pDCSurface) {
        if (m_hDC != HDC{}) DeleteDC(m_hDC);
        m_hDC = CreateSurfaceDC(pSurface);
        m_pDCSurface = pSurface;
        m_nDCGeneration = client.Generation();
    }
    return m_hDC;
}

float ControlSite::ScaleWidth() const {
    return static_cast<float>(OwnWindow().ClientWidth());
}

float ControlSite::ScaleHeight() const {
    return static_cast<float>(OwnWindow().ClientHeight());
}

float ControlSite::Height() const {
    const RECT& rc = OwnWindow().rcOuter;
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

void ControlSite::Refresh() {
    m_form.Windows().Validate(m_hWnd);
    m_form.Windows().SendMessage(m_hWnd, WM_PAINT, 0, 0);
}

void ControlSite::PropertyChanged(std::string_view sPropertyName) {
    if (IHostObserver* pObserver = m_form.Observer())
        pObserver->OnPropertyChanged(*this, sPropertyName);
}

void ControlSite::ApplyBorder() {
    m_form.Windows().SetBorderWidth(m_hWnd, BorderWidth());
    m_form.Windows().Invalidate(m_hWnd);
}

const Window& ControlSite::OwnWindow() const {
    // The site owns its window for its whole life, so it is always there.
    return *m_form.Windows().Find(m_hWnd);
}

void ControlSite::SetEnabled(Boolean bEnabled) {
    m_bEnabled = bEnabled;
    m_form.Windows().EnableWindow(m_hWnd, bEnabled.IsTrue());
}

// A host error raised by the control out of a notification that the message loop
// delivered has no caller to go to: the host hears of it instead.
template <typename TCall>
void ControlSite::Notify(TCall&& call) {
    if (!m_pControl) return;
    IHostObserver* pObserver = m_form.Observer();
    try {
        call(*m_pControl);
    } catch (const HostError& error) {
        if (!pObserver) throw;
        pObserver->OnNotificationError(*this, error);
    }
}

void ControlSite::DeliverPaint() {
    if (!m_pControl) return;
    if (IHostObserver* pObserver = m_form.Observer()) pObserver->OnPaintDelivered(*this);
    Notify([](host::IUserControlEvents& control) { control.UserControl_Paint(); });
}

void ControlSite::DeliverButton(int nButton, bool bDown, LPARAM lParam) {
    const Integer nShift = static_cast<Integer>(m_form.Windows().Modifiers());
    const float fX = static_cast<float>(static_cast<std::int16_t>(lParam & 0xFFFF));
    const float fY = static_cast<float>(static_cast<std::int16_t>((lParam >> 16) & 0xFFFF));
    const Integer nButtonArg = static_cast<Integer>(nButton);
    if (bDown) {
        if (nButton == kLeftButton) m_bLeftPressedHere = true;
        Notify([&](auto& control) { control.UserControl_MouseDown(nButtonArg, nShift, fX, fY); });
        return;
    }
    Notify([&](auto& control) { control.UserControl_MouseUp(nButtonArg, nShift, fX, fY); });
    const bool bClick = nButton == kLeftButton && m_bLeftPressedHere && fX >= 0 && fY >= 0 &&
                        fX < ScaleWidth() && fY < ScaleHeight();
    if (nButton == kLeftButton) m_bLeftPressedHere = false;
    if (bClick) Notify([](auto& control) { control.UserControl_Click(); });
}

void ControlSite::DeliverMove(LPARAM lParam) {
    const Integer nButtons = static_cast<Integer>(m_form.Windows().ButtonsHeld());
    const Integer nShift = static_cast<Integer>(m_form.Windows().Modifiers());
    const float fX = static_cast<float>(static_cast<std::int16_t>(lParam & 0xFFFF));
    const float fY = static_cast<float>(static_cast<std::int16_t>((lParam >> 16) & 0xFFFF));
    Notify([&](auto& control) { control.UserControl_MouseMove(nButtons, nShift, fX, fY); });
}

void ControlSite::DeliverKey(UINT uMsg, WPARAM wParam) {
    Integer nCode = static_cast<Integer>(wParam);
    Integer nShift = static_cast<Integer>(m_form.Windows().Modifiers());
    if (uMsg == WM_KEYDOWN)
        Notify([&](auto& control) { control.UserControl_KeyDown(nCode, nShift); });
    if (uMsg == WM_KEYUP) Notify([&](auto& control) { control.UserControl_KeyUp(nCode, nShift); });
    if (uMsg == WM_CHAR) Notify([&](auto& control) { control.UserControl_KeyPress(nCode); });
}

// The runtime's own window procedure: the end of every subclassing chain. It turns the
// window's messages into the control's notifications.
LRESULT ControlSite::SiteWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto it = t_sitesByWindow.find(HandleValue(hWnd));
    if (it == t_sitesByWindow.end()) return 0;
    ControlSite& site = *it->second;
    switch (uMsg) {
        case WM_PAINT:
            site.DeliverPaint();
            break;
        case WM_LBUTTONDOWN:
            site.DeliverButton(kLeftButton, true, lParam);
            break;
        case WM_LBUTTONUP:
            site.DeliverButton(kLeftButton, false, lParam);
            break;
        case WM_RBUTTONDOWN:
            site.DeliverButton(kRightButton, true, lParam);
            break;
        case WM_RBUTTONUP:
            site.DeliverButton(kRightButton, false, lParam);
            break;
        case WM_MBUTTONDOWN:
            site.DeliverButton(kMiddleButton, true, lParam);
            break;
        case WM_MBUTTONUP:
            site.DeliverButton(kMiddleButton, false, lParam);
            break;
        case WM_MOUSEMOVE:
            site.DeliverMove(lParam);
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            site.DeliverKey(uMsg, wParam);
            break;
        case WM_SETFOCUS:
            site.Notify([](auto& control) { control.UserControl_GotFocus(); });
            break;
        case WM_KILLFOCUS:
            site.Notify([](auto& control) { control.UserControl_LostFocus(); });
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace qv::soft
