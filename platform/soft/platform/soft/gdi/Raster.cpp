#include "platform/soft/gdi/Raster.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace qv::soft {

using win32::RECT;

namespace {

bool SpansWholeRows(const Surface& surface, const RECT& rc) {
    return rc.left == 0 && rc.right == surface.Width();
}

}  // namespace

void FillSolid(Surface& surface, const RECT& rc, std::uint32_t nPixel) {
    const bool bWholeRows = SpansWholeRows(surface, rc);
    for (int nY = rc.top; nY < rc.bottom; ++nY) {
        std::uint32_t* pRow = bWholeRows ? surface.RowToOverwrite(nY) : surface.Row(nY);
        std::fill(pRow + rc.left, pRow + rc.right, nPixel);
    }
}

bool HatchCovers(int nHatch, int nX, int nY) {
    const bool bHorizontal = nY == 7;
    const bool bVertical = nX == 7;
    const bool bForward = nX == nY;
    const bool bBackward = nX + nY == 7;
    switch (nHatch) {
        case win32::HS_HORIZONTAL:
            return bHorizontal;
        case win32::HS_VERTICAL:
            return bVertical;
        case win32::HS_FDIAGONAL:
            return bForward;
        case win32::HS_BDIAGONAL:
            return bBackward;
        case win32::HS_CROSS:
            return bHorizontal || bVertical;
        case win32::HS_DIAGCROSS:
            return bForward || bBackward;
        default:
            return false;
    }
}

namespace {

// The eight rows of a hatch as bit masks, bit n for cell column n.
std::array<std::uint8_t, 8> HatchRows(int nHatch) {
    std::array<std::uint8_t, 8> aRows{};
    for (int nY = 0; nY < 8; ++nY)
        for (int nX = 0; nX < 8; ++nX)
            if (HatchCovers(nHatch, nX, nY)) aRows[nY] |= static_cast<std::uint8_t>(1u << nX);
    return aRows;
}

}  // namespace

void FillHatch(Surface& surface, const RECT& rc, const HatchFill& fill) {
    const std::array<std::uint8_t, 8> aRows = HatchRows(fill.nHatch);
    for (int nY = rc.top; nY < rc.bottom; ++nY) {
        const unsigned nBits = aRows[static_cast<unsigned>(nY - fill.nOriginY) & 7];
        std::uint32_t* pRow = surface.Row(nY);
        for (int nX = rc.left; nX < rc.right; ++nX) {
            const bool bLine = (nBits >> (static_cast<unsigned>(nX - fill.nOriginX) & 7)) & 1;
            if (bLine)
                pRow[nX] = fill.nLine;
            else if (!fill.bGapsUntouched)
                pRow[nX] = fill.nGap;
        }
    }
}

void CopyPixels(Surface& dest, const RECT& rcDest, const Surface& source, int nSrcX, int nSrcY) {
    const int nHeight = rcDest.bottom - rcDest.top;
    const std::size_t nBytes = static_cast<std::size_t>(rcDest.right - rcDest.left) * 4;
    // Rows go bottom-up when the source lies above the destination on the same surface.
    const bool bUpward = &dest == &source && nSrcY < rcDest.top;
    const bool bWholeRows = &dest != &source && SpansWholeRows(dest, rcDest);
    for (int i = 0; i < nHeight; ++i) {
        const int nRow = bUpward ? nHeight - 1 - i : i;
        const std::uint32_t* pSource = source.Row(nSrcY + nRow) + nSrcX;
        std::uint32_t* pDest =
            bWholeRows ? dest.RowToOverwrite(rcDest.top + nRow) : dest.Row(rcDest.top + nRow);
        std::memmove(pDest + rcDest.left, pSource, nBytes);
    }
}

namespace {

bool AnySet(const std::uint8_t* pBytes, int nCount) {
    std::uint8_t nAny = 0;
    for (int i = 0; i < nCount; ++i) nAny |= pBytes[i];
    return nAny != 0;
}

}  // namespace

