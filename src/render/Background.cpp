// The background of the client area: a colour, or the background picture stretched,
// centred at its real size, or tiled.
#include <algorithm>
#include <cstdint>

#include "platform/Checked.h"
#include "platform/win32/Gdi.h"
#include "properties/ChangeRoutines.h"
#include "render/BackPicture.h"
#include "render/ListPainting.h"
#include "render/RectMath.h"
#include "render/SolidFill.h"

namespace qv {

using namespace win32;

namespace {

// The picture at its real size, centred on the rectangle (halves to even); the part
// outside the rectangle is cut off by the bitmap's edge.
void DrawPictureCentred(HDC hDC, const host::PictureRef& oPicture, const RECT& rect, Long nWidth,
                        Long nHeight) {
    RECT rcDest;
    rcDest.left = CentredStart(rect.left, RectWidth(rect), nWidth);
    rcDest.top = CentredStart(rect.top, RectHeight(rect), nHeight);
    rcDest.right = CheckedAdd(rcDest.left, nWidth);
    rcDest.bottom = CheckedAdd(rcDest.top, nHeight);
    DrawPicture(hDC, oPicture, rcDest, MakeRect(0, 0, nWidth, nHeight));
}

// How many tiles of nStep start at nFrom and then every nStep while the start is <= nTo,
// and where the last one ends. The end is also the step that stops the loop, so it
// overflows exactly when stepping tile by tile would.
struct TileRun {
    Long nCount = 0;
    Long nEnd = 0;
};

TileRun CountTiles(Long nFrom, Long nTo, Long nStep) {
    if (nFrom > nTo) return {};
    const auto nCount = static_cast<Long>((std::int64_t{nTo} - nFrom) / nStep + 1);
    const auto nLastStart = static_cast<Long>(nFrom + std::int64_t{nCount - 1} * nStep);
    return {nCount, CheckedAdd(nLastStart, nStep)};
}

// Copies the block of nDone x nHeight at nX, nY over and over to its right until nTotal
// columns are filled, doubling what is copied each time.
void RepeatRight(HDC hDC, Long nX, Long nY, std::int64_t nDone, std::int64_t nTotal, Long nHeight) {
    for (; nDone < nTotal; nDone *= 2) {
        const auto nCopy = static_cast<int>(std::min(nDone, nTotal - nDone));
        BitBlt(hDC, static_cast<int>(nX + nDone), nY, nCopy, nHeight, hDC, nX, nY, SRCCOPY);
    }
}

void RepeatDown(HDC hDC, Long nX, Long nY, Long nWidth, std::int64_t nDone, std::int64_t nTotal) {
    for (; nDone < nTotal; nDone *= 2) {
        const auto nCopy = static_cast<int>(std::min(nDone, nTotal - nDone));
        BitBlt(hDC, nX, static_cast<int>(nY + nDone), nWidth, nCopy, hDC, nX, nY, SRCCOPY);
    }
}

// Tiles from the top-left corner. A picture without pixels has no tile to repeat, so it
// draws nothing rather than stepping by zero for ever. Every tile is the same picture on
// the same untouched bitmap, so the first one is drawn and then copied: first along the top
// row, then that row downwards, doubling each copy. Where a tile would start left of or
// above the bitmap, a copy could not reproduce its clipped part, and tiles are drawn one by
// one.
void DrawPictureTiles(HDC hDC, const host::PictureRef& oPicture, const RECT& rect, Long nWidth,
                      Long nHeight) {
    if (nWidth <= 0 || nHeight <= 0) return;
    const TileRun columns = CountTiles(rect.left, rect.right, nWidth);
    const TileRun rows = CountTiles(rect.top, rect.bottom, nHeight);
    if (columns.nCount == 0 || rows.nCount == 0) return;
    const RECT rcSource = MakeRect(0, 0, nWidth, nHeight);
    if (rect.left < 0 || rect.top < 0) {
        for (Long nX = rect.left; nX <= rect.right; nX = CheckedAdd(nX, nWidth)) {
            for (Long nY = rect.top; nY <= rect.bottom; nY = CheckedAdd(nY, nHeight)) {
                const RECT rcTile{nX, nY, CheckedAdd(nX, nWidth), CheckedAdd(nY, nHeight)};
                DrawPicture(hDC, oPicture, rcTile, rcSource);
            }
        }
        return;
    }
    const RECT rcFirst{rect.left, rect.top, CheckedAdd(rect.left, nWidth),
                       CheckedAdd(rect.top, nHeight)};
    DrawPicture(hDC, oPicture, rcFirst, rcSource);
    const std::int64_t nAllWidth = std::int64_t{columns.nEnd} - rect.left;
    RepeatRight(hDC, rect.left, rect.top, nWidth, nAllWidth, nHeight);
    RepeatDown(hDC, rect.left, rect.top,
               static_cast<Long>(std::min<std::int64_t>(nAllWidth, INT32_MAX)), nHeight,
               std::int64_t{rows.nEnd} - rect.top);
}

// In bsAlternate the items paint every other row over the full width in the alternate
// colour; the back colour is filled only where it shows: between those rows and below
// them. nFirst is the index of the item in the top row, nLast that of the last row drawn.
void FillBesideAlternateRows(HDC hDC, const RECT& rect, OLE_COLOR clrBack, Long nFirst, Long nLast,
                             Long nItemHeight) {
    std::int64_t nFree = rect.top;  // the back colour is due from here down
    auto fillUpTo = [&](std::int64_t nBottom) {
        nBottom = std::min<std::int64_t>(nBottom, rect.bottom);
        if (nBottom > nFree)
            FillRectColor(
                hDC,
                RECT{rect.left, static_cast<Long>(nFree), rect.right, static_cast<Long>(nBottom)},
                clrBack);
    };
    for (Long nIndex = nFirst; nIndex <= nLast && nFree < rect.bottom; ++nIndex) {
        if (nIndex % 2 != 0) continue;
        const std::int64_t nTop = rect.top + std::int64_t{nIndex - nFirst} * nItemHeight;
        fillUpTo(nTop);
        nFree = std::max(nFree, nTop + nItemHeight);
    }
    fillUpTo(rect.bottom);
}

}  // namespace

// The alternate row colour of bsAlternate is painted row by row with the items. Where no
// picture covers the client area (a picture that cannot be drawn, or any style without a
// picture), the background colour is the off-screen bitmap's starting content.
void DrawBackground(HDC hDC, const RECT& rect, const ListPaintView& view) {
    const ListLooks& looks = view.looks;
    const Long nListCount = view.model.ListCount();
    const bool bPictureStyle = looks.m_oBackPicture && (looks.m_eBackStyle == bsPictureStretch ||
                                                        looks.m_eBackStyle == bsPictureReal ||
                                                        looks.m_eBackStyle == bsPictureRepeat);
    Long nWidth = 0;
    Long nHeight = 0;
    if (bPictureStyle) GetPictureSize(hDC, looks.m_oBackPicture, nWidth, nHeight);
    const bool bCovered = bPictureStyle && looks.m_eBackStyle != bsPictureReal &&
                          IsDrawablePicture(looks.m_oBackPicture) && nWidth > 0 && nHeight > 0;
    const bool bAlternateRows =
        looks.m_eBackStyle == bsAlternate && nListCount > 0 && view.nItemHeight > 0;
    if (bAlternateRows) {
        const Long nLast = std::min<Long>(CheckedAdd(view.nTopIndex, view.nVisibleCount),
                                          CheckedSub(nListCount, 1));
        FillBesideAlternateRows(hDC, rect, ResolveSystemColor(looks.m_clrBackColor), view.nTopIndex,
                                nLast, view.nItemHeight);
    } else if (!bCovered) {
        FillRectColor(hDC, rect, ResolveSystemColor(looks.m_clrBackColor));
    }
    if (!bPictureStyle) return;
    switch (looks.m_eBackStyle) {
        case bsPictureStretch:
            DrawPicture(hDC, looks.m_oBackPicture, rect, MakeRect(0, 0, nWidth, nHeight));
            break;
        case bsPictureReal:
            DrawPictureCentred(hDC, looks.m_oBackPicture, rect, nWidth, nHeight);
            break;
        default:
            DrawPictureTiles(hDC, looks.m_oBackPicture, rect, nWidth, nHeight);
            break;
    }
}

}  // namespace qv
