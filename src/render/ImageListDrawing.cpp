#include "render/ImageListDrawing.h"

#include "platform/Checked.h"
#include "platform/win32/ImageList.h"
#include "render/RectMath.h"

namespace qv {

namespace {
win32::HIMAGELIST ListOf(Long hImageList) {
    return win32::MakeHandle<win32::HIMAGELIST>(static_cast<std::uint32_t>(hImageList));
}
}  // namespace

void GetImageSize(Long hImageList, Long& nWidth, Long& nHeight) {
    nWidth = 0;
    nHeight = 0;
    if (hImageList != 0) win32::ImageList_GetIconSize(ListOf(hImageList), &nWidth, &nHeight);
}

void DrawImageCentered(win32::HDC hDC, Long hImageList, const win32::RECT& rect, Long nIndex) {
    if (hImageList == 0 || nIndex == -1) return;
    Long nWidth = 0;
    Long nHeight = 0;
    GetImageSize(hImageList, nWidth, nHeight);
    const Long nX = CentredStart(rect.left, RectWidth(rect), nWidth);
    const Long nY = CentredStart(rect.top, RectHeight(rect), nHeight);
    win32::ImageList_Draw(ListOf(hImageList), nIndex, hDC, nX, nY, win32::ILD_TRANSPARENT);
}

}  // namespace qv
