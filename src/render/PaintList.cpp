#include "platform/Checked.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/GdiOwners.h"
#include "render/FontAndBrush.h"
#include "render/ListPainting.h"

namespace qv {

using namespace win32;

void PaintList(HDC hDC, const RECT& rect, const ListPaintView& view) {
    const UniqueDC memDC(CreateCompatibleDC(hDC));
    const UniqueGdiObject bitmap(CreateCompatibleBitmap(hDC, rect.right, rect.bottom));
    const ScopedSelection selection(memDC.Get(), bitmap.Get());
    DrawBackground(memDC.Get(), rect, view);
    DrawItems(memDC.Get(), rect, view);
    BitBlt(hDC, 0, 0, rect.right, rect.bottom, memDC.Get(), 0, 0, SRCCOPY);
}

Integer MeasureTextHeight(HDC hDC, const host::FontRef& oFont) {
    SIZE size;
    if (oFont) {
        const UniqueGdiObject font(CreateFontHandle(hDC, *oFont));
        const ScopedSelection selection(hDC, font.Get());
        GetTextExtentPoint32A(hDC, "A", 1, &size);
    }
    return ToInteger(size.cy);
}

}  // namespace qv
