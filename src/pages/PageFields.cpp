#include "pages/PageFields.h"

#include "platform/TextCase.h"

namespace qv {

std::string_view ControlShowing(std::span<const PropertyControl> table,
                                std::string_view sProperty) {
    for (const auto& [sShown, sControl] : table)
        if (EqualsIgnoringCase(sShown, sProperty)) return sControl;
    return {};
}

void EnumField::Show(host::ISelectedObject& control) {
    const Long nValue = CLng(control.GetProperty(m_sProperty));
    const bool bListed = nValue >= 0 && nValue < m_combo.ListCount();
    m_combo.SetListIndex(bListed ? static_cast<Integer>(nValue) : Integer{-1});
}

void EnumField::Write(host::ISelectedObject& control) const {
    const Integer nIndex = m_combo.ListIndex();
    if (nIndex < 0) return;
    control.LetProperty(m_sProperty, Variant(nIndex));
}

void BooleanField::Show(host::ISelectedObject& control) {
    m_bShown = CBool(control.GetProperty(m_sProperty));
    m_checkBox.SetValue(m_bShown.IsTrue() ? 1 : 0);
}

void BooleanField::Write(host::ISelectedObject& control) {
    const bool bChecked = m_checkBox.Value() == 1;
    if (bChecked != m_bShown.IsTrue()) m_bShown = Boolean::FromBool(bChecked);
    control.LetProperty(m_sProperty, Variant(m_bShown));
}

host::ISelectedObject* FirstSelected(const host::IPropertyPageSite& site) {
    const auto& controls = site.SelectedControls();
    return controls.empty() ? nullptr : controls.front();
}

}  // namespace qv
