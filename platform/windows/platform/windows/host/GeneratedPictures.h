#pragma once

#include "platform/host/Picture.h"
#include "platform/win32/Types.h"

// Pictures a host makes without a file, as every backend makes them (site/GeneratedImages.h).
// Each gives nullptr for a size it cannot serve.
namespace qv::windows {

// A bitmap of the colour.
host::PictureRef MakeBitmapPicture(int nWidth, int nHeight, win32::COLORREF clrFill);
// An icon of the colour, fully opaque.
host::PictureRef MakeIconPicture(int nWidth, int nHeight, win32::COLORREF clrFill);
// A metafile picture (type 2) with no records, of the generated size or of a size in
// HIMETRIC (kept exactly).
host::PictureRef MakeMetafilePicture();
host::PictureRef MakeMetafilePictureHimetric(Long nHimetricWidth, Long nHimetricHeight);

}  // namespace qv::windows
