#pragma once

#include <array>

#include "platform/win32/Types.h"

// Settings of the soft platform that a real system would take from the user's desktop.
namespace qv::soft {

inline constexpr int kSystemColorCount = 25;

// The classic colour scheme, as COLORREF values.
win32::COLORREF ClassicSystemColor(int nIndex);
std::array<win32::COLORREF, kSystemColorCount> ClassicSystemColors();

// Changes a system colour of this thread's platform (as a user changing the desktop
// scheme would); out-of-range indices are ignored.
void SetSystemColor(int nIndex, win32::COLORREF clrColor);
void ResetSystemColors();

void SetSystemCodePage(unsigned nCodePage);

}  // namespace qv::soft
