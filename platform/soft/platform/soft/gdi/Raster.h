#pragma once

#include <cstdint>

#include "platform/soft/gdi/GdiObjects.h"
#include "platform/soft/gdi/Surface.h"

// Pixel primitives of the drawing platform. The entry points clip once; every rectangle
// handed to these functions is in device coordinates and lies within the surfaces named.
namespace qv::soft {

void FillSolid(Surface& surface, const win32::RECT& rc, std::uint32_t nPixel);

// An 8 x 8 hatch: its lines in nLine; its gaps in nGap, or untouched when bGapsUntouched.
// The pattern is anchored at the device point nOriginX, nOriginY.
struct HatchFill {
    int nHatch;
    std::uint32_t nLine;
    std::uint32_t nGap;
    bool bGapsUntouched;
    int nOriginX;
    int nOriginY;
};
void FillHatch(Surface& surface, const win32::RECT& rc, const HatchFill& fill);

// Whether an 8 x 8 hatch style covers the cell position nX, nY (0 .. 7).
bool HatchCovers(int nHatch, int nX, int nY);

// Inverts the colour of one pixel (a second inversion restores it).
inline void InvertPixel(Surface& surface, int nX, int nY) {
    surface.Row(nY)[nX] ^= 0x00FFFFFF;
}

// Copies the pixels of rcDest from the equally sized area of source starting at nSrcX,
// nSrcY. Source and destination may be the same surface and overlap.
void CopyPixels(Surface& dest, const win32::RECT& rcDest, const Surface& source, int nSrcX,
                int nSrcY);

// Copies like CopyPixels, leaving the destination untouched where the mask is set.
void CopyMaskedPixels(Surface& dest, const win32::RECT& rcDest, const MaskedImage& source,
                      int nSrcX, int nSrcY);

// Paints nPixel where ink is set. pInk is the ink of rcDest's top-left pixel; its rows
// lie nInkPitch bytes apart, and each of its bytes is 1 for ink and 0 for none.
void PaintInk(Surface& dest, const win32::RECT& rcDest, const std::uint8_t* pInk, int nInkPitch,
              std::uint32_t nPixel);

// One axis of a stretch: destination positions nDestStart .. + nDestSize map onto source
// positions nSrcStart .. + nSrcSize by nearest neighbour (rows and columns are dropped or
// repeated, never blended), in reverse order when bMirror. Sizes are positive.
struct StretchAxis {
    std::int64_t nDestStart;
    std::int64_t nDestSize;
    std::int64_t nSrcStart;
    std::int64_t nSrcSize;
    bool bMirror;
    std::int64_t SourceOf(std::int64_t nDest) const;
};

// The axis of a Win32 extent pair. A negative extent runs backwards from its start,
// start pixel included, and one negative extent of the two mirrors. Extents are not 0.
StretchAxis MakeStretchAxis(std::int64_t nDest, std::int64_t nDestExtent, std::int64_t nSrc,
                            std::int64_t nSrcExtent);

// Stretches onto rcDest (a clipped part of the whole destination of the axes); pixels
// whose source lies outside rcSource (a rectangle within the source) stay untouched.
void StretchPixels(Surface& dest, const win32::RECT& rcDest, const Surface& source,
                   const win32::RECT& rcSource, const StretchAxis& xAxis, const StretchAxis& yAxis);

}  // namespace qv::soft
