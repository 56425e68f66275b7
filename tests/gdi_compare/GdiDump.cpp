// Draws every case on this build's platform and prints its pixels: a line "case NAME W H",
// then H lines of W pixels as six hex digits (red, green, blue).
#include <cstdio>
#include <vector>

#include "GdiCases.h"
#include "platform/win32/Gdi.h"

namespace qv::gdi_compare {

// The pixel at nX, nY of what the device context draws into, and the pixels of a window
// case row by row (GdiDumpSoft.cpp and GdiDumpWindows.cpp).
win32::COLORREF ReadPixel(win32::HDC hDC, int nX, int nY);
std::vector<win32::COLORREF> WindowPixels(const GdiCase& gdiCase);

namespace {

std::vector<win32::COLORREF> DrawingPixels(const GdiCase& gdiCase) {
    const win32::HDC hDC = win32::CreateCompatibleDC(win32::HDC{});
    const win32::HBITMAP hBitmap =
        win32::CreateCompatibleBitmap(hDC, gdiCase.nWidth, gdiCase.nHeight);
    const win32::HGDIOBJ hOld = win32::SelectObject(hDC, hBitmap);
    const win32::RECT rc{0, 0, gdiCase.nWidth, gdiCase.nHeight};
    win32::FillRect(hDC, &rc, win32::GetStockObject(win32::WHITE_BRUSH));
    gdiCase.pfnDraw(hDC);
    std::vector<win32::COLORREF> pixels;
    for (int y = 0; y < gdiCase.nHeight; ++y)
        for (int x = 0; x < gdiCase.nWidth; ++x) pixels.push_back(ReadPixel(hDC, x, y));
    win32::SelectObject(hDC, hOld);
    win32::DeleteObject(hBitmap);
    win32::DeleteDC(hDC);
    return pixels;
}

void Dump(const GdiCase& gdiCase) {
    const std::vector<win32::COLORREF> pixels =
        gdiCase.pfnDraw ? DrawingPixels(gdiCase) : WindowPixels(gdiCase);
    std::printf("case %s %d %d\n", gdiCase.pszName, gdiCase.nWidth, gdiCase.nHeight);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const win32::COLORREF clr = pixels[i];
        const bool bRowEnds = (i + 1) % static_cast<std::size_t>(gdiCase.nWidth) == 0;
        std::printf("%02x%02x%02x%s", clr & 0xFF, (clr >> 8) & 0xFF, (clr >> 16) & 0xFF,
                    bRowEnds ? "\n" : " ");
    }
}

}  // namespace

}  // namespace qv::gdi_compare

int main() {
    for (const qv::gdi_compare::GdiCase& gdiCase : qv::gdi_compare::GdiCases())
        qv::gdi_compare::Dump(gdiCase);
    return 0;
}
