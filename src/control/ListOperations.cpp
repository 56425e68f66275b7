// The item store and the list operations of the control.
#include "control/ColorListBox.h"
#include "platform/Checked.h"
#include "platform/HostError.h"
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
    ClearSelList();
    m_aItems.Clear();
    m_nListCount = 0;
    m_bHasFocus = VbFalse;
    m_nListIndex = 0;
    m_nItemHeight = 0;
    m_hImageList = 0;
    m_hCheckBoxImageList = 0;
    m_nAutoScrollDir = 0;
    ClearCheckList();
}

void ColorListBox::UserControl_Terminate() {
    ClearSelList();
    UnhookWindow(m_userControl.hWnd());
    if (m_oEvents) m_oEvents->Disconnect(this);
    m_aItems.Clear();
    m_nListCount = 0;
    ClearCheckList();
}

bool ColorListBox::IsValidIndex(Long nIndex) const {
    return nIndex >= 0 && nIndex < m_nListCount;
}

ListItem& ColorListBox::Item(Long nIndex) {
    if (!IsValidIndex(nIndex)) throw HostError(err::kSubscriptOutOfRange);
    return m_aItems[static_cast<std::size_t>(nIndex)];
}

const ListItem& ColorListBox::Item(Long nIndex) const {
    if (!IsValidIndex(nIndex)) throw HostError(err::kSubscriptOutOfRange);
    return m_aItems[static_cast<std::size_t>(nIndex)];
}

Long ColorListBox::AddItem(const std::string& sText, Long nImageIndex, const Variant& vItemData) {
    return InsertItem(-1, sText, nImageIndex, vItemData);
}

// An index that names no item appends. Inserting at the current item makes the new
// item current; inserting before it keeps the current item where it is.
Long ColorListBox::InsertItem(Long nIndex, const std::string& sText, Long nImageIndex,
                              const Variant& vItemData) {
    if (m_nListCount >= kMaxListCount) return -1;
    if (!IsValidIndex(nIndex)) nIndex = m_nListCount;
    m_aItems.Insert(static_cast<std::size_t>(nIndex),
                    ListItem{sText, nImageIndex, VbFalse, vItemData});
    m_nListCount = CheckedAdd(m_nListCount, 1);
    NotifyAccess(access::AccessEvent::Reorder, nIndex);
    if (nIndex < m_nListIndex) m_nListIndex = CheckedAdd(m_nListIndex, 1);
    ClearSelList();
    ShiftCheckList(nIndex, true);
    UpdateScrollBar();
    RedrawList();
    return nIndex;
}

// When the removed item was the current one and the last one, the new last item becomes
// current, so the current index always names an item.
Boolean ColorListBox::RemoveItem(Long nIndex) {
    if (!IsValidIndex(nIndex)) return VbFalse;
    m_aItems.Erase(static_cast<std::size_t>(nIndex));
    m_nListCount = CheckedSub(m_nListCount, 1);
    NotifyAccess(access::AccessEvent::Reorder, nIndex);
    if (m_nListCount == 0) {
        m_nListIndex = -1;
    } else {
        if (m_nListIndex > nIndex) m_nListIndex = CheckedSub(m_nListIndex, 1);
        if (m_nListIndex >= m_nListCount) m_nListIndex = CheckedSub(m_nListCount, 1);
        if (m_eMultiSelect == msSingle) SelectSingle(m_nListIndex, false);
    }
    ClearSelList();
    ShiftCheckList(nIndex, false);
    UpdateScrollBar();
    RedrawList();
    return VbTrue;
}

void ColorListBox::RemoveAll() {
    m_aItems.Clear();
    m_nListCount = 0;
    NotifyAccess(access::AccessEvent::Reorder, -1);
    ClearSelList();
    ClearCheckList();
    m_nListIndex = -1;
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

Long ColorListBox::SelCount() const {
    return static_cast<Long>(m_aItems.SelectedCount());
}

Boolean ColorListBox::GetText(Long nIndex, std::string& sValue) const {
    return ReadField(nIndex, &ListItem::sText, sValue);
}

Boolean ColorListBox::GetImageIndex(Long nIndex, Long& nValue) const {
    return ReadField(nIndex, &ListItem::nImageIndex, nValue);
}

Boolean ColorListBox::GetItemData(Long nIndex, Variant& vValue) const {
    return ReadField(nIndex, &ListItem::vItemData, vValue);
}

Boolean ColorListBox::GetSelectedItem(Long nIndex, Boolean& bValue) const {
    return ReadField(nIndex, &ListItem::bSelected, bValue);
}

Boolean ColorListBox::SetText(Long nIndex, const std::string& sValue) {
    return ChangeShownField(nIndex, &ListItem::sText, sValue);
}

Boolean ColorListBox::SetImageIndex(Long nIndex, Long nValue) {
    return ChangeShownField(nIndex, &ListItem::nImageIndex, nValue);
}

Boolean ColorListBox::SetItemData(Long nIndex, const Variant& vValue) {
    if (!IsValidIndex(nIndex)) return VbFalse;
    Item(nIndex).vItemData = vValue;
    return VbTrue;
}

}  // namespace qv
