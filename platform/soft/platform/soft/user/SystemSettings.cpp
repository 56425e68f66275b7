#include "platform/soft/user/SystemSettings.h"

#include <array>

#include "platform/AnsiText.h"
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

thread_local std::array<win32::COLORREF, kSystemColorCount> t_colors = kClassicColors;
thread_local unsigned t_nCodePage = kDefaultAnsiCodePage;

bool IsColorIndex(int nIndex) {
    return nIndex >= 0 && nIndex < kSystemColorCount;
}

}  // namespace

win32::COLORREF ClassicSystemColor(int nIndex) {
    return IsColorIndex(nIndex) ? kClassicColors[nIndex] : 0;
}

void SetSystemColor(int nIndex, win32::COLORREF clrColor) {
    if (IsColorIndex(nIndex)) t_colors[nIndex] = clrColor;
}

void ResetSystemColors() {
    t_colors = kClassicColors;
}

void SetSystemCodePage(unsigned nCodePage) {
    t_nCodePage = nCodePage;
}

}  // namespace qv::soft

namespace qv::win32 {

DWORD GetSysColor(int nIndex) {
    return soft::IsColorIndex(nIndex) ? soft::t_colors[nIndex] : 0;
}

UINT GetACP() {
    return soft::t_nCodePage;
}

}  // namespace qv::win32
