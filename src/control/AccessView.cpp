#include "control/AccessView.h"

#include <algorithm>

#include "control/ColorListBox.h"
#include "platform/Checked.h"

namespace qv {

namespace {

access::SelectMode ToSelectMode(enmMultiSelect eMode) {
    switch (eMode) {
        case msMulti:
            return access::SelectMode::Multi;
        case msExtend:
            return access::SelectMode::Extended;
        case msSingle:
        default:
            return access::SelectMode::Single;
    }
}

}  // namespace

access::ListFacts ColorListBoxAccess::List() const {
    const ColorListBox& c = m_control;
    access::ListFacts list;
    list.nCount = c.m_nListCount;
    list.nCurrent = c.IsValidIndex(c.m_nListIndex) ? c.m_nListIndex : -1;
    list.nTop = c.m_nTopIndex;
    // The count of rows in view is kept only while the list has items.
    list.nRowsInView = c.m_nListCount == 0 ? 0 : std::min<Long>(c.m_nVisibleCount, c.m_nListCount);
    list.nRowHeight = c.m_nItemHeight;
    list.nRowWidth = RoundToLong(c.m_userControl.ScaleWidth());
    list.bCheckStyle = c.m_eStyle == lsCheck;
    list.eMode = ToSelectMode(c.m_eMultiSelect);
    list.bFocused = c.m_bHasFocus.IsTrue();
    list.bEnabled = c.Enabled().IsTrue();
    return list;
}

access::ItemFacts ColorListBoxAccess::Item(Long nIndex) const {
    const ListItem& item = m_control.Item(nIndex);
    return access::ItemFacts{item.sText, item.bSelected.IsTrue()};
}

// As a click on the row without modifiers, but a check toggles wherever the row is hit.
void ColorListBoxAccess::ActOnItem(Long nIndex) {
    m_control.SelectByInput(nIndex, 0, m_control.m_eStyle == lsCheck);
}

// A Shift range replaces the previous one: items the old range held and the new one holds
// again did not change for the user. Both lists are in ascending order; the new range is
// the one remembered in m_aSelList.
void ColorListBox::NotifyAccessRange(const std::vector<Long>& aUndone) {
    for (Long nEntry : aUndone) {
        if (!Item(nEntry).bSelected.IsTrue()) NotifyAccessMark(nEntry, false);
    }
    for (Long nEntry : m_aSelList) {
        if (!std::binary_search(aUndone.begin(), aUndone.end(), nEntry))
            NotifyAccessMark(nEntry, true);
    }
}

// The items selected now, in index order: only those inside the store's selected span.
std::vector<Long> ColorListBox::SelectedItems() const {
    std::vector<Long> aSelected;
    const ItemStore::Span span = m_aItems.SelectedSpan();
    for (std::size_t i = span.nFirst; i < span.nEnd; ++i)
        if (m_aItems[i].bSelected.IsTrue()) aSelected.push_back(static_cast<Long>(i));
    return aSelected;
}

// A single selection moved from aWere (in index order) to nIndex: each change is heard in
// index order, as a walk over the list would meet it.
void ColorListBox::NotifySingleSelection(const std::vector<Long>& aWere, Long nIndex) {
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
