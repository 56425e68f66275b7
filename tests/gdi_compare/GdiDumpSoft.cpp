#include <vector>

#include "GdiCases.h"
#include "platform/soft/gdi/SoftGdi.h"
#include "platform/soft/user/Composition.h"
#include "platform/soft/user/WindowSystem.h"

namespace qv::gdi_compare {

namespace {

win32::LRESULT Quiet(win32::HWND, win32::UINT, win32::WPARAM, win32::LPARAM) {
    return 0;
}

}  // namespace

win32::COLORREF ReadPixel(win32::HDC hDC, int nX, int nY) {
    return soft::SurfaceOfDC(hDC)->Pixel(nX, nY);
}

std::vector<win32::COLORREF> WindowPixels(const GdiCase& gdiCase) {
    soft::WindowSystem windows;
    const win32::HWND hWnd =
        windows.CreateWindowAt(win32::HWND{}, {0, 0, gdiCase.nWidth, gdiCase.nHeight}, Quiet);
    windows.SetVisible(hWnd, true);
    gdiCase.pfnSetUpWindow(hWnd);
    const soft::SurfaceRef pWindow = soft::ComposeWindow(windows, hWnd);
    std::vector<win32::COLORREF> pixels;
    for (int y = 0; y < gdiCase.nHeight; ++y)
        for (int x = 0; x < gdiCase.nWidth; ++x) pixels.push_back(pWindow->Pixel(x, y));
    return pixels;
}

}  // namespace qv::gdi_compare
