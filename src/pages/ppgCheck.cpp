#include "pages/ppgCheck.h"

#include <string>

#include "pages/ValidateTextRange.h"

namespace qv {

struct CheckControls {
    host::IComboBox* pCheckBoxImage;
    host::ITextBox *pMaxCheck, *pCheckImageIndex, *pNoCheckImageIndex;
};

namespace {

host::ITextBox& AddNumberBox(host::IPropertyPageSite& site, std::string_view sName,
                             host::TwipRect rect, host::IFrame* pFrame = nullptr) {
    host::ITextBox& textBox = site.AddTextBox(sName, rect, pFrame);
    textBox.OnChange(MarkChanged(site));
    return textBox;
}

// The controls in tab order; the last four sit in Frame1.
CheckControls BuildControls(host::IPropertyPageSite& site) {
    CheckControls c{};
    site.AddLabel("Label6", "ﾁｪｯｸのｲﾒｰｼﾞ", {480, 300, 1020, 180});
    c.pCheckBoxImage = &site.AddComboBox("cmbCheckBoxImage", {1800, 240, 2535, 300});
    for (std::string_view sItem : {"0 - ﾁｪｯｸﾎﾞｯｸｽ", "1 - ﾗｼﾞｵﾎﾞﾀﾝ", "2 - ﾎﾞﾀﾝ", "3 - ｲﾒｰｼﾞ"})
        c.pCheckBoxImage->AddItem(sItem);
    c.pCheckBoxImage->OnClick(MarkChanged(site));
    site.AddLabel("Label7", "最大ﾁｪｯｸ数", {480, 645, 915, 180});
    c.pMaxCheck = &AddNumberBox(site, "txtMaxCheck", {1800, 600, 735, 270});
    site.AddLabel(
        "Label4",
        "※ﾁｪｯｸできる最大数が設定できます。最大数を超えると、最初にﾁｪｯｸした項目が外されます。",
        {480, 960, 3975, 375});
    site.AddLabel("Label5", "0の時、制限なしになります。", {720, 1320, 2295, 255});
    host::IFrame& frame =
        site.AddFrame("Frame1", "ﾁｪｯｸﾎﾞｯｸｽのｲﾒｰｼﾞｲﾝﾃﾞｯｸｽ", {360, 1680, 3975, 1695});
    site.AddLabel("Label1", "ｵﾝ時", {240, 360, 405, 180}, &frame);
    c.pCheckImageIndex = &AddNumberBox(site, "txtCheckImageIndex", {840, 315, 735, 270}, &frame);
    site.AddLabel("Label2", "ｵﾌ時", {240, 645, 405, 180}, &frame);
    c.pNoCheckImageIndex =
        &AddNumberBox(site, "txtNoCheckImageIndex", {840, 600, 735, 270}, &frame);
    site.AddLabel("Label3",
                  "ﾁｪｯｸﾎﾞｯｸｽのｲﾒｰｼﾞはCheckImageListﾌﾟﾛﾊﾟﾃｨにｲﾒｰｼﾞﾘｽﾄのﾊﾝﾄﾞﾙを設定してください。",
                  {240, 960, 3615, 615}, &frame);
    return c;
}

}  // namespace

void NumberField::Show(host::ISelectedObject& control) {
    m_textBox.SetText(std::to_string(CLng(control.GetProperty(m_sProperty))));
}

void NumberField::Write(host::ISelectedObject& control) {
    if (Validate(control)) control.LetProperty(m_sProperty, Variant(m_textBox.Text()));
}

bool NumberField::Validate(host::ISelectedObject& control) {
    const Long nCurrent = CLng(control.GetProperty(m_sProperty));
    return ValidateTextRange(m_textBox, ppgCheck::kMinNumber, ppgCheck::kMaxNumber, nCurrent);
}

ppgCheck::ppgCheck(host::IPropertyPageSite& site) : ppgCheck(site, BuildControls(site)) {}

ppgCheck::ppgCheck(host::IPropertyPageSite& site, const CheckControls& c)
    : m_site(site),
      m_checkBoxImage(*c.pCheckBoxImage, "CheckBoxImage"),
      m_numberFields{NumberField(*c.pMaxCheck, "MaxCheck"),
                     NumberField(*c.pCheckImageIndex, "CheckImageIndex"),
                     NumberField(*c.pNoCheckImageIndex, "NoCheckImageIndex")} {
    c.pMaxCheck->OnValidate([this](bool& bCancel) { txtMaxCheck_Validate(bCancel); });
}

// Filling the controls raises their click and change events; the page is unchanged all
// the same.
void ppgCheck::SelectionChanged() {
    host::ISelectedObject* pControl = FirstSelected(m_site);
    if (!pControl) return;
    m_checkBoxImage.Show(*pControl);
    for (NumberField& field : m_numberFields) field.Show(*pControl);
    m_site.SetChanged(false);
}

// A number that fails its check is not written; the fields after it still are.
void ppgCheck::ApplyChanges() {
    host::ISelectedObject* pControl = FirstSelected(m_site);
    if (!pControl) return;
    for (NumberField& field : m_numberFields) field.Write(*pControl);
    m_checkBoxImage.Write(*pControl);
}

std::string_view ppgCheck::ControlOf(std::string_view sProperty) const {
    static constexpr PropertyControl kShown[] = {
        {"CheckBoxImage", "cmbCheckBoxImage"},
        {"MaxCheck", "txtMaxCheck"},
        {"CheckImageIndex", "txtCheckImageIndex"},
        {"NoCheckImageIndex", "txtNoCheckImageIndex"},
    };
    return ControlShowing(kShown, sProperty);
}

void ppgCheck::txtMaxCheck_Validate(bool& bCancel) {
    host::ISelectedObject* pControl = FirstSelected(m_site);
    if (pControl && !m_numberFields[0].Validate(*pControl)) bCancel = true;
}

}  // namespace qv
