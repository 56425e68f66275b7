#pragma once

#include <string>

#include "platform/Types.h"
#include "platform/win32/Types.h"

namespace qv {

// Solid fills and the length of text in the ANSI code page (module mduComFunction).

// Fills a rectangle with a colour, passed to GDI unchanged, through a brush of its own
// that it deletes again.
void FillRectColor(win32::HDC hDC, const win32::RECT& rect, OLE_COLOR clrColor);

// The number of bytes of the text in the system ANSI code page: the count TextOutA takes.
// Raises overflow (6) above 32767.
Integer GetAnsiLength(const std::string& sText);

}  // namespace qv
