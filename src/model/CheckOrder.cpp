// Check marks and the order in which they were made, oldest first.
#include <algorithm>

#include "model/ListModel.h"
#include "platform/Checked.h"

namespace qv {

void ListModel::ClearCheckList() {
    m_aCheckList.clear();
    m_nCheckListCount = 0;
}

// The mark and the checking order are both up to date when the host hears of the toggle;
// the caller redraws.
bool ListModel::ToggleItemCheck(Long nIndex) {
    if (m_eStyle == lsNormal || !IsValidIndex(nIndex)) return false;
    if (Item(nIndex).bSelected.IsTrue()) {
        SetItemSelected(nIndex, VbFalse);
        RemoveCheckIndex(nIndex);
        NotifyAccess(access::AccessEvent::StateChange, nIndex);
    } else {
        SetItemSelected(nIndex, VbTrue);
        NotifyAccess(access::AccessEvent::StateChange, nIndex);  // heard before what gives way
        AddCheckIndex(nIndex);
    }
    m_events.OnItemCheck(nIndex);
    return true;
}

// When the list is at its cap the oldest check gives way, silently. A cap below 1 can
// only come from saved properties and, as for trimming, means no cap.
void ListModel::AddCheckIndex(Long nIndex) {
    if (m_nMaxCheck > 0 && m_nCheckListCount >= m_nMaxCheck) {
        const Long nOldest = m_aCheckList.front();
        if (IsValidIndex(nOldest)) SetItemSelected(nOldest, VbFalse);
        RemoveCheckEntry(0);
        NotifyAccess(access::AccessEvent::Evict, nOldest, nIndex);
    }
    m_aCheckList.push_back(nIndex);
    m_nCheckListCount = CheckedAdd(m_nCheckListCount, 1);
}

void ListModel::RemoveCheckIndex(Long nIndex) {
    auto it = std::find(m_aCheckList.begin(), m_aCheckList.end(), nIndex);
    if (it != m_aCheckList.end()) RemoveCheckEntry(static_cast<Long>(it - m_aCheckList.begin()));
}

void ListModel::RemoveCheckEntry(Long nPos) {
    if (nPos < 0 || nPos >= m_nCheckListCount) return;
    m_aCheckList.erase(m_aCheckList.begin() + nPos);
    m_nCheckListCount = CheckedSub(m_nCheckListCount, 1);
    if (m_nCheckListCount == 0) m_aCheckList = {};
}

// Keeps the entries naming the same items when an item is inserted or removed at nIndex.
void ListModel::ShiftCheckList(Long nIndex, bool bInsert) {
    if (m_nCheckListCount == 0) return;
    if (bInsert) {
        for (Long& nEntry : m_aCheckList) {
            if (nEntry >= nIndex) nEntry = CheckedAdd(nEntry, 1);
        }
        return;
    }
    RemoveCheckIndex(nIndex);
    for (Long& nEntry : m_aCheckList) {
        if (nEntry > nIndex) nEntry = CheckedSub(nEntry, 1);
    }
}

// A lower cap unchecks the oldest marks until the rest fit, without events.
void ListModel::TrimCheckList() {
    if (m_nMaxCheck <= 0 || m_nCheckListCount <= m_nMaxCheck) return;
    const Long nExcess = CheckedSub(m_nCheckListCount, m_nMaxCheck);
    for (Long nPos = 0; nPos < nExcess; ++nPos) {
        const Long nOldest = m_aCheckList[static_cast<std::size_t>(nPos)];
        if (IsValidIndex(nOldest)) SetItemSelected(nOldest, VbFalse);
        NotifyAccess(access::AccessEvent::StateChange, nOldest);
    }
    m_aCheckList.erase(m_aCheckList.begin(), m_aCheckList.begin() + nExcess);
    m_nCheckListCount = m_nMaxCheck;
}

}  // namespace qv
