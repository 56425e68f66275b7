// The control's public properties: validation, storage and side effects. Every setter
// that stores a new value applies its side effects in a fixed order and, but for the two
// image lists, ends by telling the host which property changed.
#include "control/ColorListBox.h"
#include "platform/HostError.h"
#include "properties/ChangeRoutines.h"

namespace qv {

void ColorListBox::RequireRunTime() const {
    if (!m_userControl.Ambient().UserMode().IsTrue()) throw HostError(err::kSetNotPermitted);
}

template <typename TEnum>
bool ColorListBox::ChangeEnumInRange(TEnum& eMember, Long nValue, Long nMin, Long nMax) {
    Long nStored = eMember;
    if (!ChangeLongInRange(nStored, nValue, nMin, nMax)) return false;
    eMember = static_cast<TEnum>(nStored);
    return true;
}

// The image lists are handles the host owns; they are not saved and the host is not told.
void ColorListBox::SetImageList(Long hImageList) {
    RequireRunTime();
    m_looks.m_hImageList = hImageList;
    UpdateItemHeight();
    RedrawList();
}

void ColorListBox::SetCheckBoxImageList(Long hImageList) {
    RequireRunTime();
    m_looks.m_hCheckBoxImageList = hImageList;
    UpdateItemHeight();
    RedrawList();
}

void ColorListBox::SetFrameStyle(Long nValue) {
    if (!ChangeEnumInRange(m_looks.m_eFrameStyle, nValue, fsNone, fsBorder)) return;
    ApplyFrameStyle();
    RedrawList();
    m_userControl.PropertyChanged("FrameStyle");
}

// A new style starts from a clean list: no selection, no check marks, no current item.
void ColorListBox::SetStyle(Long nValue) {
    enmStyle eStyle = m_model.Style();
    if (!ChangeEnumInRange(eStyle, nValue, lsNormal, lsCheck)) return;
    m_model.SetStyle(eStyle);
    UpdateItemHeight();
    RedrawList();
    m_userControl.PropertyChanged("Style");
}

void ColorListBox::SetCheckBoxImage(Long nValue) {
    if (!ChangeEnumInRange(m_looks.m_eCheckBoxImage, nValue, ciCheck, ciImage)) return;
    UpdateItemHeight();
    RedrawList();
    m_userControl.PropertyChanged("CheckBoxImage");
}

void ColorListBox::SetColorProperty(OLE_COLOR& clrMember, OLE_COLOR clrValue,
                                    std::string_view sName) {
    if (!ChangeColor(clrMember, clrValue)) return;
    RedrawList();
    m_userControl.PropertyChanged(sName);
}

void ColorListBox::SetBackColor(OLE_COLOR clrValue) {
    SetColorProperty(m_looks.m_clrBackColor, clrValue, "BackColor");
}

void ColorListBox::SetSelBackColor(OLE_COLOR clrValue) {
    SetColorProperty(m_looks.m_clrSelBackColor, clrValue, "SelBackColor");
}

void ColorListBox::SetAlternateBackColor(OLE_COLOR clrValue) {
    SetColorProperty(m_looks.m_clrAlternateBackColor, clrValue, "AlternateBackColor");
}

void ColorListBox::SetForeColor(OLE_COLOR clrValue) {
    SetColorProperty(m_looks.m_clrForeColor, clrValue, "ForeColor");
}

void ColorListBox::SetSelForeColor(OLE_COLOR clrValue) {
    SetColorProperty(m_looks.m_clrSelForeColor, clrValue, "SelForeColor");
}

void ColorListBox::SetSelBackStyle(Long nValue) {
    if (!ChangeEnumInRange(m_looks.m_eSelBackStyle, nValue, sbFill, sbHatch)) return;
    RedrawList();
    m_userControl.PropertyChanged("SelBackStyle");
}

void ColorListBox::SetBackPicture(host::PictureRef oPicture) {
    m_looks.m_oBackPicture = std::move(oPicture);
    RedrawList();
    m_userControl.PropertyChanged("BackPicture");
}

void ColorListBox::SetBackStyle(Long nValue) {
    if (!ChangeEnumInRange(m_looks.m_eBackStyle, nValue, bsNormal, bsPictureRepeat)) return;
    RedrawList();
    m_userControl.PropertyChanged("BackStyle");
}

// In normal style a new selection mode drops the selection; check marks stay.
void ColorListBox::SetMultiSelect(Long nValue) {
    enmMultiSelect eMode = m_model.MultiSelect();
    if (!ChangeEnumInRange(eMode, nValue, msSingle, msExtend)) return;
    m_model.SetMultiSelect(eMode);
    RedrawList();
    m_userControl.PropertyChanged("MultiSelect");
}

// A lower cap unchecks the oldest marks until the rest fit, without events.
void ColorListBox::SetMaxCheck(Long nValue) {
    Long nMaxCheck = m_model.MaxCheck();
    if (!ChangeLongInRange(nMaxCheck, nValue, 0, 30000)) return;
    m_model.SetMaxCheck(nMaxCheck);
    RedrawList();
    m_userControl.PropertyChanged("MaxCheck");
}

host::FontRef ColorListBox::Font() const {
    return m_userControl.Font();
}

void ColorListBox::SetFont(host::FontRef oFont) {
    m_userControl.SetFont(std::move(oFont));
    UpdateItemHeight();
    RedrawList();
    m_userControl.PropertyChanged("Font");
}

Boolean ColorListBox::Enabled() const {
    return m_userControl.Enabled();
}

void ColorListBox::SetEnabled(Boolean bValue) {
    m_userControl.SetEnabled(bValue);
    RedrawList();
    m_userControl.PropertyChanged("Enabled");
}

void ColorListBox::SetShowImage(Boolean bValue) {
    if (!ChangeBoolean(m_looks.m_bShowImage, bValue)) return;
    UpdateItemHeight();
    RedrawList();
    m_userControl.PropertyChanged("ShowImage");
}

// The check images show only in check style with image glyphs and a check image list.
void ColorListBox::SetCheckImageProperty(Long& nMember, Long nValue, std::string_view sName) {
    if (!ChangeLongInRange(nMember, nValue, 0, 50)) return;
    if (m_model.Style() == lsCheck && m_looks.m_eCheckBoxImage == ciImage &&
        m_looks.m_hCheckBoxImageList != 0)
        RedrawList();
    m_userControl.PropertyChanged(sName);
}

void ColorListBox::SetCheckImageIndex(Long nValue) {
    SetCheckImageProperty(m_looks.m_nCheckImageIndex, nValue, "CheckImageIndex");
}

void ColorListBox::SetNoCheckImageIndex(Long nValue) {
    SetCheckImageProperty(m_looks.m_nNoCheckImageIndex, nValue, "NoCheckImageIndex");
}

}  // namespace qv
