#pragma once

#include <cstddef>
#include <vector>

#include "model/ListItem.h"

namespace qv {

// The item array: indexed access in constant time, and insertion and removal that move
// only the records between the previous and the current edit point (a gap buffer), so
// appending, or inserting again and again at one place, costs constant time per item.
//
// Selected flags are written through SetSelected and its companions only. The store then
// knows how many items are selected and a span of indices outside which none is, so
// clearing or moving a single selection costs what the span holds, not the whole list.
class ItemStore {
  public:
    // Half-open range of indices that holds every selected item; empty when none is.
    struct Span {
        std::size_t nFirst = 0;
        std::size_t nEnd = 0;
    };

    std::size_t Size() const { return m_aSlots.size() - GapLength(); }
    bool Empty() const { return Size() == 0; }

    ListItem& operator[](std::size_t nIndex) { return m_aSlots[SlotOf(nIndex)]; }
    const ListItem& operator[](std::size_t nIndex) const { return m_aSlots[SlotOf(nIndex)]; }

    // nIndex may equal Size() (append).
    void Insert(std::size_t nIndex, ListItem item);
    void Erase(std::size_t nIndex);
    void Clear();

    // The flag is stored as given, so an odd value such as 5 reads back unchanged.
    void SetSelected(std::size_t nIndex, Boolean bValue) {
        Boolean& bFlag = (*this)[nIndex].bSelected;
        const bool bWas = bFlag.IsTrue();
        bFlag = bValue;
        if (!bWas && bValue.IsTrue()) CountSelected(nIndex);
        if (bWas && !bValue.IsTrue()) CountDeselected();
    }
    void SetAllSelected(Boolean bValue);
    // Leaves nIndex as the only item with a set flag (a stored odd value stays as it is);
    // an index outside the list clears every flag. True when a flag changed.
    bool SelectOnly(std::size_t nIndex);
    std::size_t SelectedCount() const { return m_nSelectedCount; }
    Span SelectedSpan() const { return m_selectedSpan; }

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
    void CountSelected(std::size_t nIndex) {
        if (m_nSelectedCount++ == 0) {
            m_selectedSpan = {nIndex, nIndex + 1};
            return;
        }
        if (nIndex < m_selectedSpan.nFirst) m_selectedSpan.nFirst = nIndex;
        if (nIndex >= m_selectedSpan.nEnd) m_selectedSpan.nEnd = nIndex + 1;
    }
    void CountDeselected() {
        if (--m_nSelectedCount == 0) m_selectedSpan = {};
    }

    std::vector<ListItem> m_aSlots;  // the gap holds empty records
    std::size_t m_nGapStart = 0;
    std::size_t m_nGapEnd = 0;
    std::size_t m_nSelectedCount = 0;
    Span m_selectedSpan;
};

}  // namespace qv
