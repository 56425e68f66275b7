#pragma once

#include <array>
#include <string_view>

#include "pages/PageFields.h"
#include "platform/host/PropertyPage.h"

namespace qv {

struct CheckControls;

// A text box holding a whole-number property, checked against the page's range before
// it is written.
class NumberField {
  public:
    NumberField(host::ITextBox& textBox, std::string_view sProperty)
        : m_textBox(textBox), m_sProperty(sProperty) {}

    void Show(host::ISelectedObject& control);
    // A text that fails the check is replaced by the property's value and not written.
    void Write(host::ISelectedObject& control);
    bool Validate(host::ISelectedObject& control);

  private:
    host::ITextBox& m_textBox;
    std::string_view m_sProperty;
};

// The page "ﾁｪｯｸﾎﾞｯｸｽｽﾀｲﾙ": the check glyph, the limit of checked items and the check
// images of the first selected control.
class ppgCheck : public host::IPropertyPage {
  public:
    // The range the page accepts for each of its three numbers.
    static constexpr Long kMinNumber = 0;
    static constexpr Long kMaxNumber = 50;

    explicit ppgCheck(host::IPropertyPageSite& site);

    static constexpr std::string_view kCaption = "ﾁｪｯｸﾎﾞｯｸｽｽﾀｲﾙ";

    std::string_view Caption() const override { return kCaption; }
    void SelectionChanged() override;
    void ApplyChanges() override;
    std::string_view ControlOf(std::string_view sProperty) const override;

  private:
    ppgCheck(host::IPropertyPageSite& site, const CheckControls& controls);
    void txtMaxCheck_Validate(bool& bCancel);

    host::IPropertyPageSite& m_site;
    EnumField m_checkBoxImage;
    // MaxCheck, CheckImageIndex, NoCheckImageIndex, in the order they are written.
    std::array<NumberField, 3> m_numberFields;
};

}  // namespace qv
