#include "platform/soft/gdi/SoftGdi.h"

#include <algorithm>

#include "platform/soft/gdi/GdiState.h"
#include "platform/win32/Gdi.h"

namespace qv::soft {

using namespace win32;

HDC CreateSurfaceDC(SurfaceRef pSurface, const RECT* pArea) {
    if (!pSurface) return HDC{};
    const HDC hDC = CreateCompatibleDC(HDC{});
    DeviceContext* pDC = FindDC(hDC);
    pDC->bMemory = false;
    pDC->pSurface = std::move(pSurface);
    pDC->rcArea = pArea ? *pArea : pDC->pSurface->Bounds();
    return hDC;
}

SurfaceRef SurfaceOfBitmap(HBITMAP hBitmap) {
    const auto* pBitmap = Objects().Find<BitmapObject>(HandleValue(hBitmap));
    return pBitmap ? pBitmap->pSurface : nullptr;
}

SurfaceRef SurfaceOfDC(HDC hDC) {
    const DeviceContext* pDC = FindDC(hDC);
    return pDC ? pDC->pSurface : nullptr;
}

HBITMAP CreateBitmapOn(SurfaceRef pSurface) {
    if (!pSurface) return HBITMAP{};
    return MakeHandle<HBITMAP>(Objects().Add(std::make_unique<BitmapObject>(std::move(pSurface))));
}

HICON CreateIconFrom(MaskedImage image) {
    if (!image.pColor) return HICON{};
    const auto nPixels = static_cast<std::size_t>(image.pColor->Width()) * image.pColor->Height();
    if (image.aMask.size() != nPixels) return HICON{};
    return MakeHandle<HICON>(Objects().Add(std::make_unique<IconObject>(std::move(image))));
}

std::optional<FontRequest> FontRequestOf(HFONT hFont) {
    const auto* pFont = Objects().Find<FontObject>(HandleValue(hFont));
    if (!pFont) return std::nullopt;
    return pFont->request;
}

std::size_t LiveObjectCount() {
    return Objects().LiveCount();
}

}  // namespace qv::soft
