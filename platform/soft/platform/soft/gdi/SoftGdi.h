#pragma once

#include <cstddef>
#include <optional>

#include "platform/soft/gdi/GdiObjects.h"
#include "platform/soft/gdi/Surface.h"
#include "platform/win32/Types.h"

// What the software drawing platform offers beyond the Win32-shaped calls: device contexts
// on surfaces owned by others, the pixels behind bitmaps, and a count of live objects.
namespace qv::soft {

// A device context that draws into pArea of a surface owned by someone else (the whole
// surface when pArea is null): logical 0,0 is the area's top-left and nothing is drawn
// outside it. Bitmaps cannot be selected into it. Delete it with DeleteDC; the surface is
// kept alive as long as the device context exists. 0 for a null surface.
win32::HDC CreateSurfaceDC(SurfaceRef pSurface, const win32::RECT* pArea = nullptr);

// The pixels of a bitmap, shared; nullptr for an invalid handle.
SurfaceRef SurfaceOfBitmap(win32::HBITMAP hBitmap);
// What a device context draws into now; nullptr for an invalid handle.
SurfaceRef SurfaceOfDC(win32::HDC hDC);

// A bitmap handle on an existing surface (any size, also 0 x 0); delete it with DeleteObject.
win32::HBITMAP CreateBitmapOn(SurfaceRef pSurface);
// An icon of colour pixels and their mask; destroy it with DestroyIcon. 0 when the mask
// does not have one byte per pixel.
win32::HICON CreateIconFrom(MaskedImage image);

// What a font was created with (its face converted to UTF-8); nothing for an invalid handle.
std::optional<FontRequest> FontRequestOf(win32::HFONT hFont);

// The number of device contexts, bitmaps, brushes, pens, fonts, icons, image lists and
// metafiles that exist now, stock objects not counted.
std::size_t LiveObjectCount();

}  // namespace qv::soft
