// Brushes, filled rectangles and focus rectangles.
#include "platform/soft/gdi/Brushes.h"
#include "platform/soft/gdi/Raster.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/User.h"

namespace qv::soft {

void PaintWithBrush(const DrawContext& draw, const BrushObject& brush,
                    const win32::RECT& rcDevice) {
    if (IsEmptyRect(rcDevice)) return;
    Surface& surface = *draw.canvas.pSurface;
    if (brush.nStyle == win32::BS_SOLID) {
        FillSolid(surface, rcDevice, PixelOf(brush.clrColor));
    } else if (brush.nStyle == win32::BS_HATCHED) {
        const HatchFill fill{brush.nHatch,
                             PixelOf(brush.clrColor),
                             PixelOf(draw.pDC->clrBk),
                             draw.pDC->nBkMode == win32::TRANSPARENT,
                             draw.canvas.nOriginX,
                             draw.canvas.nOriginY};
        FillHatch(surface, rcDevice, fill);
    }
}

}  // namespace qv::soft

namespace qv::win32 {

using soft::BrushObject;
using soft::DrawContext;
using soft::Objects;

namespace {

constexpr int kSystemColorBrushes = 25;

bool IsValidLogBrush(const LOGBRUSH& logBrush) {
    if (logBrush.lbStyle == BS_HATCHED) return logBrush.lbHatch <= HS_DIAGCROSS;
    return logBrush.lbStyle == BS_SOLID || logBrush.lbStyle == BS_NULL;
}

// A one-pixel outline of the logical rectangle in a solid colour.
void FrameLogicalRect(const DrawContext& draw, const RECT& rc, COLORREF clrColor) {
    const std::uint32_t nPixel = soft::PixelOf(clrColor);
    const soft::Canvas& canvas = draw.canvas;
    const RECT aEdges[] = {
        canvas.ToDevice(rc.left, rc.top, rc.right, rc.top + 1LL),
        canvas.ToDevice(rc.left, rc.bottom - 1LL, rc.right, rc.bottom),
        canvas.ToDevice(rc.left, rc.top + 1LL, rc.left + 1LL, rc.bottom - 1LL),
        canvas.ToDevice(rc.right - 1LL, rc.top + 1LL, rc.right, rc.bottom - 1LL),
    };
    for (const RECT& rcEdge : aEdges)
        if (!soft::IsEmptyRect(rcEdge)) soft::FillSolid(*canvas.pSurface, rcEdge, nPixel);
}

void InvertLogicalPixel(const soft::Canvas& canvas, std::int64_t nX, std::int64_t nY) {
    if ((nX + nY) & 1) return;  // only every other pixel is a dot
    const RECT rcDevice = canvas.ToDevice(nX, nY, nX + 1, nY + 1);
    if (!soft::IsEmptyRect(rcDevice))
        soft::InvertPixel(*canvas.pSurface, rcDevice.left, rcDevice.top);
}

}  // namespace

HBRUSH CreateBrushIndirect(const LOGBRUSH* pLogBrush) {
    if (!pLogBrush || !IsValidLogBrush(*pLogBrush)) return HBRUSH{};
    return MakeHandle<HBRUSH>(Objects().Add(std::make_unique<BrushObject>(*pLogBrush)));
}

int FillRect(HDC hDC, const RECT* pRect, HBRUSH hBrush) {
    const std::optional<DrawContext> draw = soft::BeginDrawing(hDC);
    if (!draw || !pRect) return 0;
    const std::uint32_t nBrush = HandleValue(hBrush);
    if (nBrush >= 1 && nBrush <= kSystemColorBrushes) {
        const BrushObject systemBrush(
            LOGBRUSH{BS_SOLID, GetSysColor(static_cast<int>(nBrush) - 1), 0});
        soft::PaintWithBrush(*draw, systemBrush, draw->canvas.ToDevice(*pRect));
        return 1;
    }
    const BrushObject* pBrush = Objects().Find<BrushObject>(nBrush);
    if (!pBrush) return 0;
    soft::PaintWithBrush(*draw, *pBrush, draw->canvas.ToDevice(*pRect));
    return 1;
}

// Without a pen the interior reaches to, but not into, the right column and bottom row;
// with a pen the outline takes the outer pixels and the brush fills what is inside.
BOOL Rectangle(HDC hDC, int nLeft, int nTop, int nRight, int nBottom) {
    const std::optional<DrawContext> draw = soft::BeginDrawing(hDC);
    if (!draw) return FALSE;
    const auto* pBrush = Objects().Find<BrushObject>(draw->pDC->hBrush);
    const auto* pPen = Objects().Find<soft::PenObject>(draw->pDC->hPen);
    const RECT rc{std::min(nLeft, nRight), std::min(nTop, nBottom), std::max(nLeft, nRight),
                  std::max(nTop, nBottom)};
    const bool bOutline = pPen && !pPen->bNull;
    const std::int64_t nInset = bOutline ? 1 : 0;
    if (pBrush) {
        const RECT rcInterior = draw->canvas.ToDevice(rc.left + nInset, rc.top + nInset,
                                                      rc.right - 1LL, rc.bottom - 1LL);
        soft::PaintWithBrush(*draw, *pBrush, rcInterior);
    }
    if (bOutline && rc.right - rc.left >= 2 && rc.bottom - rc.top >= 2)
        FrameLogicalRect(*draw, rc, pPen->clrColor);
    return TRUE;
}

// A dotted outline of inverted pixels, so that drawing it again takes it away. Only the
// part of each edge inside the clip rectangle is walked.
BOOL DrawFocusRect(HDC hDC, const RECT* pRect) {
    const std::optional<DrawContext> draw = soft::BeginDrawing(hDC);
    if (!draw || !pRect) return FALSE;
    const RECT& rc = *pRect;
    if (rc.left >= rc.right || rc.top >= rc.bottom) return TRUE;
    const soft::Canvas& canvas = draw->canvas;
    const std::int64_t nLastX = rc.right - 1LL;
    const std::int64_t nLastY = rc.bottom - 1LL;
    const std::int64_t nFromX =
        std::max<std::int64_t>(rc.left, canvas.rcClip.left - canvas.nOriginX);
    const std::int64_t nToX = std::min<std::int64_t>(nLastX, canvas.rcClip.right - canvas.nOriginX);
    const std::int64_t nFromY =
        std::max<std::int64_t>(rc.top + 1LL, canvas.rcClip.top - canvas.nOriginY);
    const std::int64_t nToY =
        std::min<std::int64_t>(nLastY - 1, canvas.rcClip.bottom - canvas.nOriginY);
    for (std::int64_t nX = nFromX; nX <= nToX; ++nX) {
        InvertLogicalPixel(canvas, nX, rc.top);
        if (nLastY > rc.top) InvertLogicalPixel(canvas, nX, nLastY);
    }
    for (std::int64_t nY = nFromY; nY <= nToY; ++nY) {
        InvertLogicalPixel(canvas, rc.left, nY);
        if (nLastX > rc.left) InvertLogicalPixel(canvas, nLastX, nY);
    }
    return TRUE;
}

}  // namespace qv::win32
