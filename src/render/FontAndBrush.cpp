#include "render/FontAndBrush.h"

#include "platform/AnsiText.h"
#include "platform/Checked.h"
#include "platform/win32/User.h"

namespace qv {

using namespace win32;

HFONT CreateFontHandle(HDC hDC, const host::StdFont& font) {
    const int nPixelsPerInch = GetDeviceCaps(hDC, LOGPIXELSY);
    const Long nPoints = RoundToLong(font.Size());
    const Long nHeight = CheckedSub(0, MulDiv(nPoints, nPixelsPerInch, 72));
    const std::string sFace = Utf8ToAnsi(font.Name(), GetACP());
    const auto nCharSet = static_cast<DWORD>(static_cast<std::uint16_t>(font.Charset()));
    return CreateFontA(nHeight, 0, 0, 0, font.Weight(), font.Italic() ? 1 : 0,
                       font.Underline() ? 1 : 0, font.Strikethrough() ? 1 : 0, nCharSet, 0, 0, 0, 0,
                       sFace.c_str());
}

HBRUSH CreateBrushHandle(OLE_COLOR clrColor, Long nStyle, Long nHatch) {
    LOGBRUSH logBrush;
    logBrush.lbStyle = static_cast<UINT>(nStyle);
    logBrush.lbColor = clrColor;
    logBrush.lbHatch = static_cast<ULONG_PTR>(static_cast<std::uint32_t>(nHatch));
    return CreateBrushIndirect(&logBrush);
}

}  // namespace qv
