// Row height, the rows in view, the top row and the window's vertical scroll bar.
#include <algorithm>

#include "control/ColorListBox.h"
#include "platform/Checked.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/User.h"
#include "render/ImageListDrawing.h"
#include "render/ListPainting.h"

namespace qv {

using namespace win32;

namespace {

constexpr Long kCheckGlyphSize = 13;
constexpr Long kRowPadding = 4;

Long ImageHeight(Long hImageList) {
    Long nWidth = 0;
    Long nHeight = 0;
    GetImageSize(hImageList, nWidth, nHeight);
    return nHeight;
}

}  // namespace

// A control loaded with no font (a saved Nothing) measures and draws with the ambient
// font, as a new control does.
host::FontRef ColorListBox::TextFont() const {
    host::FontRef oFont = m_userControl.Font();
    return oFont ? oFont : m_userControl.Ambient().Font();
}

// The height of "A" in the control's font on the control's device context.
Integer ColorListBox::GetTextHeight() const {
    const HDC hDC = m_userControl.hDC();
    return MeasureTextHeight(hDC, TextFont());
}

// The row fits the text, the check glyph in check style (or the check images when they
// are the glyphs), and the item images when they are shown, with 4 pixels to spare.
void ColorListBox::UpdateItemHeight() {
    Long nHeight = GetTextHeight();
    if (m_model.Style() == lsCheck) {
        nHeight = std::max(nHeight, kCheckGlyphSize);
        if (m_looks.m_hCheckBoxImageList != 0 && m_looks.m_eCheckBoxImage == ciImage)
            nHeight = std::max(nHeight, ImageHeight(m_looks.m_hCheckBoxImageList));
    }
    if (m_looks.m_hImageList != 0 && m_looks.m_bShowImage.IsTrue())
        nHeight = std::max(nHeight, ImageHeight(m_looks.m_hImageList));
    nHeight = CheckedAdd(nHeight, kRowPadding);
    if (nHeight == m_nItemHeight) return;
    m_nItemHeight = nHeight;
    UpdateScrollBar();
}

// Counts the rows in view (a partial last row included), the number of distinct top
// rows, keeps the top row in range and shows the bar only when the list can scroll. The
// count is the quotient plus one half rounded to even, so an exact odd fit counts one row
// more; the extra top row added for an overhanging count keeps the last item reachable.
void ColorListBox::UpdateScrollBar() {
    const HWND hWindow = m_userControl.hWnd();
    ShowScrollBar(hWindow, SB_VERT, FALSE);
    if (m_model.ListCount() == 0 || m_nItemHeight <= 0) return;

    const double dScaleHeight = m_userControl.ScaleHeight();
    m_nVisibleCount = RoundToInteger(dScaleHeight / m_nItemHeight + 0.5);
    m_nScrollCount = CheckedAdd(CheckedSub(m_model.ListCount(), m_nVisibleCount), 1);
    if (dScaleHeight < static_cast<double>(CheckedMul(m_nVisibleCount, m_nItemHeight)))
        m_nScrollCount = CheckedAdd(m_nScrollCount, 1);
    if (m_nScrollCount < 1) {
        m_nScrollCount = 1;
        m_nVisibleCount = ToInteger(m_model.ListCount());
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

ColorListBox::RowLayout ColorListBox::Rows() const {
    return {m_nTopIndex, m_nScrollCount, m_nVisibleCount, m_nItemHeight,
            RoundToLong(m_userControl.ScaleWidth())};
}

Integer ColorListBox::GetItemVisibility(Long nIndex) const {
    if (nIndex < m_nTopIndex || nIndex >= CheckedAdd(m_nTopIndex, m_nVisibleCount)) return 0;
    const Long nBottom = CheckedMul(CheckedAdd(CheckedSub(nIndex, m_nTopIndex), 1), m_nItemHeight);
    return m_userControl.ScaleHeight() >= static_cast<float>(nBottom) ? 1 : 2;
}

Boolean ColorListBox::IsLastRowWhole() const {
    if (m_nScrollCount <= 1) return VbTrue;
    return Boolean::FromBool(RoundToLong(m_userControl.ScaleHeight()) % m_nItemHeight == 0);
}

// Mode 0 puts the item in the top row, mode 1 in the last counted row, mode 2 likewise
// but one row further when the outer height (twips, as the host reports it) is not a
// whole number of rows; any other mode acts as 0.
void ColorListBox::ScrollToIndex(Long nIndex, Integer nMode) {
    if (m_nScrollCount <= 1) {
        if (m_nTopIndex != 0) UpdateScrollBar();
        return;
    }
    Long nTop = nIndex;
    if (nMode == 1 || nMode == 2) {
        nTop = CheckedAdd(CheckedSub(nIndex, m_nVisibleCount), 1);
        if (nMode == 2 && RoundToLong(m_userControl.Height()) % m_nItemHeight != 0)
            nTop = CheckedAdd(nTop, 1);
    }
    if (nTop >= m_nScrollCount) nTop = m_nScrollCount - 1;
    if (nTop < 0) nTop = 0;
    if (nTop == m_nTopIndex) return;
    SetScrollPos(m_userControl.hWnd(), SB_VERT, nTop, TRUE);
    m_nTopIndex = nTop;
    m_model.NotifyAccess(access::AccessEvent::Scroll, nTop);
    RedrawList();
    m_events.Raise([](ColorListBoxEvents& sink) { sink.Scroll(); });
}

void ColorListBox::SetTopIndex(Long nIndex) {
    RequireRunTime();
    ScrollToIndex(nIndex, 0);
}

// The row height follows the font and images, not the size.
void ColorListBox::UserControl_Resize() {
    UpdateScrollBar();
    RedrawList();
}

// The relay serves every control of the thread; only this window's bar moves this list.
void ColorListBox::OnVScroll(Long hWnd, Long nNewPos) {
    if (hWnd != this->hWnd()) return;
    SetScrollPos(m_userControl.hWnd(), SB_VERT, nNewPos, TRUE);
    m_nTopIndex = nNewPos;
    m_model.NotifyAccess(access::AccessEvent::Scroll, nNewPos);
    RedrawList();
    m_events.Raise([](ColorListBoxEvents& sink) { sink.Scroll(); });
}

}  // namespace qv
