// Selected flags and the range memory of extended selection. These routines change flags
// only; the current item and the redraw belong to their callers.
#include <algorithm>

#include "model/ListModel.h"
#include "platform/Checked.h"
#include "platform/HostError.h"

namespace qv {

void ListModel::SetItemSelected(Long nIndex, Boolean bValue) {
    if (!IsValidIndex(nIndex)) throw HostError(err::kSubscriptOutOfRange);
    m_aItems.SetSelected(static_cast<std::size_t>(nIndex), bValue);
}

void ListModel::ClearSelList() {
    m_aSelList.clear();
    m_nSelListCount = 0;
}

// Normal style: nIndex becomes the only selected item (an index outside the list
// deselects every item). Check style: no flag but nIndex's mark may change, and that one
// only when asked to toggle it.
bool ListModel::SelectSingle(Long nIndex, bool bToggle) {
    if (m_eStyle == lsCheck) return bToggle && ToggleItemCheck(nIndex);
    const std::size_t nOnly =
        IsValidIndex(nIndex) ? static_cast<std::size_t>(nIndex) : m_aItems.Size();
    if (!m_pAccessSink) return m_aItems.SelectOnly(nOnly);
    const std::vector<Long> aWere = SelectedItems();
    const bool bChanged = m_aItems.SelectOnly(nOnly);
    NotifySingleSelection(aWere, nIndex);
    return bChanged;
}

// Inverts the item's flag by its meaning, so an odd stored value such as 5 (selected)
// becomes False rather than another selected value.
bool ListModel::ToggleSelected(Long nIndex) {
    if (!IsValidIndex(nIndex)) return false;
    const bool bNow = !Item(nIndex).bSelected.IsTrue();
    SetItemSelected(nIndex, Boolean::FromBool(bNow));
    NotifyAccessMark(nIndex, bNow);
    return true;
}

// Selects nIndex .. nOther in place of the previous Shift range. Only the items this range
// newly selects are remembered, so undoing it later leaves alone what was selected before.
// Undoing counts as a change: a range that shrinks to items already selected must still be
// redrawn.
bool ListModel::SelectRange(Long nIndex, Long nOther) {
    bool bChanged = false;
    std::vector<Long> aUndone;  // kept only for a listener, which hears the net change
    for (Long nEntry : m_aSelList) {
        if (IsValidIndex(nEntry) && Item(nEntry).bSelected.IsTrue()) {
            SetItemSelected(nEntry, VbFalse);
            if (m_pAccessSink) aUndone.push_back(nEntry);
            bChanged = true;
        }
    }
    ClearSelList();
    const Long nFirst = std::max<Long>(std::min(nIndex, nOther), 0);
    const Long nLast = std::min(std::max(nIndex, nOther), CheckedSub(m_nListCount, 1));
    for (Long i = nFirst; i <= nLast; ++i) {
        if (Item(i).bSelected.IsTrue()) continue;
        SetItemSelected(i, VbTrue);
        bChanged = true;
        if (m_eMultiSelect == msExtend) {
            m_aSelList.push_back(i);
            m_nSelListCount = CheckedAdd(m_nSelListCount, 1);
        }
    }
    if (m_pAccessSink) NotifyAccessRange(aUndone);
    return bChanged;
}

// Normal style only (Ctrl+A in extended selection): the current item and the anchor stay,
// and the caller redraws.
void ListModel::SelectAll() {
    ClearSelList();
    if (m_pAccessSink) {
        for (Long i = 0; i < m_nListCount; ++i)
            if (!Item(i).bSelected.IsTrue()) NotifyAccessMark(i, true);
    }
    m_aItems.SetAllSelected(VbTrue);
}

void ListModel::ClearAllFlags() {
    if (m_pAccessSink)
        for (Long nWas : SelectedItems()) NotifyAccessMark(nWas, false);
    m_aItems.SetAllSelected(VbFalse);
}

// Sets a flag directly. In multi and extended selection only that item changes; in single
// selection, and for check marks, it becomes the only item with that flag. Check marks set
// here raise no ItemCheck and obey no cap, but the checking order is rebuilt to match them
// (at most one mark is left), so a later check still lets the oldest give way.
// Neither the current item nor the anchor moves.
ListModel::FlagChange ListModel::SetSelectedItem(Long nIndex, Boolean bValue) {
    if (!IsValidIndex(nIndex) || Item(nIndex).bSelected == bValue) return FlagChange::None;
    if (m_eStyle == lsNormal && (m_eMultiSelect == msMulti || m_eMultiSelect == msExtend)) {
        ClearSelList();
        const bool bHeard = m_pAccessSink && Item(nIndex).bSelected.IsTrue() != bValue.IsTrue();
        m_aItems.SetSelected(static_cast<std::size_t>(nIndex), bValue);
        if (bHeard) NotifyAccessMark(nIndex, bValue.IsTrue());
        return FlagChange::Item;
    }
    ClearAllFlags();
    m_aItems.SetSelected(static_cast<std::size_t>(nIndex), bValue);
    if (bValue.IsTrue()) NotifyAccessMark(nIndex, true);
    if (m_eStyle == lsCheck) {
        ClearCheckList();
        if (bValue.IsTrue()) AddCheckIndex(nIndex);
    }
    return FlagChange::List;
}

}  // namespace qv
