// The check glyph of a row in check style, and the hatched selection look.
#include "control/ColorListBox.h"
#include "platform/Checked.h"
#include "platform/win32/Gdi.h"
#include "properties/ChangeRoutines.h"
#include "render/FontAndBrush.h"
#include "render/GdiScope.h"
#include "render/ImageListDrawing.h"
#include "render/RectMath.h"

namespace qv {

using namespace win32;

namespace {

constexpr Long kGlyphLeft = 2;
constexpr Long kGlyphSize = 13;

// The top of a box of nHeight centred on the row, one pixel lower (halves to even).
Long GlyphTop(const RECT& rcFullRow, Long nHeight) {
    return RoundToLong(RectHeight(rcFullRow) / 2.0 + rcFullRow.top - nHeight / 2.0 + 1);
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
void ColorListBox::DrawCheckGlyph(HDC hDC, const RECT& rcFullRow, Boolean bChecked) const {
    if (m_eStyle == lsNormal) return;
    UINT uState = DFCS_BUTTONCHECK;
    switch (m_eCheckBoxImage) {
        case ciCheck:
            break;
        case ciRadio:
            uState = DFCS_BUTTONRADIO;
            break;
        case ciButton:
            uState = DFCS_BUTTONPUSH;
            break;
        case ciImage: {
            const Long nImageIndex = bChecked.IsTrue() ? m_nCheckImageIndex : m_nNoCheckImageIndex;
            if (DrawCheckImage(hDC, m_hCheckBoxImageList, rcFullRow, nImageIndex)) return;
            break;
        }
        default:
            return;
    }
    if (bChecked.IsTrue()) uState |= DFCS_CHECKED;
    if (!Enabled().IsTrue()) uState |= DFCS_INACTIVE;
    RECT rcBox;
    rcBox.left = CheckedAdd(rcFullRow.left, kGlyphLeft);
    rcBox.right = CheckedAdd(rcBox.left, kGlyphSize);
    rcBox.top = GlyphTop(rcFullRow, kGlyphSize);
    rcBox.bottom = CheckedAdd(rcBox.top, kGlyphSize);
    DrawFrameControl(hDC, &rcBox, DFC_BUTTON, uState);
}

// Diagonal cross-hatching in the selection colour, without an outline; the gaps between
// the lines leave the row's background showing.
void ColorListBox::DrawHatchSelection(HDC hDC, const RECT& rcItem) const {
    const ScopedBkMode bkMode(hDC, TRANSPARENT);
    const OwnedGdiObject brush(
        CreateBrushHandle(ResolveSystemColor(m_clrSelBackColor), BS_HATCHED, HS_DIAGCROSS));
    const SelectedObject pen(hDC, GetStockObject(NULL_PEN));
    const SelectedObject brushSelection(hDC, brush.Get());
    Rectangle(hDC, rcItem.left, rcItem.top, rcItem.right, rcItem.bottom);
}

}  // namespace qv
