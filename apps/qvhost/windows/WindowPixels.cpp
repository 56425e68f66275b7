// PrintWindow and WM_PRINT leave out the border and scroll bars in Wine 8, so the window's
// own device context is copied instead.
#include "qvhost/windows/WindowPixels.h"

#include "qvhost/PngFile.h"
// After the contract headers: the system's macros would replace the contract's names.
#include "platform/windows/SystemApi.h"

namespace qv::qvhost {

namespace {

constexpr win32::COLORREF kInvalidColor = 0xFFFFFFFF;

// Copies nWidth x nHeight pixels of the device context into a top-down 32-bit image.
std::vector<std::uint32_t> CopyPixels(::HDC hSource, int nWidth, int nHeight) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(nWidth) * nHeight);
    ::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    ::HBITMAP hBitmap = ::CreateDIBSection(hSource, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap) return pixels;
    ::HDC hMemory = ::CreateCompatibleDC(hSource);
    ::HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
    ::BitBlt(hMemory, 0, 0, nWidth, nHeight, hSource, 0, 0, SRCCOPY);
    ::GdiFlush();
    const auto* pSource = static_cast<const std::uint32_t*>(pBits);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = pSource[i] & 0x00FFFFFF;
    ::SelectObject(hMemory, hOld);
    ::DeleteDC(hMemory);
    ::DeleteObject(hBitmap);
    return pixels;
}

}  // namespace

WindowImage ReadWindowImage(win32::HWND hOurs) {
    ::HWND hWnd = windows::ToReal<::HWND>(hOurs);
    WindowImage image;
    ::RECT rcWindow{};
    ::RECT rcClient{};
    if (!::GetWindowRect(hWnd, &rcWindow) || !::GetClientRect(hWnd, &rcClient)) return image;
    ::POINT ptClient{0, 0};
    ::ClientToScreen(hWnd, &ptClient);
    image.nWidth = rcWindow.right - rcWindow.left;
    image.nHeight = rcWindow.bottom - rcWindow.top;
    image.nClientX = ptClient.x - rcWindow.left;
    image.nClientY = ptClient.y - rcWindow.top;
    image.nClientWidth = rcClient.right;
    image.nClientHeight = rcClient.bottom;
    if (image.nWidth <= 0 || image.nHeight <= 0) return image;
    ::HDC hWindowDC = ::GetWindowDC(hWnd);
    image.pixels = CopyPixels(hWindowDC, image.nWidth, image.nHeight);
    ::ReleaseDC(hWnd, hWindowDC);
    return image;
}

WindowImage ClientPart(const WindowImage& image) {
    WindowImage client = image;
    client.nWidth = image.nClientWidth;
    client.nHeight = image.nClientHeight;
    client.nClientX = 0;
    client.nClientY = 0;
    client.pixels.clear();
    if (image.pixels.empty()) return client;
    for (int nY = 0; nY < client.nHeight; ++nY) {
        const auto itRow = image.pixels.begin() +
                           static_cast<std::ptrdiff_t>(image.nClientY + nY) * image.nWidth +
                           image.nClientX;
        client.pixels.insert(client.pixels.end(), itRow, itRow + client.nWidth);
    }
    return client;
}

win32::COLORREF ClientPixel(win32::HWND hWnd, int nX, int nY) {
    const WindowImage image = ReadWindowImage(hWnd);
    if (nX < 0 || nY < 0 || nX >= image.nClientWidth || nY >= image.nClientHeight)
        return kInvalidColor;
    const std::uint32_t nPixel =
        image.pixels[static_cast<std::size_t>(image.nClientY + nY) * image.nWidth +
                     (image.nClientX + nX)];
    // The image holds 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
    return ((nPixel & 0xFF) << 16) | (nPixel & 0xFF00) | ((nPixel >> 16) & 0xFF);
}

bool WriteWindowPicture(win32::HWND hWnd, bool bClientOnly, const std::filesystem::path& path,
                        std::string& sError) {
    WindowImage image = ReadWindowImage(hWnd);
    if (bClientOnly) image = ClientPart(image);
    return WriteStoredPngFile(path, image.nWidth, image.nHeight, image.pixels, sError);
}

}  // namespace qv::qvhost
