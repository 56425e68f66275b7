// Selected flags, the current item and the range memory of extended selection.
#include "control/ColorListBox.h"

namespace qv {

void ColorListBox::ClearSelList() {
    m_aSelList.clear();
    m_nSelListCount = 0;
}

// Normal style: nIndex becomes the only selected item (an index outside the list
// deselects every item). Check style: only nIndex's mark may toggle, when asked to.
bool ColorListBox::SelectSingle(Long nIndex, bool bToggle) {
    bool bChanged = false;
    for (Long i = 0; i < m_nListCount; ++i) {
        ListItem& item = Item(i);
        if (m_eStyle == lsCheck) {
            if (i == nIndex && bToggle && ToggleItemCheck(i)) bChanged = true;
            continue;
        }
        const Boolean bWanted = Boolean::FromBool(i == nIndex);
        if (item.bSelected.IsTrue() != bWanted.IsTrue()) {
            item.bSelected = bWanted;
            bChanged = true;
        }
    }
    return bChanged;
}

void ColorListBox::ClearAllFlags() {
    m_aItems.ForEach([](ListItem& item) { item.bSelected = VbFalse; });
}

// Sets a flag directly: in multi and extended selection only that item changes; in
// single selection, and for check marks, it becomes the only item with that flag.
// Neither the current item nor the anchor moves.
Boolean ColorListBox::SetSelectedItem(Long nIndex, Boolean bValue) {
    if (!IsValidIndex(nIndex) || Item(nIndex).bSelected == bValue) return VbFalse;
    if (m_eStyle == lsNormal && (m_eMultiSelect == msMulti || m_eMultiSelect == msExtend)) {
        ClearSelList();
        Item(nIndex).bSelected = bValue;
        if (GetItemVisibility(nIndex) != 0) RedrawList();
        return VbTrue;
    }
    ClearAllFlags();
    Item(nIndex).bSelected = bValue;
    RedrawList();
    return VbTrue;
}

}  // namespace qv
