#include "render/mduComFunction.h"

#include <algorithm>

#include "platform/AnsiText.h"
#include "platform/Checked.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/User.h"
#include "render/FontAndBrush.h"

namespace qv {

void FillRectColor(win32::HDC hDC, const win32::RECT& rect, OLE_COLOR clrColor) {
    const win32::HBRUSH hBrush = CreateBrushHandle(clrColor, win32::BS_SOLID, 0);
    win32::FillRect(hDC, &rect, hBrush);
    win32::DeleteObject(hBrush);
}

Integer GetAnsiLength(const std::string& sText) {
    const std::size_t nBytes = Utf8ToAnsi(sText, win32::GetACP()).size();
    return ToInteger(static_cast<Long>(std::min<std::size_t>(nBytes, INT32_MAX)));
}

}  // namespace qv
