// Reading the control's picture as a designer gets it: drawn through its view object into a
// bitmap of the container's, without the control's window.
#include "qvcontainer/HostedControl.h"

namespace qv::container {

namespace {

// Where the client area starts inside the window: the border's width on the left and top.
POINT ClientOrigin(HWND hWnd) {
    POINT ptClient{0, 0};
    ::ClientToScreen(hWnd, &ptClient);
    RECT rcWindow{};
    ::GetWindowRect(hWnd, &rcWindow);
    return POINT{ptClient.x - rcWindow.left, ptClient.y - rcWindow.top};
}

}  // namespace

HRESULT HostedControl::DrawnPixel(int nX, int nY, COLORREF& clrPixel) {
    auto view = m_object.As<IViewObject>(IID_IViewObject);
    if (!view) return E_NOINTERFACE;
    const int nWidth = m_rcPos.right - m_rcPos.left;
    const int nHeight = m_rcPos.bottom - m_rcPos.top;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMemory = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
    RECTL rcBounds{0, 0, nWidth, nHeight};
    const HRESULT hr = view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, hMemory,
                                  &rcBounds, nullptr, nullptr, 0);
    const POINT ptOrigin = ClientOrigin(Window());
    clrPixel = ::GetPixel(hMemory, nX + ptOrigin.x, nY + ptOrigin.y);
    ::SelectObject(hMemory, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemory);
    return hr;
}

}  // namespace qv::container
