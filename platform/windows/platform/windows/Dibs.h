#pragma once

#include "platform/windows/SystemApi.h"

namespace qv::windows {

// The header of a 32-bit top-down DIB of that size: the pixels the contract's bitmaps have.
inline BITMAPINFO TopDown32BitmapInfo(int nWidth, int nHeight) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace qv::windows
