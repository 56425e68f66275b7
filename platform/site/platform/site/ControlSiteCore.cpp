#include "platform/site/ControlSiteCore.h"

#include "platform/host/SiteUnits.h"

namespace qv::site {

ControlSiteCore::ControlSiteCore(IControlContainer& container)
    : m_container(container), m_oFont(std::make_shared<host::StdFont>()) {}

void ControlSiteCore::Initialize() {
    if (m_pControl) m_pControl->UserControl_Initialize();
}

void ControlSiteCore::InitProperties() {
    if (m_pControl) m_pControl->UserControl_InitProperties();
}

void ControlSiteCore::ReadProperties(host::IPropertyBag& propBag) {
    if (m_pControl) m_pControl->UserControl_ReadProperties(propBag);
}

void ControlSiteCore::WriteProperties(host::IPropertyBag& propBag) {
    if (m_pControl) m_pControl->UserControl_WriteProperties(propBag);
}

void ControlSiteCore::Terminate() {
    if (m_pControl) m_pControl->UserControl_Terminate();
    m_pControl = nullptr;
}

void ControlSiteCore::ResizeOuter(int nWidth, int nHeight) {
    MoveOuter(nWidth, nHeight);
    DeliverResize();
}

void ControlSiteCore::DeliverResize() {
    if (m_pControl) m_pControl->UserControl_Resize();
}

float ControlSiteCore::Height() const {
    return static_cast<float>(OuterHeight()) * host::kTwipsPerPixel;
}

float ControlSiteCore::ScaleX(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const {
    return host::ConvertScale(fValue, eFrom, eTo);
}

float ControlSiteCore::ScaleY(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const {
    return host::ConvertScale(fValue, eFrom, eTo);
}

void ControlSiteCore::SetAppearance(Integer nAppearance) {
    m_nAppearance = nAppearance;
    ApplyBorder(BorderWidth());
}

void ControlSiteCore::SetBorderStyle(Integer nBorderStyle) {
    m_nBorderStyle = nBorderStyle;
    ApplyBorder(BorderWidth());
}

int ControlSiteCore::BorderWidth() const {
    return host::BorderWidthOf(m_nAppearance, m_nBorderStyle);
}

void ControlSiteCore::SetEnabled(Boolean bEnabled) {
    m_bEnabled = bEnabled;
    ApplyEnabled(bEnabled.IsTrue());
}

void ControlSiteCore::PropertyChanged(std::string_view sPropertyName) {
    if (IHostObserver* pObserver = m_container.Observer())
        pObserver->OnPropertyChanged(*this, sPropertyName);
}

}  // namespace qv::site
