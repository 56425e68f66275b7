// The current item: moving it by user input and by the host's ListIndex.
#include "model/ListModel.h"
#include "platform/Checked.h"
#include "platform/win32/Input.h"

namespace qv {

// The one way a click, a drag step, a hover step or a navigation key moves the current
// item. The index is clamped into the list (-1 only for an empty list). In extended
// selection without Shift the item becomes the anchor. Then:
//
//   Style     MultiSelect  Shift state         effect on the flags
//   --------  -----------  ------------------  ------------------------------------------
//   lsCheck   any          any                 the item's mark toggles when bToggleCheck
//                                              is set; no other flag changes
//   lsNormal  msSingle     any                 the item becomes the only selected one
//   lsNormal  msMulti      any                 the item's flag toggles
//   lsNormal  msExtend     Ctrl (Shift or not) range forgotten, the item's flag toggles
//   lsNormal  msExtend     Shift only          previous range undone, anchor .. item
//                                              selected, other flags kept
//   lsNormal  msExtend     neither             range forgotten, the item becomes the only
//                                              selected one
//
// The current item moves before the flags change, so that a host handling the ItemCheck
// this raises sees the whole new state, and list edits it makes there carry the current
// item along. Answers whether the current item or a flag changed; raises no event of its
// own.
bool ListModel::SelectByInput(Long nIndex, Integer nShift, bool bToggleCheck) {
    if (nIndex < 0) nIndex = 0;
    if (nIndex >= m_nListCount) nIndex = CheckedSub(m_nListCount, 1);
    if (m_eMultiSelect == msExtend && m_eStyle == lsNormal && (nShift & win32::kShiftMask) == 0)
        m_nAnchorIndex = nIndex;
    const bool bMoved = nIndex != m_nListIndex;
    m_nListIndex = nIndex;
    if (bMoved) NotifyAccessFocus();
    const bool bChanged = ApplySelectionRule(nIndex, nShift, bToggleCheck);
    return bMoved || bChanged;
}

bool ListModel::ApplySelectionRule(Long nIndex, Integer nShift, bool bToggleCheck) {
    if (m_eStyle == lsCheck) return SelectSingle(nIndex, bToggleCheck);
    switch (m_eMultiSelect) {
        case msMulti:
            return ToggleSelected(nIndex);
        case msExtend:
            if ((nShift & win32::kCtrlMask) != 0) {
                ClearSelList();
                return ToggleSelected(nIndex);
            }
            if ((nShift & win32::kShiftMask) != 0) return SelectRange(nIndex, m_nAnchorIndex);
            ClearSelList();
            return SelectSingle(nIndex, false);
        case msSingle:
        default:
            return SelectSingle(nIndex, false);
    }
}

// Moves the current item without touching a flag. Out-of-list indices become no item when
// that is allowed, else the nearest end. True when the current item changed; the caller
// redraws.
bool ListModel::SetCurrentIndex(Long nIndex, bool bAllowNone) {
    if (nIndex < 0) nIndex = bAllowNone ? -1 : 0;
    if (nIndex >= m_nListCount) nIndex = bAllowNone ? -1 : CheckedSub(m_nListCount, 1);
    if (nIndex == m_nListIndex) return false;
    m_nListIndex = nIndex;
    NotifyAccessFocus();
    return true;
}

bool ListModel::SetListIndex(Long nValue) {
    if (nValue < -1 || nValue >= m_nListCount) return false;
    const bool bMoved = nValue != m_nListIndex;
    m_nListIndex = nValue;
    if (bMoved) NotifyAccessFocus();
    if (m_eStyle == lsNormal && m_eMultiSelect == msSingle) SelectSingle(nValue, false);
    return true;
}

}  // namespace qv
