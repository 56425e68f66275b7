#include "render/SolidFill.h"

#include "platform/win32/Gdi.h"
#include "render/FontAndBrush.h"

namespace qv {

void FillRectColor(win32::HDC hDC, const win32::RECT& rect, OLE_COLOR clrColor) {
    const win32::HBRUSH hBrush = CreateBrushHandle(clrColor, win32::BS_SOLID, 0);
    win32::FillRect(hDC, &rect, hBrush);
    win32::DeleteObject(hBrush);
}

}  // namespace qv
