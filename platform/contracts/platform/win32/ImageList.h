#pragma once

#include "platform/win32/Types.h"

// Common-control image lists: strips of equally sized images with a transparency mask.
namespace qv::win32 {

inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;

// Draws image nIndex with its top-left corner at nX, nY; the masked pixels of the image
// leave the destination as it was. An index outside the list draws nothing.
BOOL ImageList_Draw(HIMAGELIST hImageList, int nIndex, HDC hDC, int nX, int nY, UINT fStyle);
BOOL ImageList_GetIconSize(HIMAGELIST hImageList, int* pWidth, int* pHeight);
int ImageList_GetImageCount(HIMAGELIST hImageList);
BOOL ImageList_Destroy(HIMAGELIST hImageList);

}  // namespace qv::win32
