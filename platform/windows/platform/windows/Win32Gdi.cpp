// The drawing operations of the contract over the system's GDI and USER.
#include "platform/win32/Gdi.h"

#include "platform/windows/Dibs.h"
#include "platform/windows/GdiObjectCount.h"
#include "platform/windows/SystemApi.h"

namespace qv::win32 {

using windows::CountCreated;
using windows::CountDeleted;
using windows::ToOurs;
using windows::ToReal;

namespace {

::HDC Dc(HDC hDC) {
    return ToReal<::HDC>(hDC);
}

::RECT RealRect(const RECT* pRect) {
    return {pRect->left, pRect->top, pRect->right, pRect->bottom};
}

// The contract's bitmaps have 32 bits per pixel whatever the device's depth; a DIB section
// has exactly that on any display.
::HBITMAP CreateBitmap32(::HDC hDC, int nWidth, int nHeight) {
    const BITMAPINFO info = windows::TopDown32BitmapInfo(nWidth, nHeight);
    void* pBits = nullptr;
    return ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
}

}  // namespace

HDC CreateCompatibleDC(HDC hDC) {
    return ToOurs<HDC>(CountCreated(::CreateCompatibleDC(Dc(hDC))));
}

BOOL DeleteDC(HDC hDC) {
    return CountDeleted(::DeleteDC(Dc(hDC)));
}

HBITMAP CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight) {
    if (nWidth <= 0 || nHeight <= 0)
        return ToOurs<HBITMAP>(CountCreated(::CreateCompatibleBitmap(Dc(hDC), 0, 0)));
    return ToOurs<HBITMAP>(CountCreated(CreateBitmap32(Dc(hDC), nWidth, nHeight)));
}

HGDIOBJ SelectObject(HDC hDC, HGDIOBJ hObject) {
    return ToOurs<HGDIOBJ>(::SelectObject(Dc(hDC), ToReal<::HGDIOBJ>(hObject)));
}

BOOL DeleteObject(HGDIOBJ hObject) {
    return CountDeleted(::DeleteObject(ToReal<::HGDIOBJ>(hObject)));
}

HGDIOBJ GetStockObject(int nIndex) {
    return ToOurs<HGDIOBJ>(::GetStockObject(nIndex));
}

int GetDeviceCaps(HDC hDC, int nIndex) {
    return ::GetDeviceCaps(Dc(hDC), nIndex);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* pLogBrush) {
    if (!pLogBrush) return HBRUSH{};
    const ::LOGBRUSH logBrush{pLogBrush->lbStyle, pLogBrush->lbColor, pLogBrush->lbHatch};
    return ToOurs<HBRUSH>(CountCreated(::CreateBrushIndirect(&logBrush)));
}

// Wine's FillRect reports success even for a context that does not exist; the documented
// result is failure, and the control's callers see that on both platforms.
int FillRect(HDC hDC, const RECT* pRect, HBRUSH hBrush) {
    if (!pRect || !::GetObjectType(Dc(hDC))) return 0;
    const ::RECT rect = RealRect(pRect);
    return ::FillRect(Dc(hDC), &rect, ToReal<::HBRUSH>(hBrush));
}

BOOL Rectangle(HDC hDC, int nLeft, int nTop, int nRight, int nBottom) {
    return ::Rectangle(Dc(hDC), nLeft, nTop, nRight, nBottom);
}

BOOL DrawFocusRect(HDC hDC, const RECT* pRect) {
    if (!pRect) return 0;
    const ::RECT rect = RealRect(pRect);
    return ::DrawFocusRect(Dc(hDC), &rect);
}

BOOL DrawFrameControl(HDC hDC, const RECT* pRect, UINT uType, UINT uState) {
    if (!pRect) return 0;
    ::RECT rect = RealRect(pRect);
    return ::DrawFrameControl(Dc(hDC), &rect, uType, uState);
}

BOOL DrawIcon(HDC hDC, int nX, int nY, HICON hIcon) {
    return ::DrawIcon(Dc(hDC), nX, nY, ToReal<::HICON>(hIcon));
}

BOOL DestroyIcon(HICON hIcon) {
    return CountDeleted(::DestroyIcon(ToReal<::HICON>(hIcon)));
}

int SetBkMode(HDC hDC, int nMode) {
    return ::SetBkMode(Dc(hDC), nMode);
}

COLORREF SetBkColor(HDC hDC, COLORREF clrColor) {
    return ::SetBkColor(Dc(hDC), clrColor);
}

BOOL BitBlt(HDC hDest, int nX, int nY, int nWidth, int nHeight, HDC hSrc, int nSrcX, int nSrcY,
            DWORD dwRop) {
    return ::BitBlt(Dc(hDest), nX, nY, nWidth, nHeight, Dc(hSrc), nSrcX, nSrcY, dwRop);
}

BOOL StretchBlt(HDC hDest, int nX, int nY, int nWidth, int nHeight, HDC hSrc, int nSrcX, int nSrcY,
                int nSrcWidth, int nSrcHeight, DWORD dwRop) {
    return ::StretchBlt(Dc(hDest), nX, nY, nWidth, nHeight, Dc(hSrc), nSrcX, nSrcY, nSrcWidth,
                        nSrcHeight, dwRop);
}

int SetStretchBltMode(HDC hDC, int nMode) {
    return ::SetStretchBltMode(Dc(hDC), nMode);
}

int MulDiv(int nNumber, int nNumerator, int nDenominator) {
    return ::MulDiv(nNumber, nNumerator, nDenominator);
}

HFONT CreateFontA(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                  DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD nCharSet,
                  DWORD nOutPrecision, DWORD nClipPrecision, DWORD nQuality, DWORD nPitchAndFamily,
                  const char* pszFaceName) {
    return ToOurs<HFONT>(CountCreated(::CreateFontA(
        nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, bStrikeOut,
        nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, pszFaceName)));
}

COLORREF SetTextColor(HDC hDC, COLORREF clrColor) {
    return ::SetTextColor(Dc(hDC), clrColor);
}

BOOL TextOutA(HDC hDC, int nX, int nY, const char* pString, int nCount) {
    return ::TextOutA(Dc(hDC), nX, nY, pString, nCount);
}

BOOL GetTextExtentPoint32A(HDC hDC, const char* pString, int nCount, SIZE* pSize) {
    if (!pSize) return 0;
    ::SIZE size{};
    const BOOL bOk = ::GetTextExtentPoint32A(Dc(hDC), pString, nCount, &size);
    if (bOk) *pSize = {size.cx, size.cy};
    return bOk;
}

}  // namespace qv::win32
