#pragma once

#include <array>

#include "pages/PageFields.h"
#include "platform/host/PropertyPage.h"

namespace qv {

struct GeneralControls;

// The page "全体": frame, selection look, list style, background, multiple selection,
// images and enabled state of the first selected control.
class ppgGeneral : public host::IPropertyPage {
  public:
    explicit ppgGeneral(host::IPropertyPageSite& site);

    static constexpr std::string_view kCaption = "全体";

    std::string_view Caption() const override { return kCaption; }
    void SelectionChanged() override;
    void ApplyChanges() override;
    std::string_view ControlOf(std::string_view sProperty) const override;

  private:
    ppgGeneral(host::IPropertyPageSite& site, const GeneralControls& controls);

    host::IPropertyPageSite& m_site;
    // In the order the properties are read and written: BackStyle, FrameStyle,
    // SelBackStyle, MultiSelect, Style.
    std::array<EnumField, 5> m_enumFields;
    // ShowImage, then Enabled.
    std::array<BooleanField, 2> m_booleanFields;
};

}  // namespace qv
