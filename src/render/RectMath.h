#pragma once

#include "platform/Types.h"
#include "platform/win32/Types.h"

namespace qv {

// Rectangle routines. A rectangle is empty when left >= right or
// top >= bottom, and an empty result is always (0, 0, 0, 0). Additions and subtractions
// that leave 32 bits raise overflow (6).

Boolean RectIsEmpty(const win32::RECT& rect);
win32::RECT MakeRect(Long nLeft, Long nTop, Long nRight, Long nBottom);
// Moves the rectangle; a failed addition leaves it as far as it was moved.
void OffsetRectBy(win32::RECT& rect, Long nDx, Long nDy);
Long RectWidth(const win32::RECT& rect);
Long RectHeight(const win32::RECT& rect);
// All four edges count as inside; an empty rectangle contains no point.
Boolean RectContainsPoint(const win32::RECT& rect, Long nX, Long nY);

// Where something of nSize starts when it is centred on the span of nSpan that starts at
// nStart, moved on by nNudge; halves round to even after the nudge.
Long CentredStart(Long nStart, Long nSpan, Long nSize, Long nNudge = 0);

}  // namespace qv
