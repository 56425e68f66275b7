// Block transfers between device contexts, and icons.
#include <algorithm>

#include "platform/soft/gdi/GdiState.h"
#include "platform/soft/gdi/Raster.h"
#include "platform/win32/Gdi.h"

namespace qv::win32 {

using soft::Canvas;
using soft::DrawContext;

namespace {

RECT ClampedRect(std::int64_t nLeft, std::int64_t nTop, std::int64_t nRight, std::int64_t nBottom) {
    auto clamp = [](std::int64_t nValue) {
        return static_cast<LONG>(std::clamp<std::int64_t>(nValue, INT32_MIN, INT32_MAX));
    };
    return {clamp(nLeft), clamp(nTop), clamp(nRight), clamp(nBottom)};
}

// rcDest cut to the device pixels whose source, at device offset (nOffsetX, nOffsetY) from
// them, lies within the source's clip rectangle.
RECT LimitBySource(const RECT& rcDest, const Canvas& source, std::int64_t nOffsetX,
                   std::int64_t nOffsetY) {
    const RECT rcReach =
        ClampedRect(source.rcClip.left - nOffsetX, source.rcClip.top - nOffsetY,
                    source.rcClip.right - nOffsetX, source.rcClip.bottom - nOffsetY);
    return {std::max(rcDest.left, rcReach.left), std::max(rcDest.top, rcReach.top),
            std::min(rcDest.right, rcReach.right), std::min(rcDest.bottom, rcReach.bottom)};
}

struct BlitEnds {
    DrawContext dest;
    DrawContext source;
};

std::optional<BlitEnds> BeginBlit(HDC hDest, HDC hSrc, DWORD dwRop) {
    if (dwRop != SRCCOPY) return std::nullopt;
    std::optional<DrawContext> dest = soft::BeginDrawing(hDest);
    std::optional<DrawContext> source = soft::BeginDrawing(hSrc);
    if (!dest || !source) return std::nullopt;
    return BlitEnds{*dest, *source};
}

}  // namespace

BOOL BitBlt(HDC hDest, int nX, int nY, int nWidth, int nHeight, HDC hSrc, int nSrcX, int nSrcY,
            DWORD dwRop) {
    const std::optional<BlitEnds> ends = BeginBlit(hDest, hSrc, dwRop);
    if (!ends) return FALSE;
    if (nWidth <= 0 || nHeight <= 0) return TRUE;
    const Canvas& dest = ends->dest.canvas;
    const Canvas& source = ends->source.canvas;
    const std::int64_t nOffsetX = std::int64_t{nSrcX} + source.nOriginX - nX - dest.nOriginX;
    const std::int64_t nOffsetY = std::int64_t{nSrcY} + source.nOriginY - nY - dest.nOriginY;
    const RECT rcDest =
        LimitBySource(dest.ToDevice(nX, nY, std::int64_t{nX} + nWidth, std::int64_t{nY} + nHeight),
                      source, nOffsetX, nOffsetY);
    if (soft::IsEmptyRect(rcDest)) return TRUE;
    soft::CopyPixels(*dest.pSurface, rcDest, *source.pSurface,
                     static_cast<int>(rcDest.left + nOffsetX),
                     static_cast<int>(rcDest.top + nOffsetY));
    return TRUE;
}

// Every stretch mode copies by nearest neighbour, as COLORONCOLOR does.
BOOL StretchBlt(HDC hDest, int nX, int nY, int nWidth, int nHeight, HDC hSrc, int nSrcX, int nSrcY,
                int nSrcWidth, int nSrcHeight, DWORD dwRop) {
    if (nWidth == nSrcWidth && nHeight == nSrcHeight && nWidth > 0 && nHeight > 0)
        return BitBlt(hDest, nX, nY, nWidth, nHeight, hSrc, nSrcX, nSrcY, dwRop);
    const std::optional<BlitEnds> ends = BeginBlit(hDest, hSrc, dwRop);
    if (!ends || nWidth == 0 || nHeight == 0 || nSrcWidth == 0 || nSrcHeight == 0) return FALSE;
    const Canvas& dest = ends->dest.canvas;
    const Canvas& source = ends->source.canvas;
    const soft::StretchAxis xAxis = soft::MakeStretchAxis(
        std::int64_t{nX} + dest.nOriginX, nWidth, std::int64_t{nSrcX} + source.nOriginX, nSrcWidth);
    const soft::StretchAxis yAxis =
        soft::MakeStretchAxis(std::int64_t{nY} + dest.nOriginY, nHeight,
                              std::int64_t{nSrcY} + source.nOriginY, nSrcHeight);
    const RECT rcDest =
        dest.ToDevice(xAxis.nDestStart - dest.nOriginX, yAxis.nDestStart - dest.nOriginY,
                      xAxis.nDestStart + xAxis.nDestSize - dest.nOriginX,
                      yAxis.nDestStart + yAxis.nDestSize - dest.nOriginY);
    if (soft::IsEmptyRect(rcDest)) return TRUE;
    // A stretch within one surface reads from a copy, so that it never reads what it wrote.
    const soft::Surface* pSource = source.pSurface;
    std::optional<soft::Surface> copy;
    if (pSource == dest.pSurface) pSource = &copy.emplace(*source.pSurface);
    soft::StretchPixels(*dest.pSurface, rcDest, *pSource, source.rcClip, xAxis, yAxis);
    return TRUE;
}

// Icons are drawn at their own size.
BOOL DrawIcon(HDC hDC, int nX, int nY, HICON hIcon) {
    const std::optional<DrawContext> draw = soft::BeginDrawing(hDC);
    const auto* pIcon = soft::Objects().Find<soft::IconObject>(HandleValue(hIcon));
    if (!draw || !pIcon) return FALSE;
    const soft::Surface& image = *pIcon->image.pColor;
    const Canvas& canvas = draw->canvas;
    const RECT rcDest = canvas.ToDevice(nX, nY, std::int64_t{nX} + image.Width(),
                                        std::int64_t{nY} + image.Height());
    if (soft::IsEmptyRect(rcDest)) return TRUE;
    soft::CopyMaskedPixels(*canvas.pSurface, rcDest, pIcon->image,
                           static_cast<int>(rcDest.left - (std::int64_t{nX} + canvas.nOriginX)),
                           static_cast<int>(rcDest.top - (std::int64_t{nY} + canvas.nOriginY)));
    return TRUE;
}

BOOL DestroyIcon(HICON hIcon) {
    if (!soft::Objects().Find<soft::IconObject>(HandleValue(hIcon))) return FALSE;
    return soft::Objects().Remove(HandleValue(hIcon)) ? TRUE : FALSE;
}

}  // namespace qv::win32
