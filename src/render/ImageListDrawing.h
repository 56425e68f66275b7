#pragma once

#include "platform/Types.h"
#include "platform/win32/Types.h"

namespace qv {

// Image-list routines. Lists are passed as the 32-bit handle values
// the control keeps; 0 means no list.

// The size of the list's images; 0 x 0 for list 0 or a list the platform does not know.
void GetImageSize(Long hImageList, Long& nWidth, Long& nHeight);

// Draws image nIndex of the list centred in the rectangle (halves rounded to even),
// leaving its transparent pixels alone. List 0 or index -1 draws nothing; any other index
// is passed on. Centring that leaves 32 bits raises overflow (6).
void DrawImageCentered(win32::HDC hDC, Long hImageList, const win32::RECT& rect, Long nIndex);

}  // namespace qv
