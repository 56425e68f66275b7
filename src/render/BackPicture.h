#pragma once

#include "platform/host/Picture.h"
#include "platform/win32/Types.h"

namespace qv {

// The host's picture objects as the background draws them: bitmaps and icons, at their
// size in pixels of the device they are drawn on.

// True for a picture that is set and has a handle.
Boolean IsPictureValid(const host::PictureRef& oPicture);

// True for a valid bitmap or icon: the kinds of picture the background can draw.
bool IsDrawablePicture(const host::PictureRef& oPicture);

// The picture's size in pixels at the logical resolution of the device context (HIMETRIC
// x pixels per inch / 2540, halves to even); 0 x 0 for a picture that is not valid.
void GetPictureSize(win32::HDC hDC, const host::PictureRef& oPicture, Long& nWidth, Long& nHeight);

// Copies rcSource of the picture onto rcDest, stretched when the sizes differ. A bitmap
// is copied as it is; an icon is first drawn onto a temporary bitmap, so its transparent
// pixels show that bitmap's initial content. Other pictures draw nothing. The picture's
// own handle is never deleted.
void DrawPicture(win32::HDC hDC, const host::PictureRef& oPicture, const win32::RECT& rcDest,
                 const win32::RECT& rcSource);

}  // namespace qv
