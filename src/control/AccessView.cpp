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
    const ColorListBox::RowLayout rows = c.Rows();
    list.nTop = rows.nTopIndex;
    // The count of rows in view is kept only while the list has items.
    list.nRowsInView = list.nCount == 0 ? 0 : std::min<Long>(rows.nVisibleCount, list.nCount);
    list.nRowHeight = rows.nItemHeight;
    list.nRowWidth = rows.nRowWidth;
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

void ColorListBoxAccess::ActOnItem(Long nIndex) {
    m_control.ChooseItem(nIndex);
}

}  // namespace qv
