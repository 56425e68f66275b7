// Image lists are the system's common-control image lists.
#include "platform/win32/ImageList.h"

#include "platform/windows/SystemApi.h"

#include <commctrl.h>

namespace qv::win32 {

namespace {
::HIMAGELIST List(HIMAGELIST hImageList) {
    return windows::ToReal<::HIMAGELIST>(hImageList);
}
}  // namespace

BOOL ImageList_Draw(HIMAGELIST hImageList, int nIndex, HDC hDC, int nX, int nY, UINT fStyle) {
    if (nIndex < 0 || nIndex >= ::ImageList_GetImageCount(List(hImageList))) return 0;
    return ::ImageList_Draw(List(hImageList), nIndex, windows::ToReal<::HDC>(hDC), nX, nY, fStyle);
}

BOOL ImageList_GetIconSize(HIMAGELIST hImageList, int* pWidth, int* pHeight) {
    return ::ImageList_GetIconSize(List(hImageList), pWidth, pHeight);
}

int ImageList_GetImageCount(HIMAGELIST hImageList) {
    return ::ImageList_GetImageCount(List(hImageList));
}

BOOL ImageList_Destroy(HIMAGELIST hImageList) {
    return ::ImageList_Destroy(List(hImageList));
}

}  // namespace qv::win32
