// The list edits and the rule settings of the list model.
#include "model/ListModel.h"

#include "platform/Checked.h"
#include "platform/HostError.h"

namespace qv {

const ListItem& ListModel::Item(Long nIndex) const {
    if (!IsValidIndex(nIndex)) throw HostError(err::kSubscriptOutOfRange);
    return m_aItems[static_cast<std::size_t>(nIndex)];
}

ListItem& ListModel::MutableItem(Long nIndex) {
    if (!IsValidIndex(nIndex)) throw HostError(err::kSubscriptOutOfRange);
    return m_aItems[static_cast<std::size_t>(nIndex)];
}

void ListModel::Initialize() {
    ClearSelList();
    m_aItems.Clear();
    m_nListCount = 0;
    m_bHasFocus = VbFalse;
    m_nListIndex = 0;
    ClearCheckList();
}

void ListModel::Terminate() {
    ClearSelList();
    m_aItems.Clear();
    m_nListCount = 0;
    ClearCheckList();
}

// An index that names no item appends. Inserting at the current item makes the new
// item current; inserting before it keeps the current item where it is.
Long ListModel::InsertItem(Long nIndex, ListItem item) {
    if (m_nListCount >= kMaxListCount) return -1;
    if (!IsValidIndex(nIndex)) nIndex = m_nListCount;
    item.bSelected = VbFalse;
    m_aItems.Insert(static_cast<std::size_t>(nIndex), std::move(item));
    m_nListCount = CheckedAdd(m_nListCount, 1);
    NotifyAccess(access::AccessEvent::Reorder, nIndex);
    if (nIndex < m_nListIndex) m_nListIndex = CheckedAdd(m_nListIndex, 1);
    ClearSelList();
    ShiftCheckList(nIndex, true);
    return nIndex;
}

// When the removed item was the current one and the last one, the new last item becomes
// current, so the current index always names an item.
bool ListModel::RemoveItem(Long nIndex) {
    if (!IsValidIndex(nIndex)) return false;
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
    return true;
}

void ListModel::RemoveAll() {
    m_aItems.Clear();
    m_nListCount = 0;
    NotifyAccess(access::AccessEvent::Reorder, -1);
    ClearSelList();
    ClearCheckList();
    m_nListIndex = -1;
}

// A new style starts from a clean list: no selection, no check marks, no current item.
void ListModel::SetStyle(enmStyle eStyle) {
    m_eStyle = eStyle;
    ClearSelList();
    ClearCheckList();
    ResetFlagsAndCurrentItem();
}

// In normal style a new selection mode drops the selection; check marks stay.
void ListModel::SetMultiSelect(enmMultiSelect eMode) {
    m_eMultiSelect = eMode;
    if (m_eStyle != lsNormal) return;
    ClearSelList();
    ResetFlagsAndCurrentItem();
}

// Raising the cap, or removing it with 0, unchecks nothing.
void ListModel::SetMaxCheck(Long nValue) {
    m_nMaxCheck = nValue;
    TrimCheckList();
}

void ListModel::SetHasFocus(Boolean bValue) {
    m_bHasFocus = bValue;
    if (bValue.IsTrue()) NotifyAccessFocus();
}

void ListModel::ResetFlagsAndCurrentItem() {
    ClearAllFlags();
    const bool bMoved = m_nListIndex != -1;
    m_nListIndex = -1;
    if (bMoved) NotifyAccessFocus();
}

}  // namespace qv
