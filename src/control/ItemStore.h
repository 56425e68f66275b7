#pragma once

#include <cstddef>
#include <vector>

#include "control/ListItem.h"

namespace qv {

// The item array: indexed access in constant time, and insertion and removal that move
// only the records between the previous and the current edit point (a gap buffer), so
// appending, or inserting again and again at one place, costs constant time per item.
class ItemStore {
  public:
    std::size_t Size() const { return m_aSlots.size() - GapLength(); }
    bool Empty() const { return Size() == 0; }

    ListItem& operator[](std::size_t nIndex) { return m_aSlots[SlotOf(nIndex)]; }
    const ListItem& operator[](std::size_t nIndex) const { return m_aSlots[SlotOf(nIndex)]; }

    // nIndex may equal Size() (append).
    void Insert(std::size_t nIndex, ListItem item);
    void Erase(std::size_t nIndex);
    void Clear();

    template <typename TFunction>
    void ForEach(TFunction&& function) {
        for (std::size_t i = 0; i < m_nGapStart; ++i) function(m_aSlots[i]);
        for (std::size_t i = m_nGapEnd; i < m_aSlots.size(); ++i) function(m_aSlots[i]);
    }

  private:
    std::size_t GapLength() const { return m_nGapEnd - m_nGapStart; }
    std::size_t SlotOf(std::size_t nIndex) const {
        return nIndex < m_nGapStart ? nIndex : nIndex + GapLength();
    }
    void MoveGapTo(std::size_t nIndex);
    void Grow();

    std::vector<ListItem> m_aSlots;  // the gap holds empty records
    std::size_t m_nGapStart = 0;
    std::size_t m_nGapEnd = 0;
};

}  // namespace qv
