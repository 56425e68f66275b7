#pragma once

#include <string>

#include "platform/host/Picture.h"

// The host's picture objects over the system's bitmaps and icons. A picture owns its handle
// and releases it when the last reference goes; Width and Height are in HIMETRIC.
namespace qv::windows {

// A bitmap (BMP), icon (ICO) or PNG file loaded by the system, a PNG as a bitmap; nullptr
// with the reason in sError when the system cannot load it (a damaged PNG is refused with
// the same reason as a damaged BMP).
host::PictureRef LoadPictureFile(const std::string& sPath, std::string& sError);

}  // namespace qv::windows
