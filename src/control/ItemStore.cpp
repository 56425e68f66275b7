#include "control/ItemStore.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace qv {

namespace {
constexpr std::size_t kInitialCapacity = 16;
}

void ItemStore::Insert(std::size_t nIndex, ListItem item) {
    if (GapLength() == 0) Grow();
    MoveGapTo(nIndex);
    m_aSlots[m_nGapStart++] = std::move(item);
}

void ItemStore::Erase(std::size_t nIndex) {
    MoveGapTo(nIndex);
    m_aSlots[m_nGapEnd++] = ListItem{};
}

void ItemStore::Clear() {
    m_aSlots.clear();
    m_aSlots.shrink_to_fit();
    m_nGapStart = m_nGapEnd = 0;
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
