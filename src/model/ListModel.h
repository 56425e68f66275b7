#pragma once

#include <vector>

#include "access/AccessSink.h"
#include "model/Enums.h"
#include "model/ItemStore.h"
#include "platform/Variant.h"

namespace qv {

// Told when a check mark toggles by user input, once the mark, the checking order and the
// current item are up to date. The listener may edit the list from inside the call.
class IListModelEvents {
  public:
    virtual void OnItemCheck(Long nIndex) = 0;

  protected:
    ~IListModelEvents() = default;
};

// The list and its rules: the items, the current item, the anchor and the range memory of
// extended selection, the checking order and its cap. It knows nothing of windows,
// drawing or the host; its owner redraws, scrolls and raises events where the answers of
// these operations say something changed.
//
// Invariants: -1 <= current item < count (only a freshly initialised list holds 0 with no
// items); the store counts exactly the items with a set flag; in check style the checking
// order names each checked item once, oldest first, and never more than MaxCheck when the
// cap is above 0; the range memory holds, in ascending order, only selected items.
class ListModel {
  public:
    // The list never holds more than this many items.
    static constexpr Long kMaxListCount = 30001;

    explicit ListModel(IListModelEvents& events) : m_events(events) {}
    ListModel(const ListModel&) = delete;
    ListModel& operator=(const ListModel&) = delete;

    void SetAccessSink(access::IAccessSink* pSink) { m_pAccessSink = pSink; }
    bool HasAccessSink() const { return m_pAccessSink != nullptr; }
    void NotifyAccess(access::AccessEvent eEvent, Long nIndex, Long nCause = -1) const {
        if (m_pAccessSink) m_pAccessSink->OnAccessNotice({eEvent, nIndex, nCause});
    }

    // The state as the owner, its painting and its tests read it.
    Long ListCount() const { return m_nListCount; }
    Long ListIndex() const { return m_nListIndex; }
    Long AnchorIndex() const { return m_nAnchorIndex; }
    Long MaxCheck() const { return m_nMaxCheck; }
    enmStyle Style() const { return m_eStyle; }
    enmMultiSelect MultiSelect() const { return m_eMultiSelect; }
    Boolean HasFocus() const { return m_bHasFocus; }
    Long SelCount() const { return static_cast<Long>(m_aItems.SelectedCount()); }
    const std::vector<Long>& SelList() const { return m_aSelList; }
    Long SelListCount() const { return m_nSelListCount; }
    const std::vector<Long>& CheckList() const { return m_aCheckList; }
    Long CheckListCount() const { return m_nCheckListCount; }
    bool IsValidIndex(Long nIndex) const { return nIndex >= 0 && nIndex < m_nListCount; }
    // Raises subscript out of range (9) for an index that names no item.
    const ListItem& Item(Long nIndex) const;

    // Copies a field of a valid item into value; False, and value untouched, otherwise.
    template <typename TValue>
    Boolean ReadField(Long nIndex, TValue ListItem::*pField, TValue& value) const {
        if (!IsValidIndex(nIndex)) return VbFalse;
        value = Item(nIndex).*pField;
        return VbTrue;
    }
    // Stores a different value into a field of a valid item; false when nothing changed.
    template <typename TValue>
    bool ChangeField(Long nIndex, TValue ListItem::*pField, const TValue& value) {
        if (!IsValidIndex(nIndex) || Item(nIndex).*pField == value) return false;
        MutableItem(nIndex).*pField = value;
        return true;
    }

    // Empties the list and its memories; Initialize also makes item 0 current and drops the
    // focus, as a new control starts.
    void Initialize();
    void Terminate();

    // List edits. InsertItem answers the new item's index, or -1 when the list is full.
    Long InsertItem(Long nIndex, ListItem item);
    bool RemoveItem(Long nIndex);
    void RemoveAll();

    // What SetSelectedItem changed: nothing, the one item's flag, or the whole list's.
    enum class FlagChange { None, Item, List };
    FlagChange SetSelectedItem(Long nIndex, Boolean bValue);

    // User input and the host's current item. Each answers true when the current item or
    // a flag changed, so the owner redraws.
    bool SelectByInput(Long nIndex, Integer nShift, bool bToggleCheck);
    bool SetCurrentIndex(Long nIndex, bool bAllowNone);
    // A value outside -1 .. ListCount - 1 is ignored (false); in single selection the
    // selection follows the current item.
    bool SetListIndex(Long nValue);
    void SelectAll();
    // Check style: toggles the item's mark, keeps the checking order and tells the events
    // object; false for an index that names no item or in normal style.
    bool ToggleItemCheck(Long nIndex);

    // The rule settings, already validated by the owner.
    void SetStyle(enmStyle eStyle);
    void SetMultiSelect(enmMultiSelect eMode);
    void SetMaxCheck(Long nValue);
    void SetHasFocus(Boolean bValue);
    // Saved values, stored as they come: no rule runs.
    void LoadStyle(enmStyle eStyle) { m_eStyle = eStyle; }
    void LoadMultiSelect(enmMultiSelect eMode) { m_eMultiSelect = eMode; }
    void LoadMaxCheck(Long nValue) { m_nMaxCheck = nValue; }
    void ForgetListIndex() { m_nListIndex = -1; }

  private:
    ListItem& MutableItem(Long nIndex);

    // Selection. Every selected flag is written through SetItemSelected or the store's
    // own selection operations, which keep the count of selected items.
    void SetItemSelected(Long nIndex, Boolean bValue);
    void ClearSelList();
    bool SelectSingle(Long nIndex, bool bToggle);
    bool ToggleSelected(Long nIndex);
    bool SelectRange(Long nIndex, Long nOther);
    void ClearAllFlags();
    bool ApplySelectionRule(Long nIndex, Integer nShift, bool bToggleCheck);
    void ResetFlagsAndCurrentItem();

    // Check marks and their order.
    void AddCheckIndex(Long nIndex);
    void RemoveCheckIndex(Long nIndex);
    void RemoveCheckEntry(Long nPos);
    void ShiftCheckList(Long nIndex, bool bInsert);
    void ClearCheckList();
    void TrimCheckList();

    // Accessibility notices; with no listener they cost one pointer test.
    void NotifyAccessMark(Long nIndex, bool bMarked) const;
    void NotifyAccessFocus() const;
    void NotifyAccessRange(const std::vector<Long>& aUndone) const;
    std::vector<Long> SelectedItems() const;
    void NotifySingleSelection(const std::vector<Long>& aWere, Long nIndex) const;

    IListModelEvents& m_events;
    access::IAccessSink* m_pAccessSink = nullptr;

    Boolean m_bHasFocus = VbFalse;
    Long m_nListIndex = 0;
    Long m_nAnchorIndex = 0;
    std::vector<Long> m_aSelList;
    Long m_nSelListCount = 0;
    std::vector<Long> m_aCheckList;
    Long m_nCheckListCount = 0;
    ItemStore m_aItems;
    Long m_nListCount = 0;
    enmStyle m_eStyle = lsNormal;
    enmMultiSelect m_eMultiSelect = msSingle;
    Long m_nMaxCheck = 0;
};

}  // namespace qv
