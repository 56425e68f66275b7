#include "platform/soft/user/WindowLimits.h"

#include <algorithm>
#include <limits>

namespace qv::soft {

using namespace win32;

namespace {

constexpr std::int64_t kLongMin = std::numeric_limits<LONG>::min();
constexpr std::int64_t kLongMax = std::numeric_limits<LONG>::max();

// The start of a span of nLength that must end within 32 bits.
LONG LimitStart(LONG nStart, std::int64_t nLength) {
    return static_cast<LONG>(std::min<std::int64_t>(nStart, kLongMax - nLength));
}

}  // namespace

RECT LimitWindowRect(LONG nLeft, LONG nTop, std::int64_t nWidth, std::int64_t nHeight) {
    nWidth = std::clamp<std::int64_t>(nWidth, 0, kMaxWindowSide);
    nHeight = std::clamp<std::int64_t>(nHeight, 0, kMaxWindowSide);
    if (nWidth > 0) nHeight = std::min(nHeight, kMaxWindowPixels / nWidth);
    nLeft = LimitStart(nLeft, nWidth);
    nTop = LimitStart(nTop, nHeight);
    return {nLeft, nTop, static_cast<LONG>(nLeft + nWidth), static_cast<LONG>(nTop + nHeight)};
}

RECT LimitWindowRect(const RECT& rcAsked) {
    return LimitWindowRect(rcAsked.left, rcAsked.top, std::int64_t{rcAsked.right} - rcAsked.left,
                           std::int64_t{rcAsked.bottom} - rcAsked.top);
}

LONG SaturateToLong(std::int64_t nValue) {
    return static_cast<LONG>(std::clamp(nValue, kLongMin, kLongMax));
}

POINT OffsetPoint(POINT pt, std::int64_t nDX, std::int64_t nDY) {
    return {SaturateToLong(pt.x + nDX), SaturateToLong(pt.y + nDY)};
}

}  // namespace qv::soft
