#pragma once

#include "platform/soft/gdi/GdiState.h"

namespace qv::soft {

// Paints a clipped device rectangle with a brush under the device context's background
// mode and colour: a hatch leaves its gaps untouched in TRANSPARENT mode.
void PaintWithBrush(const DrawContext& draw, const BrushObject& brush, const win32::RECT& rcDevice);

}  // namespace qv::soft
