#pragma once

#include <string>

#include "platform/soft/gdi/GdiObjects.h"
#include "platform/win32/Types.h"

// Making image lists. Each function gives 0 for a size or count it cannot serve; release a
// list with ImageList_Destroy.
namespace qv::soft {

// The colour of generated image i: entry i mod 8 of the palette every host generates with
// (site/GeneratedImages.h).
win32::COLORREF GeneratedImageColor(int nIndex);

// nCount images of nWidth x nHeight, image i filled with GeneratedImageColor(i), with no
// transparent pixel.
win32::HIMAGELIST CreateGeneratedImageList(int nWidth, int nHeight, int nCount);

// Images of nWidth x nHeight side by side in a strip, as many as fit its width (at least
// one), from its top nHeight rows. Pixels of clrTransparent, and pixels the strip's own
// mask marks, are transparent.
win32::HIMAGELIST CreateImageListFromStrip(const MaskedImage& strip, int nWidth, int nHeight,
                                           win32::COLORREF clrTransparent);

// A strip in a PNG or BMP file, pure magenta (255, 0, 255) transparent. sError tells why
// nothing was made.
inline constexpr win32::COLORREF kMagenta = 0x00FF00FF;
win32::HIMAGELIST LoadImageListStrip(const std::string& sPath, int nWidth, int nHeight,
                                     std::string& sError);

}  // namespace qv::soft
