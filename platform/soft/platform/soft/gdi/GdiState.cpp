#include "platform/soft/gdi/GdiState.h"

#include <algorithm>

#include "platform/soft/PlatformContext.h"

namespace qv::soft {

GdiState& GdiState::Instance() {
    return PlatformContext::ThisThread().Gdi();
}

namespace {

int ClampToRange(std::int64_t nValue, int nLow, int nHigh) {
    return static_cast<int>(std::clamp<std::int64_t>(nValue, nLow, nHigh));
}

win32::RECT Intersect(const win32::RECT& rcA, const win32::RECT& rcB) {
    return {std::max(rcA.left, rcB.left), std::max(rcA.top, rcB.top),
            std::min(rcA.right, rcB.right), std::min(rcA.bottom, rcB.bottom)};
}

}  // namespace

win32::RECT Canvas::ToDevice(std::int64_t nLeft, std::int64_t nTop, std::int64_t nRight,
                             std::int64_t nBottom) const {
    return {ClampToRange(nLeft + nOriginX, rcClip.left, rcClip.right),
            ClampToRange(nTop + nOriginY, rcClip.top, rcClip.bottom),
            ClampToRange(nRight + nOriginX, rcClip.left, rcClip.right),
            ClampToRange(nBottom + nOriginY, rcClip.top, rcClip.bottom)};
}

bool IsEmptyRect(const win32::RECT& rc) {
    return rc.left >= rc.right || rc.top >= rc.bottom;
}

DeviceContext* FindDC(win32::HDC hDC) {
    return Objects().Find<DeviceContext>(win32::HandleValue(hDC));
}

std::optional<DrawContext> BeginDrawing(win32::HDC hDC) {
    DeviceContext* pDC = FindDC(hDC);
    if (!pDC || !pDC->pSurface) return std::nullopt;
    Canvas canvas;
    canvas.pSurface = pDC->pSurface.get();
    canvas.nOriginX = pDC->rcArea.left;
    canvas.nOriginY = pDC->rcArea.top;
    canvas.rcClip = Intersect(pDC->rcArea, pDC->pSurface->Bounds());
    if (IsEmptyRect(canvas.rcClip)) canvas.rcClip = {};
    return DrawContext{pDC, canvas};
}

}  // namespace qv::soft
