#include "platform/soft/host/ControlSite.h"

#include <map>

namespace qv::soft {

using namespace win32;

namespace {

constexpr float kTwipsPerPixel = 15.0f;
constexpr float kHimetricPerPixel = 2540.0f / 96.0f;

thread_local std::map<std::uint32_t, ControlSite*> t_sitesByWindow;

float UnitsPerPixel(host::ScaleUnit eUnit) {
    switch (eUnit) {
        case host::ScaleUnit::Twips:
            return kTwipsPerPixel;
        case host::ScaleUnit::Himetric:
            return kHimetricPerPixel;
        case host::ScaleUnit::Pixels:
            break;
    }
    return 1.0f;
}

float Convert(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) {
    return fValue * UnitsPerPixel(eFrom) / UnitsPerPixel(eTo);
}

}  // namespace

ControlSite::ControlSite(Form& form, int nX, int nY, int nWidth, int nHeight)
    : m_form(form), m_oFont(std::make_shared<host::StdFont>()) {
    m_hWnd = form.Windows().CreateWindowAt(form.hWnd(), {nX, nY, nX + nWidth, nY + nHeight},
                                           SiteWindowProc);
    t_sitesByWindow[HandleValue(m_hWnd)] = this;
}

ControlSite::~ControlSite() {
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
    m_form.Windows().MoveWindow(m_hWnd,
                                {rcOld.left, rcOld.top, rcOld.left + nWidth, rcOld.top + nHeight});
    if (m_pControl) m_pControl->UserControl_Resize();
}

float ControlSite::ScaleWidth() const {
    return static_cast<float>(OwnWindow().ClientWidth());
}

float ControlSite::ScaleHeight() const {
    return static_cast<float>(OwnWindow().ClientHeight());
}

float ControlSite::Height() const {
    const RECT& rc = OwnWindow().rcOuter;
    return static_cast<float>(rc.bottom - rc.top) * kTwipsPerPixel;
}

float ControlSite::ScaleX(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const {
    return Convert(fValue, eFrom, eTo);
}

float ControlSite::ScaleY(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const {
    return Convert(fValue, eFrom, eTo);
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
    if (m_nBorderStyle == 0) return 0;
    return m_nAppearance == 0 ? 1 : 2;
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

void ControlSite::DeliverPaint() {
    if (!m_pControl) return;
    IHostObserver* pObserver = m_form.Observer();
    if (pObserver) pObserver->OnPaintDelivered(*this);
    try {
        m_pControl->UserControl_Paint();
    } catch (const HostError& error) {
        if (!pObserver) throw;
        pObserver->OnNotificationError(*this, error);
    }
}

// The runtime's own window procedure: the end of every subclassing chain.
LRESULT ControlSite::SiteWindowProc(HWND hWnd, UINT uMsg, WPARAM, LPARAM) {
    auto it = t_sitesByWindow.find(HandleValue(hWnd));
    if (it == t_sitesByWindow.end()) return 0;
    if (uMsg == WM_PAINT) it->second->DeliverPaint();
    return 0;
}

}  // namespace qv::soft
