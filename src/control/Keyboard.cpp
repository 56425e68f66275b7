// The keyboard on the list: navigation keys move the current item and bring it into
// view, Space toggles, Ctrl+A selects everything in extended selection, and every key is
// reported to the host.
//
//   key               | target                                        | scroll mode | always
//   ------------------+-----------------------------------------------+-------------+-------
//   Home              | 0                                             | 0           | yes
//   End               | last item                                     | 0           | yes
//   Page Down         | current + rows counted - 1 (- 1 more when the | 2           | yes
//                     | last row is cut off)                          |             |
//   Page Up           | top row, or a page above when already on it   | 0           | yes
//   Up, Left          | current - 1                                   | 0           | no
//   Down, Right       | current + 1                                   | 1 (2 at end)| no
#include <optional>

#include "control/ColorListBox.h"
#include "platform/Checked.h"

namespace qv {

namespace {

constexpr Integer kVkSpace = 32;
constexpr Integer kVkPageUp = 33;
constexpr Integer kVkPageDown = 34;
constexpr Integer kVkEnd = 35;
constexpr Integer kVkHome = 36;
constexpr Integer kVkLeft = 37;
constexpr Integer kVkUp = 38;
constexpr Integer kVkRight = 39;
constexpr Integer kVkDown = 40;
constexpr Integer kVkA = 65;
constexpr Integer kCtrlHeld = 2;

}  // namespace

std::optional<ColorListBox::KeyMove> ColorListBox::NavigationMove(Integer nKeyCode) const {
    switch (nKeyCode) {
        case kVkHome:
            return KeyMove{0, 0, true};
        case kVkEnd:
            return KeyMove{CheckedSub(m_nListCount, 1), 0, true};
        case kVkPageDown: {
            Long nTarget = CheckedSub(CheckedAdd(m_nListIndex, m_nVisibleCount), 1);
            if (!IsLastRowWhole().IsTrue()) nTarget = CheckedSub(nTarget, 1);
            return KeyMove{nTarget, 2, true};
        }
        case kVkPageUp: {
            const Long nTarget = m_nListIndex != m_nTopIndex
                                     ? m_nTopIndex
                                     : CheckedAdd(CheckedSub(m_nTopIndex, m_nVisibleCount), 1);
            return KeyMove{nTarget, 0, true};
        }
        case kVkUp:
        case kVkLeft:
            return KeyMove{CheckedSub(m_nListIndex, 1), 0, false};
        case kVkDown:
        case kVkRight: {
            const Long nTarget = CheckedAdd(m_nListIndex, 1);
            return KeyMove{nTarget, static_cast<Integer>(nTarget >= m_nListCount ? 2 : 1), false};
        }
        default:
            return std::nullopt;
    }
}

void ColorListBox::UserControl_KeyDown(Integer& nKeyCode, Integer& nShift) {
    Integer nShiftCopy = nShift;
    if (nKeyCode == kVkSpace) {
        ToggleByKeyboard(nShiftCopy);
        return;  // Space is never reported as a key going down
    }
    if (const std::optional<KeyMove> move = NavigationMove(nKeyCode)) {
        MoveByKeyboard(*move, nShiftCopy);
    } else if (nKeyCode == kVkA && (nShift & kCtrlHeld) && m_eMultiSelect == msExtend &&
               m_eStyle == lsNormal) {
        SelectAll();
        RedrawList();
    }
    m_events.Raise([&](ColorListBoxEvents& sink) {
        Integer nCode = nKeyCode, nShiftArg = nShift;
        sink.KeyDown(nCode, nShiftArg);
    });
}

void ColorListBox::MoveByKeyboard(const KeyMove& move, Integer nShift) {
    Long nTarget = move.nTarget < 0 ? 0 : move.nTarget;
    if (nTarget >= m_nListCount) nTarget = CheckedSub(m_nListCount, 1);
    // Ctrl with a navigation key in extended selection moves like the plain key.
    if (m_eMultiSelect == msExtend && m_eStyle == lsNormal && (nShift & kCtrlHeld)) nShift = 0;
    if (m_eStyle == lsNormal && m_eMultiSelect == msMulti) {
        if (SetCurrentIndex(nTarget, false)) RedrawList();
    } else {
        SelectByInput(nTarget, nShift, false);
    }
    if (GetItemVisibility(m_nListIndex) != 1 || move.bScrollAlways)
        ScrollToIndex(m_nListIndex, move.nScrollMode);
}

// Space toggles the current check mark, or the current item in multi selection.
void ColorListBox::ToggleByKeyboard(Integer nShift) {
    if (m_eStyle == lsCheck) {
        SelectByInput(m_nListIndex, nShift, true);
    } else if (m_eMultiSelect == msMulti) {
        SelectByInput(m_nListIndex, nShift, false);
    }
}

void ColorListBox::UserControl_KeyPress(Integer& nKeyAscii) {
    m_events.Raise([&](ColorListBoxEvents& sink) {
        Integer nAscii = nKeyAscii;
        sink.KeyPress(nAscii);
    });
}

void ColorListBox::UserControl_KeyUp(Integer& nKeyCode, Integer& nShift) {
    m_events.Raise([&](ColorListBoxEvents& sink) {
        Integer nCode = nKeyCode, nShiftArg = nShift;
        sink.KeyUp(nCode, nShiftArg);
    });
}

void ColorListBox::UserControl_GotFocus() {
    m_bHasFocus = VbTrue;
    NotifyAccessFocus();
    RedrawList();
}

// Losing the focus also ends a drag.
void ColorListBox::UserControl_LostFocus() {
    m_bMouseDown = VbFalse;
    m_bHasFocus = VbFalse;
    RedrawList();
}

}  // namespace qv
