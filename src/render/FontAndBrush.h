#pragma once

#include "platform/Types.h"
#include "platform/host/StdFont.h"
#include "platform/win32/Gdi.h"

namespace qv {

// Creating GDI fonts and brushes. The caller owns the handle and deletes it
// with DeleteObject after selecting the previous object back.

// A GDI font matching a font object: its size in points at the device's vertical
// resolution, as a negative (character) height, its weight, styles, character set and name.
// A size that does not round into 32 bits raises overflow (6).
win32::HFONT CreateFontHandle(win32::HDC hDC, const host::StdFont& font);

// A brush of a colour (passed on unchanged), a style (BS_SOLID, BS_HATCHED) and a hatch.
win32::HBRUSH CreateBrushHandle(OLE_COLOR clrColor, Long nStyle, Long nHatch);

}  // namespace qv
