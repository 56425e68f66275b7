// The background of the client area: a colour, or the background picture stretched,
// centred at its real size, or tiled.
#include "control/ColorListBox.h"
#include "platform/Checked.h"
#include "properties/mduComProperty.h"
#include "render/BackPicture.h"
#include "render/mduComFunction.h"
#include "render/mduComRect.h"

namespace qv {

using namespace win32;

namespace {

// The picture at its real size, centred on the rectangle (halves to even); the part
// outside the rectangle is cut off by the bitmap's edge.
void DrawPictureCentred(HDC hDC, const host::PictureRef& oPicture, const RECT& rect, Long nWidth,
                        Long nHeight) {
    RECT rcDest;
    rcDest.left = RoundToLong(RectWidth(rect) / 2.0 + rect.left - nWidth / 2.0);
    rcDest.top = RoundToLong(RectHeight(rect) / 2.0 + rect.top - nHeight / 2.0);
    rcDest.right = CheckedAdd(rcDest.left, nWidth);
    rcDest.bottom = CheckedAdd(rcDest.top, nHeight);
    DrawPicture(hDC, oPicture, rcDest, MakeRect(0, 0, nWidth, nHeight));
}

// Tiles from the top-left corner, column by column. A picture without pixels has no tile
// to repeat, so it draws nothing rather than stepping by zero for ever.
void DrawPictureTiles(HDC hDC, const host::PictureRef& oPicture, const RECT& rect, Long nWidth,
                      Long nHeight) {
    if (nWidth <= 0 || nHeight <= 0) return;
    const RECT rcSource = MakeRect(0, 0, nWidth, nHeight);
    for (Long nX = rect.left; nX <= rect.right; nX = CheckedAdd(nX, nWidth)) {
        for (Long nY = rect.top; nY <= rect.bottom; nY = CheckedAdd(nY, nHeight)) {
            const RECT rcTile{nX, nY, CheckedAdd(nX, nWidth), CheckedAdd(nY, nHeight)};
            DrawPicture(hDC, oPicture, rcTile, rcSource);
        }
    }
}

}  // namespace

// The alternate row colour of bsAlternate is painted row by row with the items. Where no
// picture covers the client area (a picture that cannot be drawn, or any style without a
// picture), the background colour is the off-screen bitmap's starting content.
void ColorListBox::DrawBackground(HDC hDC, const RECT& rect) const {
    const bool bPictureStyle =
        m_oBackPicture && (m_eBackStyle == bsPictureStretch || m_eBackStyle == bsPictureReal ||
                           m_eBackStyle == bsPictureRepeat);
    Long nWidth = 0;
    Long nHeight = 0;
    if (bPictureStyle) GetPictureSize(hDC, m_oBackPicture, nWidth, nHeight);
    const bool bCovered = bPictureStyle && m_eBackStyle != bsPictureReal &&
                          IsDrawablePicture(m_oBackPicture) && nWidth > 0 && nHeight > 0;
    if (!bCovered) FillRectColor(hDC, rect, ResolveSystemColor(m_clrBackColor));
    if (!bPictureStyle) return;
    switch (m_eBackStyle) {
        case bsPictureStretch:
            DrawPicture(hDC, m_oBackPicture, rect, MakeRect(0, 0, nWidth, nHeight));
            break;
        case bsPictureReal:
            DrawPictureCentred(hDC, m_oBackPicture, rect, nWidth, nHeight);
            break;
        default:
            DrawPictureTiles(hDC, m_oBackPicture, rect, nWidth, nHeight);
            break;
    }
}

}  // namespace qv
