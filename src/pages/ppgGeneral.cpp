#include "pages/ppgGeneral.h"

#include <initializer_list>
#include <string_view>

namespace qv {

namespace {

host::IComboBox& AddCombo(host::IPropertyPageSite& site, std::string_view sName,
                          host::TwipRect rect, std::initializer_list<std::string_view> items) {
    host::IComboBox& combo = site.AddComboBox(sName, rect);
    for (std::string_view sItem : items) combo.AddItem(sItem);
    combo.OnClick(MarkChanged(site));
    return combo;
}

host::ICheckBox& AddCheck(host::IPropertyPageSite& site, std::string_view sName,
                          std::string_view sCaption, host::TwipRect rect) {
    host::ICheckBox& checkBox = site.AddCheckBox(sName, sCaption, rect);
    checkBox.OnClick(MarkChanged(site));
    return checkBox;
}

}  // namespace

// The controls in tab order, each combo box after its label.
struct GeneralControls {
    host::IComboBox *pFrameStyle, *pSelBackStyle, *pStyle, *pBackStyle, *pMultiSelect;
    host::ICheckBox *pShowImage, *pEnabled;
};

namespace {

GeneralControls BuildControls(host::IPropertyPageSite& site) {
    GeneralControls c{};
    site.AddLabel("Label1", "ﾌﾚｰﾑ", {240, 300, 450, 180});
    c.pFrameStyle = &AddCombo(site, "cmbFrameStyle", {1680, 240, 2535, 300},
                              {"0 - ﾌﾚｰﾑなし", "1 - ３D", "2 - ﾎﾞｰﾀﾞｰ"});
    site.AddLabel("Label2", "選択範囲のｽﾀｲﾙ", {240, 660, 1335, 180});
    c.pSelBackStyle = &AddCombo(site, "cmbSelBackStyle", {1680, 600, 2535, 300},
                                {"0 - 塗りつぶし", "1 - 透過", "2 - ﾊｯﾁ"});
    site.AddLabel("Label3", "ﾘｽﾄｽﾀｲﾙ", {240, 1020, 735, 180});
    c.pStyle = &AddCombo(site, "cmbStyle", {1680, 960, 2535, 300}, {"0 - 標準", "1 - ﾁｪｯｸﾎﾞｯｸｽ"});
    site.AddLabel("Label4", "背景のｽﾀｲﾙ", {240, 1380, 975, 180});
    c.pBackStyle = &AddCombo(site, "cmbBackStyle", {1680, 1320, 2535, 300},
                             {"0 - 塗りつぶし", "1 - 一行おき", "2 - ﾋﾟｸﾁｬ(ｽﾄﾚｯﾁ)",
                              "3 - ﾋﾟｸﾁｬ(実寸)", "4 - ﾋﾟｸﾁｬ(繰り返し)"});
    site.AddLabel("Label5", "複数選択", {240, 1740, 720, 180});
    c.pMultiSelect = &AddCombo(site, "cmbMultiSelect", {1680, 1680, 2535, 300},
                               {"0 - なし", "1 - 標準", "2 - 拡張"});
    c.pShowImage = &AddCheck(site, "chkShowImage", "ｲﾒｰｼﾞの表示", {240, 2160, 1455, 255});
    c.pEnabled = &AddCheck(site, "chkEnabled", "ｲﾍﾞﾝﾄ認識", {1920, 2160, 1455, 255});
    return c;
}

}  // namespace

ppgGeneral::ppgGeneral(host::IPropertyPageSite& site) : ppgGeneral(site, BuildControls(site)) {}

ppgGeneral::ppgGeneral(host::IPropertyPageSite& site, const GeneralControls& c)
    : m_site(site),
      m_enumFields{EnumField(*c.pBackStyle, "BackStyle"), EnumField(*c.pFrameStyle, "FrameStyle"),
                   EnumField(*c.pSelBackStyle, "SelBackStyle"),
                   EnumField(*c.pMultiSelect, "MultiSelect"), EnumField(*c.pStyle, "Style")},
      m_booleanFields{BooleanField(*c.pShowImage, "ShowImage"),
                      BooleanField(*c.pEnabled, "Enabled")} {}

// Filling the controls raises their click events; the page is unchanged all the same.
void ppgGeneral::SelectionChanged() {
    host::ISelectedObject* pControl = FirstSelected(m_site);
    if (!pControl) return;
    for (EnumField& field : m_enumFields) field.Show(*pControl);
    for (BooleanField& field : m_booleanFields) field.Show(*pControl);
    m_site.SetChanged(false);
}

std::string_view ppgGeneral::ControlOf(std::string_view sProperty) const {
    static constexpr PropertyControl kShown[] = {
        {"FrameStyle", "cmbFrameStyle"},
        {"SelBackStyle", "cmbSelBackStyle"},
        {"Style", "cmbStyle"},
        {"BackStyle", "cmbBackStyle"},
        {"MultiSelect", "cmbMultiSelect"},
        {"ShowImage", "chkShowImage"},
        {"Enabled", "chkEnabled"},
    };
    return ControlShowing(kShown, sProperty);
}

void ppgGeneral::ApplyChanges() {
    host::ISelectedObject* pControl = FirstSelected(m_site);
    if (!pControl) return;
    for (const EnumField& field : m_enumFields) field.Write(*pControl);
    for (BooleanField& field : m_booleanFields) field.Write(*pControl);
}

}  // namespace qv
