#pragma once

#include <cstdint>

#include "platform/soft/gdi/Surface.h"
#include "platform/win32/Types.h"

namespace qv::soft {

// Every window keeps within these limits, whatever its creator, the host or its border
// and scroll bar ask for: a size beyond them is clamped, and the window reports the size
// it really has. Each outer side is 0..kMaxWindowSide pixels, as Win32 coordinates are;
// the outer area holds at most kMaxWindowPixels (the height gives way), so that the
// client area, which is never larger, and the composed window can always be backed by
// pixels; and the position gives way so that right and bottom stay within 32 bits.
inline constexpr int kMaxWindowSide = Surface::kMaxSide;
inline constexpr std::int64_t kMaxWindowPixels = Surface::kMaxPixels;

// The outer rectangle a window gets for the asked position and size.
win32::RECT LimitWindowRect(win32::LONG nLeft, win32::LONG nTop, std::int64_t nWidth,
                            std::int64_t nHeight);
win32::RECT LimitWindowRect(const win32::RECT& rcAsked);

// The value pinned to the 32-bit range: points computed past it lie outside every window.
win32::LONG SaturateToLong(std::int64_t nValue);

// pt moved by nDX, nDY, pinned to the 32-bit range.
win32::POINT OffsetPoint(win32::POINT pt, std::int64_t nDX, std::int64_t nDY);

}  // namespace qv::soft
