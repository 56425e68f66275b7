#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/win32/Types.h"

namespace qv::qvhost {

// A window's pixels as the screen shows them, its frame, border and scroll bars included,
// read from its window device context; rows top down, 0x00RRGGBB.
struct WindowImage {
    int nWidth = 0;
    int nHeight = 0;
    int nClientX = 0;  // where the client area starts in the image
    int nClientY = 0;
    int nClientWidth = 0;
    int nClientHeight = 0;
    std::vector<std::uint32_t> pixels;
};

WindowImage ReadWindowImage(win32::HWND hWnd);
// The client area of the image alone.
WindowImage ClientPart(const WindowImage& image);

// The window as the screen shows it (or with bClientOnly its client area alone) as a PNG
// file; false with the reason in sError when the file cannot be written.
bool WriteWindowPicture(win32::HWND hWnd, bool bClientOnly, const std::filesystem::path& path,
                        std::string& sError);

// The pixel at client coordinates as a COLORREF; CLR_INVALID outside the client area.
win32::COLORREF ClientPixel(win32::HWND hWnd, int nX, int nY);

}  // namespace qv::qvhost
