// The mouse on the list: a press selects or toggles, a drag carries the selection along
// the rows and scrolls beyond them, also while the pointer rests.
//
//   state       | event                                   | action
//   ------------+-----------------------------------------+---------------------------------
//   idle        | left press on the rows                  | select or toggle; dragging
//   dragging    | move within the rows, onto a new row    | drag step to that row; no scroll
//   dragging    | move above, current item not the first  | scroll up one row, drag step, hover
//   dragging    | move below, last item not fully shown   | scroll down one row, drag step, hover
//   any         | hover in a scroll direction             | one more row that way, drag step, hover
//   dragging    | release of any button, or lost focus    | idle
#include "control/ColorListBox.h"
#include "platform/Checked.h"
#include "platform/win32/Input.h"
#include "platform/win32/User.h"
#include "render/RectMath.h"

namespace qv {

namespace {
constexpr win32::DWORD kHoverMilliseconds = 100;
constexpr Long kCheckZoneRight = 15;
}  // namespace

// The first row also catches every point above the list, the last every point below it.
void ColorListBox::HitTestRow(Long nX, Long nY, bool& bOnCheck, Long& nIndex) const {
    Long nLast = CheckedSub(CheckedAdd(m_nTopIndex, m_nVisibleCount), 1);
    if (nLast >= m_model.ListCount()) nLast = CheckedSub(m_model.ListCount(), 1);
    nIndex = -1;
    if (m_nTopIndex > nLast) return;
    for (Long i = m_nTopIndex; i <= nLast; ++i) {
        const Long nTop = CheckedMul(CheckedSub(i, m_nTopIndex), m_nItemHeight);
        const Long nBottom = CheckedAdd(nTop, m_nItemHeight);
        const bool bHit = i == m_nTopIndex ? nY < nBottom
                          : i == nLast     ? nY >= nTop
                                           : nY >= nTop && nY < nBottom;
        if (!bHit) continue;
        nIndex = i;
        const win32::RECT rcCheck = MakeRect(0, nTop, kCheckZoneRight, nBottom);
        bOnCheck = m_model.Style() == lsCheck && RectContainsPoint(rcCheck, nX, nY).IsTrue();
        if (i == m_model.ListIndex()) bOnCheck = true;
        return;
    }
}

void ColorListBox::UserControl_MouseDown(Integer nButton, Integer nShift, float fX, float fY) {
    const Long nRowsBottom =
        CheckedMul(CheckedSub(m_model.ListCount(), m_nTopIndex), m_nItemHeight);
    if (nButton == win32::kLeftButton && fY <= static_cast<float>(nRowsBottom)) {
        m_bMouseDown = VbTrue;
        bool bOnCheck = false;
        Long nIndex = -1;
        HitTestRow(RoundToLong(fX), RoundToLong(fY), bOnCheck, nIndex);
        SelectByInput(nIndex, nShift, bOnCheck);
    }
    RaiseMouse(&ColorListBoxEvents::MouseDown, nButton, nShift, fX, fY);
}

void ColorListBox::UserControl_MouseMove(Integer nButton, Integer nShift, float fX, float fY) {
    if (m_bMouseDown.IsTrue() && m_model.ListCount() > 1)
        DragTo(RoundToLong(fX), RoundToLong(fY), fY);
    RaiseMouse(&ColorListBoxEvents::MouseMove, nButton, nShift, fX, fY);
}

void ColorListBox::DragTo(Long nX, Long nY, float fY) {
    bool bOnCheck = false;
    Long nIndex = -1;
    HitTestRow(nX, nY, bOnCheck, nIndex);
    if (nIndex == -1) return;
    Long nTarget = nIndex;
    if (fY < 0 && m_model.ListIndex() > 0) {
        nTarget = CheckedSub(nIndex, 1);
        ScrollToIndex(nTarget, 0);
        m_nAutoScrollDir = 1;
        TrackHover();
    } else if (fY > m_userControl.ScaleHeight() &&
               GetItemVisibility(CheckedSub(m_model.ListCount(), 1)) != 1) {
        nTarget = CheckedAdd(nIndex, 1);
        ScrollToIndex(nTarget, 1);
        m_nAutoScrollDir = 2;
        TrackHover();
    } else {
        m_nAutoScrollDir = 0;
        if (nTarget == m_model.ListIndex()) return;
    }
    DragStep(nTarget);
}

// In multi selection a drag moves only the current item; otherwise it selects as Shift
// does, and never toggles a check mark.
void ColorListBox::DragStep(Long nTarget) {
    if (m_model.Style() == lsNormal && m_model.MultiSelect() == msMulti) {
        if (m_model.SetCurrentIndex(nTarget, false)) RedrawList();
        return;
    }
    SelectByInput(nTarget, win32::kShiftMask, false);
}

void ColorListBox::UserControl_MouseUp(Integer nButton, Integer nShift, float fX, float fY) {
    m_bMouseDown = VbFalse;
    RaiseMouse(&ColorListBoxEvents::MouseUp, nButton, nShift, fX, fY);
}

void ColorListBox::TrackHover() {
    win32::TRACKMOUSEEVENT track;
    track.cbSize = 16;
    track.dwFlags = win32::TME_HOVER;
    track.hwndTrack = m_userControl.hWnd();
    track.dwHoverTime = kHoverMilliseconds;
    win32::TrackMouseEvent(&track);
}

// The relay object serves every control of the thread: only this window's hovers count.
void ColorListBox::OnMouseHover(Long hWnd) {
    if (hWnd != this->hWnd()) return;
    Long nTarget = 0;
    if (m_nAutoScrollDir == 1) {
        if (m_model.ListIndex() == 0) return;
        nTarget = CheckedSub(m_model.ListIndex(), 1);
        ScrollToIndex(nTarget, 0);
    } else if (m_nAutoScrollDir == 2) {
        const Long nLast = CheckedSub(m_model.ListCount(), 1);
        if (m_model.ListIndex() == nLast && GetItemVisibility(m_model.ListIndex()) == 1) return;
        nTarget = CheckedAdd(m_model.ListIndex(), 1);
        ScrollToIndex(nTarget, 1);
    } else {
        return;
    }
    TrackHover();
    DragStep(nTarget);
}

// The host reports a click on the window; by then a press has already applied its
// selection. Nothing else raises Click.
void ColorListBox::UserControl_Click() {
    m_events.Raise([](ColorListBoxEvents& sink) { sink.Click(); });
}

void ColorListBox::RaiseMouse(MouseEvent pEvent, Integer nButton, Integer nShift, float fX,
                              float fY) {
    m_events.Raise([&](ColorListBoxEvents& sink) {
        Integer nButtonArg = nButton, nShiftArg = nShift;
        float fXArg = fX, fYArg = fY;
        (sink.*pEvent)(nButtonArg, nShiftArg, fXArg, fYArg);
    });
}

}  // namespace qv
