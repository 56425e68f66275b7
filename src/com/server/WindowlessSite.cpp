#include "com/server/WindowlessSite.h"

#include <algorithm>

#include "com/server/Module.h"
#include "platform/host/SiteUnits.h"
#include "platform/windows/SystemApi.h"

namespace qv::com {

namespace {

constexpr char kParkingClass[] = "QV_ColorListBoxParking";

ATOM RegisterParkingClass() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = Module::Instance();
    wc.lpszClassName = kParkingClass;
    return ::RegisterClassA(&wc);
}

bool g_bClassRegistered = false;

}  // namespace

void WindowlessSite::UnregisterWindowClass() {
    if (g_bClassRegistered) ::UnregisterClassA(kParkingClass, Module::Instance());
    g_bClassRegistered = false;
}

WindowlessSite::WindowlessSite() {
    if (!g_bClassRegistered) g_bClassRegistered = RegisterParkingClass() != 0;
    ::HWND hWnd = ::CreateWindowExA(0, kParkingClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    Module::Instance(), nullptr);
    m_hWnd = windows::ToOurs<win32::HWND>(hWnd);
}

WindowlessSite::~WindowlessSite() {
    ::HWND hWnd = windows::ToReal<::HWND>(m_hWnd);
    if (hWnd) ::DestroyWindow(hWnd);
}

void WindowlessSite::SetExtent(int nWidth, int nHeight) {
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    if (m_pControl) m_pControl->UserControl_Resize();
}

// A three-dimensional fixed single border takes two pixels a side, a flat one one.
int WindowlessSite::BorderPixels() const {
    if (m_nBorderStyle == 0) return 0;
    return m_nAppearance == 0 ? 1 : 2;
}

float WindowlessSite::ScaleWidth() const {
    return static_cast<float>(std::max(0, m_nWidth - 2 * BorderPixels()));
}

float WindowlessSite::ScaleHeight() const {
    return static_cast<float>(std::max(0, m_nHeight - 2 * BorderPixels()));
}

float WindowlessSite::Height() const {
    return static_cast<float>(m_nHeight) * host::kTwipsPerPixel;
}

float WindowlessSite::ScaleX(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const {
    return host::ConvertScale(fValue, eFrom, eTo);
}

float WindowlessSite::ScaleY(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const {
    return host::ConvertScale(fValue, eFrom, eTo);
}

}  // namespace qv::com
