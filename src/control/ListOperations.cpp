// The list operations of the control: the list model changes, the control redraws.
#include "control/ColorListBox.h"
#include "relay/WindowRelay.h"

namespace qv {

ColorListBox::ColorListBox(host::IUserControl& userControl) : m_userControl(userControl) {}

ColorListBox::~ColorListBox() {
    if (m_oEvents) m_oEvents->Disconnect(this);
}

Long ColorListBox::hWnd() const {
    return static_cast<Long>(win32::HandleValue(m_userControl.hWnd()));
}

void ColorListBox::UserControl_Initialize() {
    HookWindow(m_userControl.hWnd());
    m_oEvents = RelayEvents();
    m_oEvents->Connect(this);
    m_model.Initialize();
    m_nItemHeight = 0;
    m_looks.m_hImageList = 0;
    m_looks.m_hCheckBoxImageList = 0;
    m_nAutoScrollDir = 0;
}

void ColorListBox::UserControl_Terminate() {
    UnhookWindow(m_userControl.hWnd());
    if (m_oEvents) m_oEvents->Disconnect(this);
    m_model.Terminate();
}

Long ColorListBox::AddItem(const std::string& sText, Long nImageIndex, const Variant& vItemData) {
    return InsertItem(-1, sText, nImageIndex, vItemData);
}

Long ColorListBox::InsertItem(Long nIndex, const std::string& sText, Long nImageIndex,
                              const Variant& vItemData) {
    nIndex = m_model.InsertItem(nIndex, ListItem{sText, nImageIndex, VbFalse, vItemData});
    if (nIndex < 0) return -1;
    UpdateScrollBar();
    RedrawList();
    return nIndex;
}

Boolean ColorListBox::RemoveItem(Long nIndex) {
    if (!m_model.RemoveItem(nIndex)) return VbFalse;
    UpdateScrollBar();
    RedrawList();
    return VbTrue;
}

void ColorListBox::RemoveAll() {
    m_model.RemoveAll();
    UpdateScrollBar();
    RedrawList();
}

void ColorListBox::Refresh(Boolean bErase) {
    if (bErase.IsTrue()) {
        m_userControl.Refresh();
    } else {
        RedrawList();
    }
}

Boolean ColorListBox::GetText(Long nIndex, std::string& sValue) const {
    return m_model.ReadField(nIndex, &ListItem::sText, sValue);
}

Boolean ColorListBox::GetImageIndex(Long nIndex, Long& nValue) const {
    return m_model.ReadField(nIndex, &ListItem::nImageIndex, nValue);
}

Boolean ColorListBox::GetItemData(Long nIndex, Variant& vValue) const {
    return m_model.ReadField(nIndex, &ListItem::vItemData, vValue);
}

Boolean ColorListBox::GetSelectedItem(Long nIndex, Boolean& bValue) const {
    return m_model.ReadField(nIndex, &ListItem::bSelected, bValue);
}

Boolean ColorListBox::SetText(Long nIndex, const std::string& sValue) {
    return ChangeShownField(nIndex, &ListItem::sText, sValue);
}

Boolean ColorListBox::SetImageIndex(Long nIndex, Long nValue) {
    return ChangeShownField(nIndex, &ListItem::nImageIndex, nValue);
}

// Item data is not drawn; a valid index always takes the value.
Boolean ColorListBox::SetItemData(Long nIndex, const Variant& vValue) {
    if (!m_model.IsValidIndex(nIndex)) return VbFalse;
    m_model.ChangeField(nIndex, &ListItem::vItemData, vValue);
    return VbTrue;
}

// A flag set in multi or extended selection redraws only when its row is in view.
Boolean ColorListBox::SetSelectedItem(Long nIndex, Boolean bValue) {
    switch (m_model.SetSelectedItem(nIndex, bValue)) {
        case ListModel::FlagChange::None:
            return VbFalse;
        case ListModel::FlagChange::Item:
            if (GetItemVisibility(nIndex) != 0) RedrawList();
            return VbTrue;
        case ListModel::FlagChange::List:
        default:
            RedrawList();
            return VbTrue;
    }
}

// The list model moves the current item and the flags; the control redraws.
void ColorListBox::SelectByInput(Long nIndex, Integer nShift, bool bToggleCheck) {
    if (m_model.SelectByInput(nIndex, nShift, bToggleCheck)) RedrawList();
}

void ColorListBox::ChooseItem(Long nIndex) {
    SelectByInput(nIndex, 0, m_model.Style() == lsCheck);
}

// A value outside -1 .. ListCount - 1 is ignored without an error; the host is told of
// the property either way. The row is scrolled into view when it is not wholly visible,
// and the list is redrawn in every case, also when there was nothing to scroll.
void ColorListBox::SetListIndex(Long nValue) {
    RequireRunTime();
    if (m_model.SetListIndex(nValue)) {
        if (nValue != -1 && GetItemVisibility(nValue) != 1)
            ScrollToIndex(nValue, m_nTopIndex >= nValue ? 0 : 2);
        RedrawList();
    }
    m_userControl.PropertyChanged("ListIndex");
}

// A check toggled by the user: the host hears of it once the list is up to date.
void ColorListBox::OnItemCheck(Long nIndex) {
    m_events.Raise([nIndex](ColorListBoxEvents& sink) {
        Long nArgument = nIndex;
        sink.ItemCheck(nArgument);
    });
}

}  // namespace qv
