#include <vector>

#include "GdiCases.h"
#include "platform/win32/Types.h"
#include "platform/windows/SystemApi.h"

namespace qv::gdi_compare {

namespace {

constexpr char kClassName[] = "QvGdiCaseWindow";

void RegisterCaseClass() {
    static const bool bRegistered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        windowClass.hbrBackground = static_cast<::HBRUSH>(::GetStockObject(WHITE_BRUSH));
        return ::RegisterClassA(&windowClass) != 0;
    }();
    (void)bRegistered;
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

}  // namespace

win32::COLORREF ReadPixel(win32::HDC hDC, int nX, int nY) {
    return ::GetPixel(windows::ToReal<::HDC>(hDC), nX, nY);
}

// The non-client area (the scroll bar) is read through the window's own device context.
std::vector<win32::COLORREF> WindowPixels(const GdiCase& gdiCase) {
    RegisterCaseClass();
    ::HWND hWnd =
        ::CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, gdiCase.nWidth, gdiCase.nHeight,
                          nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    gdiCase.pfnSetUpWindow(windows::ToOurs<win32::HWND>(hWnd));
    ::RedrawWindow(hWnd, nullptr, nullptr,
                   RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    ::HDC hDC = ::GetWindowDC(hWnd);
    std::vector<win32::COLORREF> pixels;
    for (int y = 0; y < gdiCase.nHeight; ++y)
        for (int x = 0; x < gdiCase.nWidth; ++x) pixels.push_back(::GetPixel(hDC, x, y));
    ::ReleaseDC(hWnd, hDC);
    ::DestroyWindow(hWnd);
    return pixels;
}

}  // namespace qv::gdi_compare
