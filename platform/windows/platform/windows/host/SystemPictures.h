#pragma once

#include "platform/host/Picture.h"
#include "platform/windows/SystemApi.h"

// Host pictures over the system's handles. A picture owns its handle and releases it when
// the last reference goes; Width and Height are in HIMETRIC. Each maker takes the handle
// over, and gives nullptr (releasing nothing) for a null handle.
namespace qv::windows {

host::PictureRef BitmapPicture(HBITMAP hBitmap);
// An icon's size is its colour bitmap's, or half the height of its mask (monochrome icons
// keep both halves in the mask).
host::PictureRef IconPicture(HICON hIcon);
// A metafile picture (type 2) of the size given in HIMETRIC, kept exactly.
host::PictureRef MetafilePicture(HMETAFILE hMetafile, Long nHimetricWidth, Long nHimetricHeight);
// Type 0, handle 0, size 0.
host::PictureRef EmptyPicture();

}  // namespace qv::windows
