#include "platform/soft/gdi/ImageLists.h"

#include "platform/site/GeneratedImages.h"
#include "platform/soft/gdi/GdiState.h"
#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/Raster.h"
#include "platform/win32/ImageList.h"

namespace qv::soft {

using namespace win32;

namespace {

HIMAGELIST AddList(int nWidth, int nHeight, int nCount, MaskedImage strip) {
    return MakeHandle<HIMAGELIST>(Objects().Add(
        std::make_unique<ImageListObject>(nWidth, nHeight, nCount, std::move(strip))));
}

// A strip for nCount images, or nothing when it would be too large.
SurfaceRef MakeStrip(int nWidth, int nHeight, int nCount) {
    if (nWidth <= 0 || nHeight <= 0 || nCount < 0) return nullptr;
    const std::int64_t nStripWidth = std::int64_t{nWidth} * nCount;
    if (nStripWidth > Surface::kMaxSide) return nullptr;
    return Surface::Create(static_cast<int>(nStripWidth), nHeight);
}

}  // namespace

COLORREF GeneratedImageColor(int nIndex) {
    return site::GeneratedImageColor(nIndex);
}

HIMAGELIST CreateGeneratedImageList(int nWidth, int nHeight, int nCount) {
    SurfaceRef pStrip = MakeStrip(nWidth, nHeight, nCount);
    if (!pStrip) return HIMAGELIST{};
    for (int i = 0; i < nCount; ++i)
        FillSolid(*pStrip, {i * nWidth, 0, (i + 1) * nWidth, nHeight}, GeneratedImageColor(i));
    const auto nPixels = static_cast<std::size_t>(pStrip->Width()) * nHeight;
    return AddList(nWidth, nHeight, nCount,
                   {std::move(pStrip), std::vector<std::uint8_t>(nPixels, 0)});
}

HIMAGELIST CreateImageListFromStrip(const MaskedImage& strip, int nWidth, int nHeight,
                                    COLORREF clrTransparent) {
    if (!strip.pColor || nWidth <= 0 || nHeight <= 0 || strip.pColor->Height() < nHeight)
        return HIMAGELIST{};
    const int nCount = strip.pColor->Width() / nWidth;
    SurfaceRef pStrip = MakeStrip(nWidth, nHeight, nCount);
    if (nCount == 0 || !pStrip) return HIMAGELIST{};
    std::vector<std::uint8_t> aMask(static_cast<std::size_t>(pStrip->Width()) * nHeight);
    const std::size_t nSourceWidth = static_cast<std::size_t>(strip.pColor->Width());
    for (int nY = 0; nY < nHeight; ++nY) {
        for (int nX = 0; nX < pStrip->Width(); ++nX) {
            const std::uint32_t nPixel = strip.pColor->Row(nY)[nX];
            const bool bMasked = !strip.aMask.empty() && strip.aMask[nY * nSourceWidth + nX];
            pStrip->Row(nY)[nX] = nPixel;
            aMask[static_cast<std::size_t>(nY) * pStrip->Width() + nX] =
                bMasked || nPixel == PixelOf(clrTransparent) ? 1 : 0;
        }
    }
    return AddList(nWidth, nHeight, nCount, {std::move(pStrip), std::move(aMask)});
}

HIMAGELIST LoadImageListStrip(const std::string& sPath, int nWidth, int nHeight,
                              std::string& sError) {
    const std::optional<MaskedImage> strip = ReadImageFile(sPath, sError);
    if (!strip) return HIMAGELIST{};
    const HIMAGELIST hList = CreateImageListFromStrip(*strip, nWidth, nHeight, kMagenta);
    if (HandleValue(hList) == 0) sError = "the image holds no whole image of that size";
    return hList;
}

}  // namespace qv::soft

namespace qv::win32 {

using soft::ImageListObject;

namespace {
ImageListObject* FindList(HIMAGELIST hImageList) {
    return soft::Objects().Find<ImageListObject>(HandleValue(hImageList));
}
}  // namespace

// Lists have no background colour of their own, so both styles leave masked pixels alone.
BOOL ImageList_Draw(HIMAGELIST hImageList, int nIndex, HDC hDC, int nX, int nY, UINT /*fStyle*/) {
    const ImageListObject* pList = FindList(hImageList);
    const std::optional<soft::DrawContext> draw = soft::BeginDrawing(hDC);
    if (!pList || !draw || nIndex < 0 || nIndex >= pList->nCount) return FALSE;
    const soft::Canvas& canvas = draw->canvas;
    const RECT rcDest = canvas.ToDevice(nX, nY, std::int64_t{nX} + pList->nWidth,
                                        std::int64_t{nY} + pList->nHeight);
    if (soft::IsEmptyRect(rcDest)) return TRUE;
    const std::int64_t nSrcX = rcDest.left - (std::int64_t{nX} + canvas.nOriginX);
    const std::int64_t nSrcY = rcDest.top - (std::int64_t{nY} + canvas.nOriginY);
    soft::CopyMaskedPixels(*canvas.pSurface, rcDest, pList->strip,
                           static_cast<int>(nIndex * pList->nWidth + nSrcX),
                           static_cast<int>(nSrcY));
    return TRUE;
}

BOOL ImageList_GetIconSize(HIMAGELIST hImageList, int* pWidth, int* pHeight) {
    const ImageListObject* pList = FindList(hImageList);
    if (!pList || !pWidth || !pHeight) return FALSE;
    *pWidth = pList->nWidth;
    *pHeight = pList->nHeight;
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST hImageList) {
    const ImageListObject* pList = FindList(hImageList);
    return pList ? pList->nCount : 0;
}

BOOL ImageList_Destroy(HIMAGELIST hImageList) {
    if (!FindList(hImageList)) return FALSE;
    return soft::Objects().Remove(HandleValue(hImageList)) ? TRUE : FALSE;
}

}  // namespace qv::win32
