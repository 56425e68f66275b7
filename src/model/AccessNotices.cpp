// What a listener to the list hears when flags and the current item change.
#include <algorithm>

#include "model/ListModel.h"

namespace qv {

// A flag changed: a selection change, or a state change of a check mark.
void ListModel::NotifyAccessMark(Long nIndex, bool bMarked) const {
    if (!m_pAccessSink) return;
    using enum access::AccessEvent;
    NotifyAccess(m_eStyle == lsCheck ? StateChange
                 : bMarked           ? SelectionAdd
                                     : SelectionRemove,
                 nIndex);
}

// Only the list that has the keyboard focus moves a reader's focus.
void ListModel::NotifyAccessFocus() const {
    if (m_pAccessSink && m_bHasFocus.IsTrue())
        NotifyAccess(access::AccessEvent::Focus, IsValidIndex(m_nListIndex) ? m_nListIndex : -1);
}

// A Shift range replaces the previous one: items the old range held and the new one holds
// again did not change for the user. Both lists are in ascending order; the new range is
// the one remembered in m_aSelList.
void ListModel::NotifyAccessRange(const std::vector<Long>& aUndone) const {
    for (Long nEntry : aUndone) {
        if (!Item(nEntry).bSelected.IsTrue()) NotifyAccessMark(nEntry, false);
    }
    for (Long nEntry : m_aSelList) {
        if (!std::binary_search(aUndone.begin(), aUndone.end(), nEntry))
            NotifyAccessMark(nEntry, true);
    }
}

// The items selected now, in index order: only those inside the store's selected span.
std::vector<Long> ListModel::SelectedItems() const {
    std::vector<Long> aSelected;
    const ItemStore::Span span = m_aItems.SelectedSpan();
    for (std::size_t i = span.nFirst; i < span.nEnd; ++i)
        if (m_aItems[i].bSelected.IsTrue()) aSelected.push_back(static_cast<Long>(i));
    return aSelected;
}

// A single selection moved from aWere (in index order) to nIndex: each change is heard in
// index order, as a walk over the list would meet it.
void ListModel::NotifySingleSelection(const std::vector<Long>& aWere, Long nIndex) const {
    bool bAddHeard =
        !IsValidIndex(nIndex) || std::binary_search(aWere.begin(), aWere.end(), nIndex);
    for (Long nWas : aWere) {
        if (!bAddHeard && nIndex < nWas) {
            NotifyAccessMark(nIndex, true);
            bAddHeard = true;
        }
        if (nWas != nIndex) NotifyAccessMark(nWas, false);
    }
    if (!bAddHeard) NotifyAccessMark(nIndex, true);
}

}  // namespace qv
