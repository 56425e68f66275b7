#include "model/ItemStore.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace qv {

namespace {
constexpr std::size_t kInitialCapacity = 16;
}

// The span moves with the items behind the edit point.
void ItemStore::Insert(std::size_t nIndex, ListItem item) {
    if (GapLength() == 0) Grow();
    MoveGapTo(nIndex);
    const bool bSelected = item.bSelected.IsTrue();
    m_aSlots[m_nGapStart++] = std::move(item);
    if (m_nSelectedCount != 0) {
        if (m_selectedSpan.nFirst >= nIndex) ++m_selectedSpan.nFirst;
        if (m_selectedSpan.nEnd > nIndex) ++m_selectedSpan.nEnd;
    }
    if (bSelected) CountSelected(nIndex);
}

void ItemStore::Erase(std::size_t nIndex) {
    MoveGapTo(nIndex);
    const bool bSelected = m_aSlots[m_nGapEnd].bSelected.IsTrue();
    m_aSlots[m_nGapEnd++] = ListItem{};
    if (m_nSelectedCount == 0) return;
    if (m_selectedSpan.nFirst > nIndex) --m_selectedSpan.nFirst;
    if (m_selectedSpan.nEnd > nIndex) --m_selectedSpan.nEnd;
    if (bSelected) CountDeselected();
}

void ItemStore::Clear() {
    m_aSlots.clear();
    m_aSlots.shrink_to_fit();
    m_nGapStart = m_nGapEnd = 0;
    m_nSelectedCount = 0;
    m_selectedSpan = {};
}

void ItemStore::SetAllSelected(Boolean bValue) {
    if (!bValue.IsTrue()) {
        // Outside the span every flag is already 0.
        for (std::size_t i = m_selectedSpan.nFirst; i < m_selectedSpan.nEnd; ++i)
            (*this)[i].bSelected = bValue;
        m_nSelectedCount = 0;
        m_selectedSpan = {};
        return;
    }
    ForEach([bValue](ListItem& item) { item.bSelected = bValue; });
    m_nSelectedCount = Size();
    m_selectedSpan = {0, Size()};
}

bool ItemStore::SelectOnly(std::size_t nIndex) {
    const bool bInList = nIndex < Size();
    const bool bKeep = bInList && (*this)[nIndex].bSelected.IsTrue();
    const std::size_t nKept = bKeep ? 1 : 0;
    bool bChanged = m_nSelectedCount > nKept;
    const Span span = m_selectedSpan;
    for (std::size_t i = span.nFirst; i < span.nEnd && m_nSelectedCount > nKept; ++i) {
        if (i != nIndex && (*this)[i].bSelected.IsTrue()) SetSelected(i, VbFalse);
    }
    if (bInList && !bKeep) {
        SetSelected(nIndex, VbTrue);
        bChanged = true;
    }
    if (bKeep) m_selectedSpan = {nIndex, nIndex + 1};
    return bChanged;
}

// Without a gap nothing needs to move (and moving records onto themselves would empty
// them).
void ItemStore::MoveGapTo(std::size_t nIndex) {
    if (GapLength() == 0) {
        m_nGapStart = m_nGapEnd = nIndex;
    } else if (nIndex < m_nGapStart) {
        const std::size_t nCount = m_nGapStart - nIndex;
        std::move_backward(m_aSlots.begin() + nIndex, m_aSlots.begin() + m_nGapStart,
                           m_aSlots.begin() + m_nGapEnd);
        m_nGapStart -= nCount;
        m_nGapEnd -= nCount;
    } else if (nIndex > m_nGapStart) {
        const std::size_t nCount = nIndex - m_nGapStart;
        std::move(m_aSlots.begin() + m_nGapEnd, m_aSlots.begin() + m_nGapEnd + nCount,
                  m_aSlots.begin() + m_nGapStart);
        m_nGapStart += nCount;
        m_nGapEnd += nCount;
    }
}

// Doubles the capacity; the new room becomes the gap, at the same place as before. Each
// record of the new array is written once.
void ItemStore::Grow() {
    const std::size_t nOldCapacity = m_aSlots.size();
    const std::size_t nNewCapacity = std::max(kInitialCapacity, nOldCapacity * 2);
    const std::size_t nTail = nOldCapacity - m_nGapEnd;
    std::vector<ListItem> aNewSlots;
    aNewSlots.reserve(nNewCapacity);
    std::move(m_aSlots.begin(), m_aSlots.begin() + m_nGapStart, std::back_inserter(aNewSlots));
    aNewSlots.resize(nNewCapacity - nTail);
    std::move(m_aSlots.begin() + m_nGapEnd, m_aSlots.end(), std::back_inserter(aNewSlots));
    m_aSlots = std::move(aNewSlots);
    m_nGapEnd = nNewCapacity - nTail;
}

}  // namespace qv
