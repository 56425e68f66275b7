// Draws every case on this build's platform and prints its pixels: a line "case NAME W H",
// then H lines of W pixels as six hex digits (red, green, blue).
#include <cstdio>

#include "GdiCases.h"
#include "platform/win32/Gdi.h"

namespace qv::gdi_compare {

// The pixel at nX, nY of what the device context draws into (GdiDumpSoft.cpp and
// GdiDumpWindows.cpp).
win32::COLORREF ReadPixel(win32::HDC hDC, int nX, int nY);

namespace {

void Dump(const GdiCase& gdiCase) {
    const win32::HDC hDC = win32::CreateCompatibleDC(win32::HDC{});
    const win32::HBITMAP hBitmap =
        win32::CreateCompatibleBitmap(hDC, gdiCase.nWidth, gdiCase.nHeight);
    const win32::HGDIOBJ hOld = win32::SelectObject(hDC, hBitmap);
    const win32::RECT rc{0, 0, gdiCase.nWidth, gdiCase.nHeight};
    win32::FillRect(hDC, &rc, win32::GetStockObject(win32::WHITE_BRUSH));
    gdiCase.pfnDraw(hDC);
    std::printf("case %s %d %d\n", gdiCase.pszName, gdiCase.nWidth, gdiCase.nHeight);
    for (int y = 0; y < gdiCase.nHeight; ++y) {
        for (int x = 0; x < gdiCase.nWidth; ++x) {
            const win32::COLORREF clr = ReadPixel(hDC, x, y);
            std::printf("%02x%02x%02x%s", clr & 0xFF, (clr >> 8) & 0xFF, (clr >> 16) & 0xFF,
                        x + 1 < gdiCase.nWidth ? " " : "\n");
        }
    }
    win32::SelectObject(hDC, hOld);
    win32::DeleteObject(hBitmap);
    win32::DeleteDC(hDC);
}

}  // namespace

}  // namespace qv::gdi_compare

int main() {
    for (const qv::gdi_compare::GdiCase& gdiCase : qv::gdi_compare::GdiCases())
        qv::gdi_compare::Dump(gdiCase);
    return 0;
}
