// The rows in view, each with, in this order: the alternate colour, the selection look,
// the focus rectangle, the check glyph, the item image and the text.
#include <algorithm>
#include <string_view>

#include "control/ColorListBox.h"
#include "platform/AnsiText.h"
#include "platform/Checked.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/User.h"
#include "properties/ChangeRoutines.h"
#include "render/FontAndBrush.h"
#include "render/GdiScope.h"
#include "render/ImageListDrawing.h"
#include "render/RectMath.h"
#include "render/SolidFill.h"

namespace qv {

using namespace win32;

// The columns of a row, the same for every row of one paint.
struct ColorListBox::RowColumns {
    Long nLeft = 0;
    Long nRight = 0;
    Long nItemLeft = 0;  // where the selection look, focus, image and text begin
    bool bShowImages = false;
    Long nImageWidth = 0;
    UINT nCodePage = 0;
};

namespace {

constexpr Long kCheckColumnWidth = 17;  // a 13-pixel glyph with room around it
constexpr std::size_t kMaxTextOutBytes = 32767;

std::string_view Utf8Prefix(std::string_view sText, std::size_t nMaxBytes) {
    if (sText.size() <= nMaxBytes) return sText;
    std::size_t nEnd = nMaxBytes;
    while (nEnd > 0 && (static_cast<unsigned char>(sText[nEnd]) & 0xC0) == 0x80) --nEnd;
    return sText.substr(0, nEnd);
}

// The row's text in the ANSI code page. Text output takes at most 32767 bytes, so a longer
// text is cut at a character boundary to what fits; what is cut lies far beyond the right
// edge of any client area, and the row is drawn like any other.
std::string AnsiRowText(const std::string& sText, UINT nCodePage) {
    std::string sAnsi = Utf8ToAnsi(sText, nCodePage);
    for (std::size_t nLimit = kMaxTextOutBytes; sAnsi.size() > kMaxTextOutBytes; nLimit /= 2)
        sAnsi = Utf8ToAnsi(Utf8Prefix(sText, nLimit), nCodePage);
    return sAnsi;
}

}  // namespace

ColorListBox::RowColumns ColorListBox::MeasureRowColumns(const RECT& rect) const {
    RowColumns columns;
    columns.nLeft = rect.left;
    columns.nRight = rect.right;
    columns.nCodePage = GetACP();
    Long nUnused = 0;
    columns.bShowImages = m_hImageList != 0 && m_bShowImage.IsTrue();
    if (columns.bShowImages) GetImageSize(m_hImageList, columns.nImageWidth, nUnused);
    columns.nItemLeft = rect.left;
    if (m_eStyle == lsCheck) {
        Long nCheckWidth = 0;
        if (m_hCheckBoxImageList != 0 && m_eCheckBoxImage == ciImage)
            GetImageSize(m_hCheckBoxImageList, nCheckWidth, nUnused);
        columns.nItemLeft = nCheckWidth != 0 ? CheckedAdd(rect.left, CheckedAdd(nCheckWidth, 4))
                                             : CheckedAdd(rect.left, kCheckColumnWidth);
    }
    return columns;
}

// An empty list draws no rows and selects no font. Up to one row more than the counted
// rows is drawn; what lies below the client area is cut off by the bitmap's edge.
void ColorListBox::DrawItems(HDC hDC, const RECT& rect) const {
    if (m_nListCount <= 0 || m_nItemHeight <= 0) return;
    const RowColumns columns = MeasureRowColumns(rect);
    const ScopedBkMode bkMode(hDC, TRANSPARENT);
    const ScopedTextColor textColor(hDC, ResolveSystemColor(m_clrForeColor));
    const Integer nTextHeight = GetTextHeight();
    const host::FontRef oFont = TextFont();
    const OwnedGdiObject font(oFont ? CreateFontHandle(hDC, *oFont) : HFONT{});
    const SelectedObject fontSelection(hDC, font.Get());
    const Long nFirst = m_nTopIndex;
    const Long nLast = std::min(CheckedAdd(nFirst, m_nVisibleCount), CheckedSub(m_nListCount, 1));
    Long nRowTop = rect.top;
    for (Long nIndex = nFirst; nIndex <= nLast; ++nIndex) {
        DrawItemRow(hDC, nIndex, columns, nRowTop, nTextHeight);
        nRowTop = CheckedAdd(nRowTop, m_nItemHeight);
    }
}

// A client area narrower than the check column leaves the item part empty: the row then
// shows its alternate colour and its check glyph, cut by the edge, and nothing else.
void ColorListBox::DrawItemRow(HDC hDC, Long nIndex, const RowColumns& columns, Long nRowTop,
                               Integer nTextHeight) const {
    const ListItem& item = Item(nIndex);
    const Long nRowBottom = CheckedAdd(nRowTop, m_nItemHeight);
    const RECT rcFullRow = MakeRect(columns.nLeft, nRowTop, columns.nRight, nRowBottom);
    const RECT rcItem = MakeRect(columns.nItemLeft, nRowTop, columns.nRight, nRowBottom);
    const bool bItemShows = !RectIsEmpty(rcItem).IsTrue();

    if (m_eBackStyle == bsAlternate && nIndex % 2 == 0)
        FillRectColor(hDC, rcFullRow, ResolveSystemColor(m_clrAlternateBackColor));
    const bool bHighlighted = m_eStyle == lsNormal ? item.bSelected.IsTrue()
                                                   : m_eStyle == lsCheck && nIndex == m_nListIndex;
    if (bHighlighted && bItemShows) {
        if (m_eSelBackStyle == sbFill)
            FillRectColor(hDC, rcItem, ResolveSystemColor(m_clrSelBackColor));
        else if (m_eSelBackStyle == sbHatch)
            DrawHatchSelection(hDC, rcItem);
    }
    SetTextColor(hDC, ResolveSystemColor(bHighlighted ? m_clrSelForeColor : m_clrForeColor));
    if (m_bHasFocus.IsTrue() && nIndex == m_nListIndex && bItemShows) DrawFocusRect(hDC, &rcItem);
    if (m_eStyle != lsNormal) DrawCheckGlyph(hDC, rcFullRow, item.bSelected);
    if (!bItemShows) return;

    if (columns.bShowImages) {
        const RECT rcImageCell{CheckedAdd(columns.nItemLeft, 1), nRowTop,
                               CheckedAdd(columns.nItemLeft, CheckedAdd(columns.nImageWidth, 2)),
                               nRowBottom};
        DrawImageCentered(hDC, m_hImageList, rcImageCell, item.nImageIndex);
    }
    const Long nTextX = CheckedAdd(columns.nItemLeft, CheckedAdd(columns.nImageWidth, 4));
    const Long nTextY = RoundToLong(m_nItemHeight / 2.0 + nRowTop - nTextHeight / 2.0);
    const std::string sAnsi = AnsiRowText(item.sText, columns.nCodePage);
    TextOutA(hDC, nTextX, nTextY, sAnsi.data(), static_cast<int>(sAnsi.size()));
}

}  // namespace qv
