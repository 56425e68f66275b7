#include "platform/Checked.h"

#include <cmath>
#include <limits>

#include "platform/HostError.h"

namespace qv {

namespace {

[[noreturn]] void RaiseOverflow() {
    throw HostError(err::kOverflow);
}

// Rounds, then narrows to T; NaN fails both comparisons and so overflows too.
template <typename T>
T RoundToRange(double dValue) {
    const double dRounded = RoundHalfEven(dValue);
    if (!(dRounded >= std::numeric_limits<T>::min() && dRounded <= std::numeric_limits<T>::max()))
        RaiseOverflow();
    return static_cast<T>(dRounded);
}

}  // namespace

Long CheckedAdd(Long nA, Long nB) {
    Long nResult = 0;
    if (__builtin_add_overflow(nA, nB, &nResult)) RaiseOverflow();
    return nResult;
}

Long CheckedSub(Long nA, Long nB) {
    Long nResult = 0;
    if (__builtin_sub_overflow(nA, nB, &nResult)) RaiseOverflow();
    return nResult;
}

Long CheckedMul(Long nA, Long nB) {
    Long nResult = 0;
    if (__builtin_mul_overflow(nA, nB, &nResult)) RaiseOverflow();
    return nResult;
}

// Works on floor() and the exact distance to it, so the result does not depend on the
// floating-point rounding mode and 0.49999999999999994 does not become 1.
double RoundHalfEven(double dValue) {
    if (!std::isfinite(dValue)) return dValue;
    const double dFloor = std::floor(dValue);
    const double dFraction = dValue - dFloor;
    if (dFraction < 0.5) return dFloor;
    if (dFraction > 0.5) return dFloor + 1.0;
    return std::fmod(dFloor, 2.0) == 0.0 ? dFloor : dFloor + 1.0;
}

Long RoundToLong(double dValue) {
    return RoundToRange<Long>(dValue);
}

Integer RoundToInteger(double dValue) {
    return RoundToRange<Integer>(dValue);
}

Integer ToInteger(Long nValue) {
    if (nValue < std::numeric_limits<Integer>::min() ||
        nValue > std::numeric_limits<Integer>::max())
        RaiseOverflow();
    return static_cast<Integer>(nValue);
}

}  // namespace qv
