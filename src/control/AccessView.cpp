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
    const ListModel& model = c.Model();
    access::ListFacts list;
    list.nCount = model.ListCount();
    list.nCurrent = model.IsValidIndex(model.ListIndex()) ? model.ListIndex() : -1;
    list.nTop = c.m_nTopIndex;
    // The count of rows in view is kept only while the list has items.
    list.nRowsInView = list.nCount == 0 ? 0 : std::min<Long>(c.m_nVisibleCount, list.nCount);
    list.nRowHeight = c.m_nItemHeight;
    list.nRowWidth = RoundToLong(c.m_userControl.ScaleWidth());
    list.bCheckStyle = model.Style() == lsCheck;
    list.eMode = ToSelectMode(model.MultiSelect());
    list.bFocused = model.HasFocus().IsTrue();
    list.bEnabled = c.Enabled().IsTrue();
    return list;
}

access::ItemFacts ColorListBoxAccess::Item(Long nIndex) const {
    const ListItem& item = m_control.Model().Item(nIndex);
    return access::ItemFacts{item.sText, item.bSelected.IsTrue()};
}

// As a click on the row without modifiers, but a check toggles wherever the row is hit.
void ColorListBoxAccess::ActOnItem(Long nIndex) {
    m_control.SelectByInput(nIndex, 0, m_control.Style() == lsCheck);
}

}  // namespace qv
