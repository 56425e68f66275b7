// The check glyph of a row in check style, and the hatched selection look.
#include "platform/Checked.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/GdiOwners.h"
#include "properties/ChangeRoutines.h"
#include "render/FontAndBrush.h"
#include "render/ImageListDrawing.h"
#include "render/ListPainting.h"
#include "render/RectMath.h"

namespace qv {

using namespace win32;

namespace {

constexpr Long kGlyphLeft = 2;
constexpr Long kGlyphSize = 13;

// The top of a box of nHeight centred on the row, one pixel lower (halves to even).
Long GlyphTop(const RECT& rcFullRow, Long nHeight) {
    return CentredStart(rcFullRow.top, RectHeight(rcFullRow), nHeight, 1);
}

// The check image of the row, at its own size from the glyph's left edge; false when the
// list has no images to draw, so the standard glyph stands in.
bool DrawCheckImage(HDC hDC, Long hImageList, const RECT& rcFullRow, Long nImageIndex) {
    Long nWidth = 0;
    Long nHeight = 0;
    GetImageSize(hImageList, nWidth, nHeight);
    if (nWidth == 0 || nHeight == 0) return false;
    RECT rcBox;
    rcBox.left = CheckedAdd(rcFullRow.left, kGlyphLeft);
    rcBox.right = CheckedAdd(rcBox.left, nWidth);
    rcBox.top = GlyphTop(rcFullRow, nHeight);
    rcBox.bottom = CheckedAdd(rcBox.top, nHeight);
    DrawImageCentered(hDC, hImageList, rcBox, nImageIndex);
    return true;
}

}  // namespace

// A disabled control draws its glyphs inactive; an unknown glyph kind draws nothing.
void DrawCheckGlyph(HDC hDC, const RECT& rcFullRow, Boolean bChecked, const ListLooks& looks,
                    bool bEnabled) {
    UINT uState = DFCS_BUTTONCHECK;
    switch (looks.m_eCheckBoxImage) {
        case ciCheck:
            break;
        case ciRadio:
            uState = DFCS_BUTTONRADIO;
            break;
        case ciButton:
            uState = DFCS_BUTTONPUSH;
            break;
        case ciImage: {
            const Long nImageIndex =
                bChecked.IsTrue() ? looks.m_nCheckImageIndex : looks.m_nNoCheckImageIndex;
            if (DrawCheckImage(hDC, looks.m_hCheckBoxImageList, rcFullRow, nImageIndex)) return;
            break;
        }
        default:
            return;
    }
    if (bChecked.IsTrue()) uState |= DFCS_CHECKED;
    if (!bEnabled) uState |= DFCS_INACTIVE;
    RECT rcBox;
    rcBox.left = CheckedAdd(rcFullRow.left, kGlyphLeft);
    rcBox.right = CheckedAdd(rcBox.left, kGlyphSize);
    rcBox.top = GlyphTop(rcFullRow, kGlyphSize);
    rcBox.bottom = CheckedAdd(rcBox.top, kGlyphSize);
    DrawFrameControl(hDC, &rcBox, DFC_BUTTON, uState);
}

// Diagonal cross-hatching in the selection colour, without an outline; the gaps between
// the lines leave the row's background showing.
void DrawHatchSelection(HDC hDC, const RECT& rcItem, OLE_COLOR clrSelBackColor) {
    const ScopedBkMode bkMode(hDC, TRANSPARENT);
    const UniqueGdiObject brush(
        CreateBrushHandle(ResolveSystemColor(clrSelBackColor), BS_HATCHED, HS_DIAGCROSS));
    const ScopedSelection pen(hDC, GetStockObject(NULL_PEN));
    const ScopedSelection brushSelection(hDC, brush.Get());
    Rectangle(hDC, rcItem.left, rcItem.top, rcItem.right, rcItem.bottom);
}

}  // namespace qv
