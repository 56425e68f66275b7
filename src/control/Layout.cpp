// Row height, the rows in view, the top row and the window's vertical scroll bar.
#include "control/ColorListBox.h"
#include "platform/Checked.h"
#include "platform/win32/User.h"

namespace qv {

using namespace win32;

// Rows are measured in the text of the control's font; until the drawing platform can
// measure text the row height stays unknown (0) and no rows are laid out.
void ColorListBox::UpdateItemHeight() {}

// Counts the rows in view (a partial last row included), the number of distinct top
// rows, keeps the top row in range and shows the bar only when the list can scroll.
void ColorListBox::UpdateScrollBar() {
    const HWND hWindow = m_userControl.hWnd();
    ShowScrollBar(hWindow, SB_VERT, FALSE);
    if (m_nListCount == 0 || m_nItemHeight <= 0) return;

    const double dScaleHeight = m_userControl.ScaleHeight();
    m_nVisibleCount = RoundToInteger(dScaleHeight / m_nItemHeight + 0.5);
    m_nScrollCount = CheckedAdd(CheckedSub(m_nListCount, m_nVisibleCount), 1);
    if (dScaleHeight < static_cast<double>(CheckedMul(m_nVisibleCount, m_nItemHeight)))
        m_nScrollCount = CheckedAdd(m_nScrollCount, 1);
    if (m_nScrollCount < 1) {
        m_nScrollCount = 1;
        m_nVisibleCount = ToInteger(m_nListCount);
    }
    if (m_nTopIndex < 0) m_nTopIndex = 0;
    if (m_nTopIndex > m_nScrollCount - 1) m_nTopIndex = m_nScrollCount - 1;
    if (m_nScrollCount < 2) return;

    SetScrollRange(hWindow, SB_VERT, 0, m_nScrollCount - 1, FALSE);
    SCROLLINFO info;
    info.cbSize = 28;
    info.fMask = SIF_PAGE;
    info.nPage = 1;
    SetScrollInfo(hWindow, SB_VERT, &info, TRUE);
    SetScrollPos(hWindow, SB_VERT, m_nTopIndex, TRUE);
    ShowScrollBar(hWindow, SB_VERT, TRUE);
}

// 0 not in view, 1 fully visible, 2 partly visible (the cut-off last row).
Integer ColorListBox::GetItemVisibility(Long nIndex) const {
    if (nIndex < m_nTopIndex || nIndex >= CheckedAdd(m_nTopIndex, m_nVisibleCount)) return 0;
    const Long nBottom = CheckedMul(CheckedAdd(CheckedSub(nIndex, m_nTopIndex), 1), m_nItemHeight);
    return m_userControl.ScaleHeight() >= static_cast<float>(nBottom) ? 1 : 2;
}

void ColorListBox::UserControl_Resize() {
    UpdateScrollBar();
    RedrawList();
}

void ColorListBox::OnVScroll(Long hWnd, Long nNewPos) {
    if (hWnd != this->hWnd()) return;
    SetScrollPos(m_userControl.hWnd(), SB_VERT, nNewPos, TRUE);
    m_nTopIndex = nNewPos;
    RedrawList();
    m_events.Raise([](ColorListBoxEvents& sink) { sink.Scroll(); });
}

}  // namespace qv
