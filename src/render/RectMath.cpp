#include "render/RectMath.h"

#include "platform/Checked.h"

namespace qv {

namespace {
bool IsEmpty(const win32::RECT& rect) {
    return rect.left >= rect.right || rect.top >= rect.bottom;
}
}  // namespace

Boolean RectIsEmpty(const win32::RECT& rect) {
    return Boolean::FromBool(IsEmpty(rect));
}

win32::RECT MakeRect(Long nLeft, Long nTop, Long nRight, Long nBottom) {
    const win32::RECT rect{nLeft, nTop, nRight, nBottom};
    return IsEmpty(rect) ? win32::RECT{} : rect;
}

void OffsetRectBy(win32::RECT& rect, Long nDx, Long nDy) {
    rect.left = CheckedAdd(rect.left, nDx);
    rect.right = CheckedAdd(rect.right, nDx);
    rect.top = CheckedAdd(rect.top, nDy);
    rect.bottom = CheckedAdd(rect.bottom, nDy);
    if (IsEmpty(rect)) rect = {};
}

Long RectWidth(const win32::RECT& rect) {
    return CheckedSub(rect.right, rect.left);
}

Long RectHeight(const win32::RECT& rect) {
    return CheckedSub(rect.bottom, rect.top);
}

Boolean RectContainsPoint(const win32::RECT& rect, Long nX, Long nY) {
    if (IsEmpty(rect)) return VbFalse;
    return Boolean::FromBool(nX >= rect.left && nX <= rect.right && nY >= rect.top &&
                             nY <= rect.bottom);
}

Long CentredStart(Long nStart, Long nSpan, Long nSize, Long nNudge) {
    return RoundToLong(nSpan / 2.0 + nStart - nSize / 2.0 + nNudge);
}

}  // namespace qv
