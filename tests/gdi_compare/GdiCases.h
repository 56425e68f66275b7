#pragma once

#include <span>

#include "platform/win32/Types.h"

namespace qv::gdi_compare {

// One drawing, made through the contract only, so that both platforms draw exactly the
// same calls: it gets a device context on a white bitmap of the case's size.
struct GdiCase {
    const char* pszName;
    int nWidth;
    int nHeight;
    void (*pfnDraw)(win32::HDC hDC);
};

std::span<const GdiCase> GdiCases();

}  // namespace qv::gdi_compare
