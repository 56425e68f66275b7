#pragma once

#include <string>

#include "platform/win32/Types.h"

// The system's image lists made for a host: generated ones, as every backend makes them
// (site/GeneratedImages.h), and those of a strip in an image file. Each gives a null handle
// with the reason in sError when it cannot make the list. On 64-bit Windows a list whose
// handle does not fit the contract's 32 bits is refused.
namespace qv::windows {

// nCount images of nWidth x nHeight, image i filled with site::GeneratedImageColor(i), with
// no transparent pixel.
win32::HIMAGELIST CreateGeneratedImageList(int nWidth, int nHeight, int nCount,
                                           std::string& sError);
// Images of nWidth x nHeight side by side in a strip in an image file, as many as fit its
// width, from its top nHeight rows; pure magenta and pixels with alpha below half are
// transparent. sError tells why nothing was made.
win32::HIMAGELIST LoadImageListStrip(const std::string& sPath, int nWidth, int nHeight,
                                     std::string& sError);

}  // namespace qv::windows
