#include "render/BackPicture.h"

#include "platform/Checked.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/GdiOwners.h"
#include "render/RectMath.h"

namespace qv {

using namespace win32;

namespace {

constexpr double kHimetricPerInch = 2540.0;

Long PixelsOfHimetric(Long nHimetric, int nPixelsPerInch) {
    return RoundToLong(static_cast<double>(nHimetric) * nPixelsPerInch / kHimetricPerInch);
}

void CopyStretched(HDC hDC, HDC hSourceDC, const RECT& rcDest, const RECT& rcSource) {
    const ScopedStretchMode stretchMode(hDC, COLORONCOLOR);
    StretchBlt(hDC, rcDest.left, rcDest.top, RectWidth(rcDest), RectHeight(rcDest), hSourceDC,
               rcSource.left, rcSource.top, RectWidth(rcSource), RectHeight(rcSource), SRCCOPY);
}

}  // namespace

Boolean IsPictureValid(const host::PictureRef& oPicture) {
    return Boolean::FromBool(oPicture && oPicture->Handle() != 0);
}

bool IsDrawablePicture(const host::PictureRef& oPicture) {
    if (!IsPictureValid(oPicture).IsTrue()) return false;
    const Integer nType = oPicture->Type();
    return nType == host::vbPicTypeBitmap || nType == host::vbPicTypeIcon;
}

void GetPictureSize(HDC hDC, const host::PictureRef& oPicture, Long& nWidth, Long& nHeight) {
    nWidth = 0;
    nHeight = 0;
    if (!IsPictureValid(oPicture).IsTrue()) return;
    nWidth = PixelsOfHimetric(oPicture->Width(), GetDeviceCaps(hDC, LOGPIXELSX));
    nHeight = PixelsOfHimetric(oPicture->Height(), GetDeviceCaps(hDC, LOGPIXELSY));
}

void DrawPicture(HDC hDC, const host::PictureRef& oPicture, const RECT& rcDest,
                 const RECT& rcSource) {
    if (!IsDrawablePicture(oPicture)) return;
    const auto nHandle = static_cast<std::uint32_t>(oPicture->Handle());
    const UniqueDC memDC(CreateCompatibleDC(hDC));
    if (oPicture->Type() == host::vbPicTypeBitmap) {
        const ScopedSelection selection(memDC.Get(), MakeHandle<HBITMAP>(nHandle));
        CopyStretched(hDC, memDC.Get(), rcDest, rcSource);
        return;
    }
    Long nWidth = 0;
    Long nHeight = 0;
    GetPictureSize(hDC, oPicture, nWidth, nHeight);
    const UniqueGdiObject iconBitmap(CreateCompatibleBitmap(hDC, nWidth, nHeight));
    const ScopedSelection selection(memDC.Get(), iconBitmap.Get());
    DrawIcon(memDC.Get(), 0, 0, MakeHandle<HICON>(nHandle));
    CopyStretched(hDC, memDC.Get(), rcDest, rcSource);
}

}  // namespace qv
