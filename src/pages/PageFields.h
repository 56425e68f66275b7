#pragma once

#include <span>
#include <string_view>
#include <utility>

#include "platform/host/PropertyPage.h"

namespace qv {

// A combo box whose ListIndex is the value of an enumeration property. A value the list
// has no item for (one loaded from a file, say) is shown as no choice, and such a
// property is left alone by Apply until the user picks an item.
class EnumField {
  public:
    EnumField(host::IComboBox& combo, std::string_view sProperty)
        : m_combo(combo), m_sProperty(sProperty) {}

    void Show(host::ISelectedObject& control);
    void Write(host::ISelectedObject& control) const;

  private:
    host::IComboBox& m_combo;
    std::string_view m_sProperty;
};

// A check box showing a Boolean property: checked for any value but False. While the
// box still agrees with the value it was shown from, Apply writes that value back as it
// is, so a 16-bit Boolean other than True keeps what it holds; a box the user turned
// writes True or False.
class BooleanField {
  public:
    BooleanField(host::ICheckBox& checkBox, std::string_view sProperty)
        : m_checkBox(checkBox), m_sProperty(sProperty) {}

    void Show(host::ISelectedObject& control);
    void Write(host::ISelectedObject& control);

  private:
    host::ICheckBox& m_checkBox;
    std::string_view m_sProperty;
    Boolean m_bShown = VbFalse;
};

// Sets the page's Changed flag, for the controls' own events.
inline auto MarkChanged(host::IPropertyPageSite& site) {
    return [&site] { site.SetChanged(true); };
}

// Which control of a page shows which property: property name, control name.
using PropertyControl = std::pair<std::string_view, std::string_view>;

// The control of a table that shows the property (names compared as the dispatch
// interface compares them, without regard to case); empty when none does.
std::string_view ControlShowing(std::span<const PropertyControl> table, std::string_view sProperty);

// The first selected control, which the pages read and write; nullptr when none is.
host::ISelectedObject* FirstSelected(const host::IPropertyPageSite& site);

}  // namespace qv
