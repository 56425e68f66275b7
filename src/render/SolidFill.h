#pragma once

#include "platform/Types.h"
#include "platform/win32/Types.h"

namespace qv {

// Fills a rectangle with a colour, passed to GDI unchanged, through a brush of its own
// that it deletes again.
void FillRectColor(win32::HDC hDC, const win32::RECT& rect, OLE_COLOR clrColor);

}  // namespace qv
