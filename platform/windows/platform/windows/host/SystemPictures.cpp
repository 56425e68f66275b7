// The contract's header before the system's, whose macros would replace its names.
#include "platform/host/SiteUnits.h"

#include "platform/windows/host/SystemPictures.h"

#include "platform/windows/GdiObjectCount.h"

namespace qv::windows {

namespace {

// A picture owns its handle from the moment it is made, and is counted as holding it.
class SystemPicture : public host::IPicture {
  public:
    SystemPicture(host::PictureType eType, HANDLE hHandle, Long nHimetricWidth,
                  Long nHimetricHeight)
        : m_eType(eType),
          m_hHandle(hHandle),
          m_nHimetricWidth(nHimetricWidth),
          m_nHimetricHeight(nHimetricHeight) {
        CountCreated(m_hHandle);
    }
    ~SystemPicture() override {
        switch (m_eType) {
            case host::vbPicTypeNone:
                break;
            case host::vbPicTypeIcon:
                CountDeleted(::DestroyIcon(static_cast<HICON>(m_hHandle)));
                break;
            case host::vbPicTypeMetafile:
                CountDeleted(::DeleteMetaFile(static_cast<HMETAFILE>(m_hHandle)));
                break;
            default:
                CountDeleted(::DeleteObject(static_cast<HGDIOBJ>(m_hHandle)));
        }
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

host::PictureRef PictureOfPixels(host::PictureType eType, HANDLE hHandle, int nWidth, int nHeight) {
    return std::make_shared<SystemPicture>(eType, hHandle, host::HimetricFromPixels(nWidth),
                                           host::HimetricFromPixels(nHeight));
}

}  // namespace

host::PictureRef BitmapPicture(HBITMAP hBitmap) {
    if (!hBitmap) return nullptr;
    BITMAP info{};
    ::GetObjectA(hBitmap, sizeof info, &info);
    return PictureOfPixels(host::vbPicTypeBitmap, hBitmap, info.bmWidth, info.bmHeight);
}

host::PictureRef IconPicture(HICON hIcon) {
    if (!hIcon) return nullptr;
    ICONINFO iconInfo{};
    ::GetIconInfo(hIcon, &iconInfo);
    BITMAP mask{};
    ::GetObjectA(iconInfo.hbmMask, sizeof mask, &mask);
    const int nHeight = iconInfo.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
    if (iconInfo.hbmColor) ::DeleteObject(iconInfo.hbmColor);
    ::DeleteObject(iconInfo.hbmMask);
    return PictureOfPixels(host::vbPicTypeIcon, hIcon, mask.bmWidth, nHeight);
}

host::PictureRef MetafilePicture(HMETAFILE hMetafile, Long nHimetricWidth, Long nHimetricHeight) {
    if (!hMetafile) return nullptr;
    return std::make_shared<SystemPicture>(host::vbPicTypeMetafile, hMetafile, nHimetricWidth,
                                           nHimetricHeight);
}

host::PictureRef EmptyPicture() {
    return std::make_shared<SystemPicture>(host::vbPicTypeNone, nullptr, 0, 0);
}

}  // namespace qv::windows
