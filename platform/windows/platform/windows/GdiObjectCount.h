#pragma once

// The GDI objects this backend holds: what it made or borrowed and has not yet given back.
// Device contexts (made, or borrowed from a window), bitmaps, brushes, fonts and icons
// count one each. Handles handed to the system's own picture objects, which delete them
// with the picture, are not counted.
#include "platform/windows/SystemApi.h"

namespace qv::windows {

long LiveGdiObjects();

void CountGdiCreated();
void CountGdiDeleted();

// The new handle, counted when there is one.
template <typename THandle>
THandle CountCreated(THandle hHandle) {
    if (hHandle) CountGdiCreated();
    return hHandle;
}

// A release's result, counted when it succeeded.
inline BOOL CountDeleted(BOOL bDeleted) {
    if (bDeleted) CountGdiDeleted();
    return bDeleted;
}

}  // namespace qv::windows
