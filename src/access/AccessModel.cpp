// The accessibility model of the list: roles, states, bounds and the default action of the
// list and its items, computed from the control's state whenever a client asks.
#include "access/AccessModel.h"

#include <algorithm>
#include <utility>

#include "access/AccessSink.h"

namespace qv::access {

namespace {

StateSet ListSelectStates(const ListFacts& list) {
    if (list.bCheckStyle) return kStateNone;  // check marks are states of the items
    switch (list.eMode) {
        case SelectMode::Multi:
            return kStateMultiSelectable;
        case SelectMode::Extended:
            return kStateMultiSelectable | kStateExtSelectable;
        case SelectMode::Single:
        default:
            return kStateNone;
    }
}

bool IsRowInView(const ListFacts& list, Long nIndex) {
    return nIndex >= list.nTop && nIndex - list.nTop < list.nRowsInView;
}

StateSet ItemStates(const ListFacts& list, const ItemFacts& item, Long nIndex) {
    StateSet states = kStateNone;
    if (item.bMarked) states |= list.bCheckStyle ? kStateChecked : kStateSelected;
    // Only one object has the focus: the current item, while the list has it.
    if (nIndex == list.nCurrent && list.bFocused) states |= kStateFocused;
    if (!IsRowInView(list, nIndex)) states |= kStateOffscreen;
    if (!list.bEnabled) states |= kStateDisabled;
    return states;
}

std::string DefaultActionName(const ListFacts& list, const ItemFacts& item) {
    if (list.bCheckStyle) return item.bMarked ? "Uncheck" : "Check";
    if (list.eMode == SelectMode::Multi && item.bMarked) return "Deselect";
    return "Select";
}

}  // namespace

AccessibleList AccessModel::List() const {
    const ListFacts list = m_view.List();
    StateSet states = ListSelectStates(list);
    if (list.bFocused) states |= kStateFocused;
    if (!list.bEnabled) states |= kStateDisabled;
    return AccessibleList{Role::List, m_sName, states, list.nCount};
}

std::optional<AccessibleItem> AccessModel::Item(Long nIndex) const {
    const ListFacts list = m_view.List();
    if (nIndex < 0 || nIndex >= list.nCount) return std::nullopt;
    ItemFacts item = m_view.Item(nIndex);
    AccessibleItem result;
    result.eRole = list.bCheckStyle ? Role::CheckBox : Role::ListItem;
    result.states = ItemStates(list, item, nIndex);
    result.bounds =
        Bounds{0, (nIndex - list.nTop) * list.nRowHeight, list.nRowWidth, list.nRowHeight};
    result.nIndex = nIndex;
    result.nPosition = nIndex + 1;
    result.nCount = list.nCount;
    result.sDefaultAction = DefaultActionName(list, item);
    result.sName = std::move(item.sText);
    return result;
}

RowsInView AccessModel::VisibleRows() const {
    const ListFacts list = m_view.List();
    const Long nFirst = std::clamp<Long>(list.nTop, 0, list.nCount);
    const Long nCount = std::clamp<Long>(list.nRowsInView, 0, list.nCount - nFirst);
    return RowsInView{nFirst, nCount};
}

Long AccessModel::HitTest(Long nX, Long nY) const {
    const ListFacts list = m_view.List();
    if (nX < 0 || nX >= list.nRowWidth || nY < 0 || list.nRowHeight <= 0) return -1;
    const Long nRow = nY / list.nRowHeight;
    if (nRow >= list.nRowsInView) return -1;
    const Long nIndex = list.nTop + nRow;
    return nIndex < list.nCount ? nIndex : -1;
}

bool AccessModel::DoDefaultAction(Long nIndex) {
    const ListFacts list = m_view.List();
    if (nIndex < 0 || nIndex >= list.nCount || !list.bEnabled) return false;
    m_actions.ActOnItem(nIndex);
    return true;
}

const char* RoleName(Role eRole) {
    switch (eRole) {
        case Role::List:
            return "list";
        case Role::CheckBox:
            return "checkbox";
        case Role::ListItem:
        default:
            return "listitem";
    }
}

std::string StateNames(StateSet states) {
    static constexpr std::pair<State, const char*> kNames[] = {
        {kStateSelected, "selected"},
        {kStateFocused, "focused"},
        {kStateChecked, "checked"},
        {kStateOffscreen, "offscreen"},
        {kStateDisabled, "disabled"},
        {kStateMultiSelectable, "multiselectable"},
        {kStateExtSelectable, "extselectable"},
    };
    std::string sNames;
    for (const auto& [eState, pName] : kNames) {
        if ((states & eState) == 0) continue;
        if (!sNames.empty()) sNames += ',';
        sNames += pName;
    }
    return sNames.empty() ? "none" : sNames;
}

const char* AccessEventName(AccessEvent eEvent) {
    switch (eEvent) {
        case AccessEvent::Focus:
            return "focus";
        case AccessEvent::SelectionAdd:
            return "selectionadd";
        case AccessEvent::SelectionRemove:
            return "selectionremove";
        case AccessEvent::StateChange:
            return "statechange";
        case AccessEvent::Evict:
            return "evict";
        case AccessEvent::Scroll:
            return "scroll";
        case AccessEvent::Reorder:
        default:
            return "reorder";
    }
}

}  // namespace qv::access
