#include "platform/windows/host/Pictures.h"

#include "platform/host/SiteUnits.h"
#include "platform/windows/host/PngFiles.h"

#include "platform/windows/GdiObjectCount.h"
#include "platform/windows/SystemApi.h"

namespace qv::windows {

namespace {

class SystemPicture : public host::IPicture {
  public:
    SystemPicture(host::PictureType eType, HANDLE hHandle, int nWidth, int nHeight)
        : m_eType(eType),
          m_hHandle(hHandle),
          m_nHimetricWidth(host::HimetricFromPixels(nWidth)),
          m_nHimetricHeight(host::HimetricFromPixels(nHeight)) {}
    ~SystemPicture() override {
        if (m_eType == host::vbPicTypeIcon)
            CountDeleted(::DestroyIcon(static_cast<HICON>(m_hHandle)));
        else
            CountDeleted(::DeleteObject(static_cast<HGDIOBJ>(m_hHandle)));
    }
    SystemPicture(const SystemPicture&) = delete;
    SystemPicture& operator=(const SystemPicture&) = delete;

    Long Handle() const override { return static_cast<Long>(ToOurs<std::uint32_t>(m_hHandle)); }
    Integer Type() const override { return m_eType; }
    Long Width() const override { return m_nHimetricWidth; }
    Long Height() const override { return m_nHimetricHeight; }

  private:
    host::PictureType m_eType;
    HANDLE m_hHandle;
    Long m_nHimetricWidth;
    Long m_nHimetricHeight;
};

std::wstring WidePath(const std::string& sUtf8) {
    const int nLength = ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.c_str(), -1, nullptr, 0);
    std::wstring sWide(static_cast<size_t>(nLength > 0 ? nLength : 1), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.c_str(), -1, sWide.data(), nLength);
    return sWide;
}

host::PictureRef BitmapPicture(HANDLE hBitmap) {
    BITMAP info{};
    ::GetObjectA(hBitmap, sizeof info, &info);
    return std::make_shared<SystemPicture>(host::vbPicTypeBitmap, hBitmap, info.bmWidth,
                                           info.bmHeight);
}

// An icon's size is its colour bitmap's, or half the height of its mask (monochrome icons
// keep both halves in the mask).
host::PictureRef IconPicture(HANDLE hIcon) {
    ICONINFO iconInfo{};
    if (::GetIconInfo(static_cast<HICON>(hIcon), &iconInfo)) {
        CountCreated(iconInfo.hbmColor);
        CountCreated(iconInfo.hbmMask);
    }
    BITMAP mask{};
    ::GetObjectA(iconInfo.hbmMask, sizeof mask, &mask);
    const int nHeight = iconInfo.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
    if (iconInfo.hbmColor) CountDeleted(::DeleteObject(iconInfo.hbmColor));
    if (iconInfo.hbmMask) CountDeleted(::DeleteObject(iconInfo.hbmMask));
    return std::make_shared<SystemPicture>(host::vbPicTypeIcon, hIcon, mask.bmWidth, nHeight);
}

}  // namespace

host::PictureRef LoadPictureFile(const std::string& sPath, std::string& sError) {
    const std::wstring sWidePath = WidePath(sPath);
    if (::GetFileAttributesW(sWidePath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        sError = "cannot open " + sPath;
        return nullptr;
    }
    const std::string sUnreadable = sPath + ": not a bitmap, icon or PNG image the system can load";
    HBITMAP hPngBitmap = nullptr;
    switch (DecodePngFile(sWidePath, hPngBitmap)) {
        case PngResult::Decoded:
            return BitmapPicture(hPngBitmap);
        case PngResult::Damaged:
            sError = sUnreadable;
            return nullptr;
        case PngResult::NoDecoder:
            sError = sPath + ": the system has no PNG decoder";
            return nullptr;
        case PngResult::NotPng:
            break;
    }
    if (HANDLE hBitmap = CountCreated(::LoadImageW(nullptr, sWidePath.c_str(), IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE | LR_CREATEDIBSECTION)))
        return BitmapPicture(hBitmap);
    if (HANDLE hIcon = CountCreated(
            ::LoadImageW(nullptr, sWidePath.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)))
        return IconPicture(hIcon);
    sError = sUnreadable;
    return nullptr;
}

}  // namespace qv::windows
