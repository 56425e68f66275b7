// The rows in view, each with, in this order: the alternate colour, the selection look,
// the focus rectangle, the check glyph, the item image and the text.
#include <algorithm>
#include <string_view>

#include "platform/AnsiText.h"
#include "platform/Checked.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/GdiOwners.h"
#include "platform/win32/User.h"
#include "properties/ChangeRoutines.h"
#include "render/FontAndBrush.h"
#include "render/ImageListDrawing.h"
#include "render/ListPainting.h"
#include "render/RectMath.h"
#include "render/SolidFill.h"

namespace qv {

using namespace win32;

namespace {

// The columns of a row, the same for every row of one paint.
struct RowColumns {
    Long nLeft = 0;
    Long nRight = 0;
    Long nItemLeft = 0;  // where the selection look, focus, image and text begin
    bool bShowImages = false;
    Long nImageWidth = 0;
    UINT nCodePage = 0;
};

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

RowColumns MeasureRowColumns(const RECT& rect, const ListLooks& looks, enmStyle eStyle) {
    RowColumns columns;
    columns.nLeft = rect.left;
    columns.nRight = rect.right;
    columns.nCodePage = GetACP();
    Long nUnused = 0;
    columns.bShowImages = looks.m_hImageList != 0 && looks.m_bShowImage.IsTrue();
    if (columns.bShowImages) GetImageSize(looks.m_hImageList, columns.nImageWidth, nUnused);
    columns.nItemLeft = rect.left;
    if (eStyle == lsCheck) {
        Long nCheckWidth = 0;
        if (looks.m_hCheckBoxImageList != 0 && looks.m_eCheckBoxImage == ciImage)
            GetImageSize(looks.m_hCheckBoxImageList, nCheckWidth, nUnused);
        columns.nItemLeft = nCheckWidth != 0 ? CheckedAdd(rect.left, CheckedAdd(nCheckWidth, 4))
                                             : CheckedAdd(rect.left, kCheckColumnWidth);
    }
    return columns;
}

// A client area narrower than the check column leaves the item part empty: the row then
// shows its alternate colour and its check glyph, cut by the edge, and nothing else.
void DrawItemRow(HDC hDC, Long nIndex, const RowColumns& columns, Long nRowTop, Integer nTextHeight,
                 const ListPaintView& view) {
    const ListModel& model = view.model;
    const ListLooks& looks = view.looks;
    const enmStyle eStyle = model.Style();
    const ListItem& item = model.Item(nIndex);
    const Long nRowBottom = CheckedAdd(nRowTop, view.nItemHeight);
    const RECT rcFullRow = MakeRect(columns.nLeft, nRowTop, columns.nRight, nRowBottom);
    const RECT rcItem = MakeRect(columns.nItemLeft, nRowTop, columns.nRight, nRowBottom);
    const bool bItemShows = !RectIsEmpty(rcItem).IsTrue();

    if (looks.m_eBackStyle == bsAlternate && nIndex % 2 == 0)
        FillRectColor(hDC, rcFullRow, ResolveSystemColor(looks.m_clrAlternateBackColor));
    const bool bHighlighted = eStyle == lsNormal ? item.bSelected.IsTrue()
                                                 : eStyle == lsCheck && nIndex == model.ListIndex();
    if (bHighlighted && bItemShows) {
        if (looks.m_eSelBackStyle == sbFill)
            FillRectColor(hDC, rcItem, ResolveSystemColor(looks.m_clrSelBackColor));
        else if (looks.m_eSelBackStyle == sbHatch)
            DrawHatchSelection(hDC, rcItem, looks.m_clrSelBackColor);
    }
    SetTextColor(hDC,
                 ResolveSystemColor(bHighlighted ? looks.m_clrSelForeColor : looks.m_clrForeColor));
    if (model.HasFocus().IsTrue() && nIndex == model.ListIndex() && bItemShows)
        DrawFocusRect(hDC, &rcItem);
    if (eStyle != lsNormal) DrawCheckGlyph(hDC, rcFullRow, item.bSelected, looks, view.bEnabled);
    if (!bItemShows) return;

    if (columns.bShowImages) {
        const RECT rcImageCell{CheckedAdd(columns.nItemLeft, 1), nRowTop,
                               CheckedAdd(columns.nItemLeft, CheckedAdd(columns.nImageWidth, 2)),
                               nRowBottom};
        DrawImageCentered(hDC, looks.m_hImageList, rcImageCell, item.nImageIndex);
    }
    const Long nTextX = CheckedAdd(columns.nItemLeft, CheckedAdd(columns.nImageWidth, 4));
    const Long nTextY = CentredStart(nRowTop, view.nItemHeight, nTextHeight);
    const std::string sAnsi = AnsiRowText(item.sText, columns.nCodePage);
    TextOutA(hDC, nTextX, nTextY, sAnsi.data(), static_cast<int>(sAnsi.size()));
}

}  // namespace

// An empty list draws no rows and selects no font. Up to one row more than the counted
// rows is drawn; what lies below the client area is cut off by the bitmap's edge.
void DrawItems(HDC hDC, const RECT& rect, const ListPaintView& view) {
    const Long nListCount = view.model.ListCount();
    if (nListCount <= 0 || view.nItemHeight <= 0) return;
    const RowColumns columns = MeasureRowColumns(rect, view.looks, view.model.Style());
    const ScopedBkMode bkMode(hDC, TRANSPARENT);
    const ScopedTextColor textColor(hDC, ResolveSystemColor(view.looks.m_clrForeColor));
    const Integer nTextHeight = MeasureTextHeight(view.hMeasureDC, view.oTextFont);
    const host::FontRef& oFont = view.oTextFont;
    const UniqueGdiObject font(oFont ? CreateFontHandle(hDC, *oFont) : HFONT{});
    const ScopedSelection fontSelection(hDC, font.Get());
    const Long nFirst = view.nTopIndex;
    const Long nLast = std::min(CheckedAdd(nFirst, view.nVisibleCount), CheckedSub(nListCount, 1));
    Long nRowTop = rect.top;
    for (Long nIndex = nFirst; nIndex <= nLast; ++nIndex) {
        DrawItemRow(hDC, nIndex, columns, nRowTop, nTextHeight, view);
        nRowTop = CheckedAdd(nRowTop, view.nItemHeight);
    }
}

}  // namespace qv