// Rows without a transparent pixel, the common case, are copied whole (unless the image
// lies on the destination itself); elsewhere a pixel takes its new value through a mask
// rather than a branch.
void CopyMaskedPixels(Surface& dest, const RECT& rcDest, const MaskedImage& source, int nSrcX,
                      int nSrcY) {
    const int nSourceWidth = source.pColor->Width();
    const int nWidth = rcDest.right - rcDest.left;
    const bool bMayCopyRows = &dest != source.pColor.get();
    for (int nY = rcDest.top; nY < rcDest.bottom; ++nY) {
        const int nSourceRow = nSrcY + nY - rcDest.top;
        const std::uint32_t* pSource = source.pColor->Row(nSourceRow) + nSrcX;
        const std::uint8_t* pMask =
            source.aMask.data() + static_cast<std::size_t>(nSourceRow) * nSourceWidth + nSrcX;
        std::uint32_t* pDest = dest.Row(nY) + rcDest.left;
        if (bMayCopyRows && !AnySet(pMask, nWidth)) {
            std::memcpy(pDest, pSource, static_cast<std::size_t>(nWidth) * 4);
            continue;
        }
        for (int i = 0; i < nWidth; ++i) {
            const std::uint32_t nKeep = 0u - static_cast<std::uint32_t>(pMask[i] != 0);
            pDest[i] = (pDest[i] & nKeep) | (pSource[i] & ~nKeep);
        }
    }
}

// Ink comes in short rows of no pattern a branch could predict, so a pixel takes its new
// value through a mask instead.
void PaintInk(Surface& dest, const RECT& rcDest, const std::uint8_t* pInk, int nInkPitch,
              std::uint32_t nPixel) {
    const int nWidth = rcDest.right - rcDest.left;
    for (int nY = rcDest.top; nY < rcDest.bottom; ++nY, pInk += nInkPitch) {
        std::uint32_t* pDest = dest.Row(nY) + rcDest.left;
        for (int i = 0; i < nWidth; ++i) {
            const std::uint32_t nMask = 0u - pInk[i];
            pDest[i] ^= (pDest[i] ^ nPixel) & nMask;
        }
    }
}

// The source position under the centre of destination position nDest.
std::int64_t StretchAxis::SourceOf(std::int64_t nDest) const {
    // Extents of 32-bit coordinates can make the product exceed 64 bits.
    const __int128 nProduct = static_cast<__int128>(2 * (nDest - nDestStart) + 1) * nSrcSize;
    const auto nOffset = static_cast<std::int64_t>(nProduct / (2 * nDestSize));
    return nSrcStart + (bMirror ? nSrcSize - 1 - nOffset : nOffset);
}

StretchAxis MakeStretchAxis(std::int64_t nDest, std::int64_t nDestExtent, std::int64_t nSrc,
                            std::int64_t nSrcExtent) {
    StretchAxis axis{nDest, nDestExtent, nSrc, nSrcExtent, false};
    if (nDestExtent < 0) {
        axis.nDestStart = nDest + nDestExtent + 1;
        axis.nDestSize = -nDestExtent;
        axis.bMirror = !axis.bMirror;
    }
    if (nSrcExtent < 0) {
        axis.nSrcStart = nSrc + nSrcExtent + 1;
        axis.nSrcSize = -nSrcExtent;
        axis.bMirror = !axis.bMirror;
    }
    return axis;
}

void StretchPixels(Surface& dest, const RECT& rcDest, const Surface& source, const RECT& rcSource,
                   const StretchAxis& xAxis, const StretchAxis& yAxis) {
    std::vector<int> aColumns(static_cast<std::size_t>(rcDest.right - rcDest.left));
    for (int nX = rcDest.left; nX < rcDest.right; ++nX) {
        const std::int64_t nSource = xAxis.SourceOf(nX);
        const bool bInside = nSource >= rcSource.left && nSource < rcSource.right;
        aColumns[nX - rcDest.left] = bInside ? static_cast<int>(nSource) : -1;
    }
    for (int nY = rcDest.top; nY < rcDest.bottom; ++nY) {
        const std::int64_t nSourceRow = yAxis.SourceOf(nY);
        if (nSourceRow < rcSource.top || nSourceRow >= rcSource.bottom) continue;
        const std::uint32_t* pSource = source.Row(static_cast<int>(nSourceRow));
        std::uint32_t* pDest = dest.Row(nY) + rcDest.left;
        for (std::size_t i = 0; i < aColumns.size(); ++i)
            if (aColumns[i] >= 0) pDest[i] = pSource[aColumns[i]];
    }
}

}  // namespace qv::soft
