#pragma once

#include "platform/win32/Types.h"

// Drawing operations the control calls: device contexts, bitmaps, brushes, pens, fonts,
// text, block transfers, and the drawing half of USER (FillRect, DrawFocusRect,
// DrawFrameControl, DrawIcon), with their Win32 names and meanings. A call with an invalid
// or deleted handle fails with the platform's failure value and changes nothing.
namespace qv::win32 {

using ULONG_PTR = std::uintptr_t;

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// GetDeviceCaps indices.
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;

// Brushes.
inline constexpr UINT BS_SOLID = 0;
inline constexpr UINT BS_NULL = 1;
inline constexpr UINT BS_HOLLOW = BS_NULL;
inline constexpr UINT BS_HATCHED = 2;
inline constexpr int HS_HORIZONTAL = 0;
inline constexpr int HS_VERTICAL = 1;
inline constexpr int HS_FDIAGONAL = 2;
inline constexpr int HS_BDIAGONAL = 3;
inline constexpr int HS_CROSS = 4;
inline constexpr int HS_DIAGCROSS = 5;

struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    ULONG_PTR lbHatch = 0;
};

// Background modes: how the gaps of hatches and the cells of text are treated.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Raster operation of the block transfers.
inline constexpr DWORD SRCCOPY = 0x00CC0020;

// Stretch modes.
inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;

// Frame controls.
inline constexpr UINT DFC_BUTTON = 4;
inline constexpr UINT DFCS_BUTTONCHECK = 0x0000;
inline constexpr UINT DFCS_BUTTONRADIO = 0x0004;
inline constexpr UINT DFCS_BUTTONPUSH = 0x0010;
inline constexpr UINT DFCS_INACTIVE = 0x0100;
inline constexpr UINT DFCS_PUSHED = 0x0200;
inline constexpr UINT DFCS_CHECKED = 0x0400;

// Fonts.
inline constexpr int FW_DONTCARE = 0;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
inline constexpr DWORD ANSI_CHARSET = 0;
inline constexpr DWORD DEFAULT_CHARSET = 1;
inline constexpr DWORD SHIFTJIS_CHARSET = 128;

// Device contexts and objects.
HDC CreateCompatibleDC(HDC hDC);
BOOL DeleteDC(HDC hDC);
// A bitmap of 32 bits per pixel; a zero width or height gives the stock 1 x 1 bitmap.
HBITMAP CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight);
// Returns the object of the same kind that was selected before, 0 on failure.
HGDIOBJ SelectObject(HDC hDC, HGDIOBJ hObject);
// Fails while the object is selected into a device context; stock objects stay.
BOOL DeleteObject(HGDIOBJ hObject);
HGDIOBJ GetStockObject(int nIndex);
int GetDeviceCaps(HDC hDC, int nIndex);

// Filling and outlines. A brush argument of FillRect may also be a system colour index
// plus one, as in Win32.
HBRUSH CreateBrushIndirect(const LOGBRUSH* pLogBrush);
int FillRect(HDC hDC, const RECT* pRect, HBRUSH hBrush);
BOOL Rectangle(HDC hDC, int nLeft, int nTop, int nRight, int nBottom);
BOOL DrawFocusRect(HDC hDC, const RECT* pRect);
BOOL DrawFrameControl(HDC hDC, const RECT* pRect, UINT uType, UINT uState);
BOOL DrawIcon(HDC hDC, int nX, int nY, HICON hIcon);
BOOL DestroyIcon(HICON hIcon);
int SetBkMode(HDC hDC, int nMode);
COLORREF SetBkColor(HDC hDC, COLORREF clrColor);

// Block transfers (SRCCOPY only).
BOOL BitBlt(HDC hDest, int nX, int nY, int nWidth, int nHeight, HDC hSrc, int nSrcX, int nSrcY,
            DWORD dwRop);
BOOL StretchBlt(HDC hDest, int nX, int nY, int nWidth, int nHeight, HDC hSrc, int nSrcX, int nSrcY,
                int nSrcWidth, int nSrcHeight, DWORD dwRop);
int SetStretchBltMode(HDC hDC, int nMode);

// Text. Strings are bytes of the system ANSI code page (GetACP) and their count.
int MulDiv(int nNumber, int nNumerator, int nDenominator);
HFONT CreateFontA(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                  DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD nCharSet,
                  DWORD nOutPrecision, DWORD nClipPrecision, DWORD nQuality, DWORD nPitchAndFamily,
                  const char* pszFaceName);
COLORREF SetTextColor(HDC hDC, COLORREF clrColor);
BOOL TextOutA(HDC hDC, int nX, int nY, const char* pString, int nCount);
BOOL GetTextExtentPoint32A(HDC hDC, const char* pString, int nCount, SIZE* pSize);

}  // namespace qv::win32
