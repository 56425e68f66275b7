#pragma once

#include <span>

#include "platform/win32/Types.h"

namespace qv::gdi_compare {

// One drawing, made through the contract only, so that both platforms draw exactly the
// same calls. A drawing case gets a device context on a white bitmap of the case's size;
// a window case gets a borderless window of that size showing its vertical scroll bar,
// sets the bar up, and the whole window is read back.
struct GdiCase {
    const char* pszName;
    int nWidth;
    int nHeight;
    void (*pfnDraw)(win32::HDC hDC) = nullptr;
    void (*pfnSetUpWindow)(win32::HWND hWnd) = nullptr;
};

std::span<const GdiCase> GdiCases();

}  // namespace qv::gdi_compare
