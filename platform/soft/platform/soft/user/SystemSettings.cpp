#include "platform/soft/user/SystemSettings.h"

#include <array>

#include "platform/AnsiText.h"
#include "platform/soft/PlatformContext.h"
#include "platform/win32/User.h"

namespace qv::soft {

namespace {

constexpr win32::COLORREF Rgb(unsigned nRed, unsigned nGreen, unsigned nBlue) {
    return nRed | (nGreen << 8) | (nBlue << 16);
}

constexpr std::array<win32::COLORREF, kSystemColorCount> kClassicColors = {
    Rgb(212, 208, 200), Rgb(58, 110, 165),  Rgb(10, 36, 106),   Rgb(128, 128, 128),
    Rgb(212, 208, 200), Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(0, 0, 0),       Rgb(255, 255, 255), Rgb(212, 208, 200), Rgb(212, 208, 200),
    Rgb(128, 128, 128), Rgb(10, 36, 106),   Rgb(255, 255, 255), Rgb(212, 208, 200),
    Rgb(128, 128, 128), Rgb(128, 128, 128), Rgb(0, 0, 0),       Rgb(212, 208, 200),
    Rgb(255, 255, 255), Rgb(64, 64, 64),    Rgb(212, 208, 200), Rgb(0, 0, 0),
    Rgb(255, 255, 225),
};

bool IsColorIndex(int nIndex) {
    return nIndex >= 0 && nIndex < kSystemColorCount;
}

SystemSettings& Settings() {
    return PlatformContext::ThisThread().Settings();
}

}  // namespace

win32::COLORREF ClassicSystemColor(int nIndex) {
    return IsColorIndex(nIndex) ? kClassicColors[nIndex] : 0;
}

std::array<win32::COLORREF, kSystemColorCount> ClassicSystemColors() {
    return kClassicColors;
}

void SetSystemColor(int nIndex, win32::COLORREF clrColor) {
    if (IsColorIndex(nIndex)) Settings().aColors[nIndex] = clrColor;
}

void ResetSystemColors() {
    Settings().aColors = kClassicColors;
}

void SetSystemCodePage(unsigned nCodePage) {
    Settings().nCodePage = nCodePage;
}

}  // namespace qv::soft

namespace qv::win32 {

DWORD GetSysColor(int nIndex) {
    return soft::IsColorIndex(nIndex) ? soft::Settings().aColors[nIndex] : 0;
}

UINT GetACP() {
    return soft::Settings().nCodePage;
}

}  // namespace qv::win32
