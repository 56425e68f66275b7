#pragma once

#include "platform/Types.h"

namespace qv {

// 32-bit arithmetic on counts, indices and coordinates: a result that does not fit
// raises the host's overflow error (6) instead of wrapping.
Long CheckedAdd(Long nA, Long nB);
Long CheckedSub(Long nA, Long nB);
Long CheckedMul(Long nA, Long nB);

// Round to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double dValue);

// Rounded conversions that raise overflow (6) when the rounded value does not fit
// (NaN and infinities included).
Long RoundToLong(double dValue);
Integer RoundToInteger(double dValue);

// Narrowing that raises overflow (6) when the value does not fit 16 bits.
Integer ToInteger(Long nValue);

}  // namespace qv
