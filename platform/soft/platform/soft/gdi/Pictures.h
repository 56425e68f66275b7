#pragma once

#include <string>

#include "platform/host/Picture.h"
#include "platform/site/GeneratedImages.h"
#include "platform/soft/gdi/GdiObjects.h"
#include "platform/win32/Types.h"

// The host's picture objects on the drawing platform. A picture owns its bitmap, icon or
// metafile handle and releases it when the last reference goes; its Width and Height are
// in HIMETRIC. The makers give nullptr for a size they cannot serve.
namespace qv::soft {

host::PictureRef MakeBitmapPicture(int nWidth, int nHeight, win32::COLORREF clrFill);
// A bitmap picture of a surface (shared, not copied).
host::PictureRef MakeBitmapPicture(SurfaceRef pSurface);
// An icon of the colour, fully opaque.
host::PictureRef MakeIconPicture(int nWidth, int nHeight, win32::COLORREF clrFill);
host::PictureRef MakeIconPicture(MaskedImage image);
// A metafile picture (type 2) of the given size in pixels; it draws nothing.
host::PictureRef MakeMetafilePicture(int nWidth = site::kGeneratedMetafileSize,
                                     int nHeight = site::kGeneratedMetafileSize);
// The same with its size in HIMETRIC, kept exactly (no trip through whole pixels).
host::PictureRef MakeMetafilePictureHimetric(Long nHimetricWidth, Long nHimetricHeight);
// A picture with no content: type 0, Handle 0, size 0.
host::PictureRef MakeEmptyPicture();
// A bitmap picture of a PNG or BMP file; nullptr with the reason in sError on failure.
host::PictureRef LoadPictureFile(const std::string& sPath, std::string& sError);

}  // namespace qv::soft
