// Device contexts and the selection and lifetime of drawing objects.
#include "platform/soft/gdi/GdiState.h"
#include "platform/win32/Gdi.h"

namespace qv::win32 {

using soft::BitmapObject;
using soft::DeviceContext;
using soft::FindDC;
using soft::GdiObject;
using soft::ObjectKind;
using soft::Objects;

namespace {

void Hold(std::uint32_t nHandle) {
    if (GdiObject* pObject = Objects().FindAny(nHandle)) ++pObject->nSelections;
}

void Release(std::uint32_t nHandle) {
    if (GdiObject* pObject = Objects().FindAny(nHandle)) --pObject->nSelections;
}

// Puts nNew into a selection slot and returns what was there.
std::uint32_t Replace(std::uint32_t& nSlot, std::uint32_t nNew) {
    const std::uint32_t nOld = nSlot;
    Hold(nNew);
    Release(nOld);
    nSlot = nNew;
    return nOld;
}

// A bitmap can be selected into one memory device context at a time (stock ones excepted).
std::uint32_t SelectBitmap(DeviceContext& dc, std::uint32_t nBitmap, BitmapObject& bitmap) {
    if (!dc.bMemory) return 0;
    if (nBitmap == dc.hBitmap) return nBitmap;
    if (bitmap.nSelections > 0 && !bitmap.bStock) return 0;
    dc.pSurface = bitmap.pSurface;
    dc.rcArea = bitmap.pSurface->Bounds();
    return Replace(dc.hBitmap, nBitmap);
}

}  // namespace

HDC CreateCompatibleDC(HDC hDC) {
    if (HandleValue(hDC) != 0 && !FindDC(hDC)) return HDC{};
    soft::ObjectTable& table = Objects();
    auto pDC = std::make_unique<DeviceContext>();
    DeviceContext& dc = *pDC;
    const HDC hNew = MakeHandle<HDC>(table.Add(std::move(pDC)));
    auto& bitmap = *table.Find<BitmapObject>(table.DefaultBitmap());
    SelectBitmap(dc, table.DefaultBitmap(), bitmap);
    Replace(dc.hBrush, table.Stock(WHITE_BRUSH));
    Replace(dc.hPen, table.Stock(BLACK_PEN));
    Replace(dc.hFont, table.Stock(SYSTEM_FONT));
    return hNew;
}

BOOL DeleteDC(HDC hDC) {
    DeviceContext* pDC = FindDC(hDC);
    if (!pDC) return FALSE;
    for (std::uint32_t nHandle : {pDC->hBitmap, pDC->hBrush, pDC->hPen, pDC->hFont})
        Release(nHandle);
    return Objects().Remove(HandleValue(hDC)) ? TRUE : FALSE;
}

HBITMAP CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight) {
    if (!FindDC(hDC) || nWidth < 0 || nHeight < 0) return HBITMAP{};
    if (nWidth == 0 || nHeight == 0) return MakeHandle<HBITMAP>(Objects().DefaultBitmap());
    // Black, as a new bitmap is; it is nearly always drawn over before it is read.
    soft::SurfaceRef pSurface = soft::Surface::CreateFilledOnUse(nWidth, nHeight);
    if (!pSurface) return HBITMAP{};
    return MakeHandle<HBITMAP>(Objects().Add(std::make_unique<BitmapObject>(std::move(pSurface))));
}

HGDIOBJ SelectObject(HDC hDC, HGDIOBJ hObject) {
    DeviceContext* pDC = FindDC(hDC);
    const std::uint32_t nHandle = HandleValue(hObject);
    GdiObject* pObject = Objects().FindAny(nHandle);
    if (!pDC || !pObject) return HGDIOBJ{};
    switch (pObject->eKind) {
        case ObjectKind::kBitmap:
            return MakeHandle<HGDIOBJ>(
                SelectBitmap(*pDC, nHandle, static_cast<BitmapObject&>(*pObject)));
        case ObjectKind::kBrush:
            return MakeHandle<HGDIOBJ>(Replace(pDC->hBrush, nHandle));
        case ObjectKind::kPen:
            return MakeHandle<HGDIOBJ>(Replace(pDC->hPen, nHandle));
        case ObjectKind::kFont:
            return MakeHandle<HGDIOBJ>(Replace(pDC->hFont, nHandle));
        default:
            return HGDIOBJ{};
    }
}

BOOL DeleteObject(HGDIOBJ hObject) {
    GdiObject* pObject = Objects().FindAny(HandleValue(hObject));
    if (!pObject) return FALSE;
    switch (pObject->eKind) {
        case ObjectKind::kDeviceContext:
        case ObjectKind::kIcon:
        case ObjectKind::kImageList:
            return FALSE;  // they have destroyers of their own
        default:
            break;
    }
    if (pObject->bStock) return TRUE;
    if (pObject->nSelections > 0) return FALSE;
    return Objects().Remove(HandleValue(hObject)) ? TRUE : FALSE;
}

HGDIOBJ GetStockObject(int nIndex) {
    return MakeHandle<HGDIOBJ>(Objects().Stock(nIndex));
}

int GetDeviceCaps(HDC hDC, int nIndex) {
    const DeviceContext* pDC = FindDC(hDC);
    if (!pDC) return 0;
    switch (nIndex) {
        case LOGPIXELSX:
        case LOGPIXELSY:
            return 96;
        case BITSPIXEL:
            return 32;
        case HORZRES:
            return pDC->rcArea.right - pDC->rcArea.left;
        case VERTRES:
            return pDC->rcArea.bottom - pDC->rcArea.top;
        default:
            return 0;
    }
}

int SetBkMode(HDC hDC, int nMode) {
    DeviceContext* pDC = FindDC(hDC);
    if (!pDC || (nMode != TRANSPARENT && nMode != OPAQUE)) return 0;
    const int nOld = pDC->nBkMode;
    pDC->nBkMode = nMode;
    return nOld;
}

COLORREF SetBkColor(HDC hDC, COLORREF clrColor) {
    DeviceContext* pDC = FindDC(hDC);
    if (!pDC) return CLR_INVALID;
    const COLORREF clrOld = pDC->clrBk;
    pDC->clrBk = clrColor;
    return clrOld;
}

COLORREF SetTextColor(HDC hDC, COLORREF clrColor) {
    DeviceContext* pDC = FindDC(hDC);
    if (!pDC) return CLR_INVALID;
    const COLORREF clrOld = pDC->clrText;
    pDC->clrText = clrColor;
    return clrOld;
}

int SetStretchBltMode(HDC hDC, int nMode) {
    DeviceContext* pDC = FindDC(hDC);
    if (!pDC || nMode < BLACKONWHITE || nMode > HALFTONE) return 0;
    const int nOld = pDC->nStretchMode;
    pDC->nStretchMode = nMode;
    return nOld;
}

}  // namespace qv::win32
