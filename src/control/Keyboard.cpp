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
#include "platform/win32/Input.h"

namespace qv {

using namespace win32;

std::optional<ColorListBox::KeyMove> ColorListBox::NavigationMove(Integer nKeyCode) const {
    switch (nKeyCode) {
        case VK_HOME:
            return KeyMove{0, 0, true};
        case VK_END:
            return KeyMove{CheckedSub(m_model.ListCount(), 1), 0, true};
        case VK_NEXT: {
            Long nTarget = CheckedSub(CheckedAdd(m_model.ListIndex(), m_nVisibleCount), 1);
            if (!IsLastRowWhole().IsTrue()) nTarget = CheckedSub(nTarget, 1);
            return KeyMove{nTarget, 2, true};
        }
        case VK_PRIOR: {
            const Long nTarget = m_model.ListIndex() != m_nTopIndex
                                     ? m_nTopIndex
                                     : CheckedAdd(CheckedSub(m_nTopIndex, m_nVisibleCount), 1);
            return KeyMove{nTarget, 0, true};
        }
        case VK_UP:
        case VK_LEFT:
            return KeyMove{CheckedSub(m_model.ListIndex(), 1), 0, false};
        case VK_DOWN:
        case VK_RIGHT: {
            const Long nTarget = CheckedAdd(m_model.ListIndex(), 1);
            return KeyMove{nTarget, static_cast<Integer>(nTarget >= m_model.ListCount() ? 2 : 1),
                           false};
        }
        default:
            return std::nullopt;
    }
}

void ColorListBox::UserControl_KeyDown(Integer& nKeyCode, Integer& nShift) {
    Integer nShiftCopy = nShift;
    if (nKeyCode == VK_SPACE) {
        ToggleByKeyboard(nShiftCopy);
        return;  // Space is never reported as a key going down
    }
    if (const std::optional<KeyMove> move = NavigationMove(nKeyCode)) {
        MoveByKeyboard(*move, nShiftCopy);
    } else if (nKeyCode == 'A' && (nShift & kCtrlMask) && m_model.MultiSelect() == msExtend &&
               m_model.Style() == lsNormal) {
        m_model.SelectAll();
        RedrawList();
    }
    m_events.Raise([&](ColorListBoxEvents& sink) {
        Integer nCode = nKeyCode, nShiftArg = nShift;
        sink.KeyDown(nCode, nShiftArg);
    });
}

void ColorListBox::MoveByKeyboard(const KeyMove& move, Integer nShift) {
    Long nTarget = move.nTarget < 0 ? 0 : move.nTarget;
    if (nTarget >= m_model.ListCount()) nTarget = CheckedSub(m_model.ListCount(), 1);
    // Ctrl with a navigation key in extended selection moves like the plain key.
    if (m_model.MultiSelect() == msExtend && m_model.Style() == lsNormal && (nShift & kCtrlMask))
        nShift = 0;
    if (m_model.Style() == lsNormal && m_model.MultiSelect() == msMulti) {
        if (m_model.SetCurrentIndex(nTarget, false)) RedrawList();
    } else {
        SelectByInput(nTarget, nShift, false);
    }
    if (GetItemVisibility(m_model.ListIndex()) != 1 || move.bScrollAlways)
        ScrollToIndex(m_model.ListIndex(), move.nScrollMode);
}

// Space toggles the current check mark, or the current item in multi selection.
void ColorListBox::ToggleByKeyboard(Integer nShift) {
    if (m_model.Style() == lsCheck) {
        SelectByInput(m_model.ListIndex(), nShift, true);
    } else if (m_model.MultiSelect() == msMulti) {
        SelectByInput(m_model.ListIndex(), nShift, false);
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
    m_model.SetHasFocus(VbTrue);
    RedrawList();
}

// Losing the focus also ends a drag.
void ColorListBox::UserControl_LostFocus() {
    m_bMouseDown = VbFalse;
    m_model.SetHasFocus(VbFalse);
    RedrawList();
}

}  // namespace qv
