#include "platform/soft/gdi/Pictures.h"

#include "platform/host/SiteUnits.h"
#include "platform/soft/gdi/GdiState.h"
#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/SoftGdi.h"
#include "platform/win32/Gdi.h"

namespace qv::soft {

namespace {

// Releases the handle it was given with the call that fits its kind.
class SoftPicture : public host::IPicture {
  public:
    SoftPicture(host::PictureType eType, std::uint32_t nHandle, Long nHimetricWidth,
                Long nHimetricHeight)
        : m_eType(eType),
          m_nHandle(nHandle),
          m_nHimetricWidth(nHimetricWidth),
          m_nHimetricHeight(nHimetricHeight) {}
    ~SoftPicture() override {
        if (m_nHandle == 0) return;
        if (m_eType == host::vbPicTypeIcon)
            win32::DestroyIcon(win32::MakeHandle<win32::HICON>(m_nHandle));
        else
            Objects().Remove(m_nHandle);
    }
    SoftPicture(const SoftPicture&) = delete;
    SoftPicture& operator=(const SoftPicture&) = delete;

    Long Handle() const override { return static_cast<Long>(m_nHandle); }
    Integer Type() const override { return m_eType; }
    Long Width() const override { return m_nHimetricWidth; }
    Long Height() const override { return m_nHimetricHeight; }

  private:
    host::PictureType m_eType;
    std::uint32_t m_nHandle;
    // Kept as given, so a size read from a saved picture is the size it gives back.
    Long m_nHimetricWidth;
    Long m_nHimetricHeight;
};

host::PictureRef MakePicture(host::PictureType eType, std::uint32_t nHandle, int nWidth,
                             int nHeight) {
    if (nHandle == 0) return nullptr;
    return std::make_shared<SoftPicture>(eType, nHandle, host::HimetricFromPixels(nWidth),
                                         host::HimetricFromPixels(nHeight));
}

}  // namespace

host::PictureRef MakeBitmapPicture(SurfaceRef pSurface) {
    if (!pSurface) return nullptr;
    const int nWidth = pSurface->Width();
    const int nHeight = pSurface->Height();
    return MakePicture(host::vbPicTypeBitmap,
                       win32::HandleValue(CreateBitmapOn(std::move(pSurface))), nWidth, nHeight);
}

host::PictureRef MakeBitmapPicture(int nWidth, int nHeight, win32::COLORREF clrFill) {
    return MakeBitmapPicture(Surface::Create(nWidth, nHeight, clrFill));
}

host::PictureRef MakeIconPicture(MaskedImage image) {
    if (!image.pColor) return nullptr;
    const int nWidth = image.pColor->Width();
    const int nHeight = image.pColor->Height();
    return MakePicture(host::vbPicTypeIcon, win32::HandleValue(CreateIconFrom(std::move(image))),
                       nWidth, nHeight);
}

host::PictureRef MakeIconPicture(int nWidth, int nHeight, win32::COLORREF clrFill) {
    SurfaceRef pSurface = Surface::Create(nWidth, nHeight, clrFill);
    if (!pSurface) return nullptr;
    std::vector<std::uint8_t> aOpaque(static_cast<std::size_t>(nWidth) * nHeight, 0);
    return MakeIconPicture(MaskedImage{std::move(pSurface), std::move(aOpaque)});
}

host::PictureRef MakeMetafilePicture(int nWidth, int nHeight) {
    if (nWidth < 0 || nHeight < 0) return nullptr;
    const std::uint32_t nHandle = Objects().Add(std::make_unique<MetafileObject>());
    return MakePicture(host::vbPicTypeMetafile, nHandle, nWidth, nHeight);
}

host::PictureRef MakeMetafilePictureHimetric(Long nHimetricWidth, Long nHimetricHeight) {
    if (nHimetricWidth < 0 || nHimetricHeight < 0) return nullptr;
    const std::uint32_t nHandle = Objects().Add(std::make_unique<MetafileObject>());
    if (nHandle == 0) return nullptr;
    return std::make_shared<SoftPicture>(host::vbPicTypeMetafile, nHandle, nHimetricWidth,
                                         nHimetricHeight);
}

host::PictureRef MakeEmptyPicture() {
    return std::make_shared<SoftPicture>(host::vbPicTypeNone, 0, 0, 0);
}

host::PictureRef LoadPictureFile(const std::string& sPath, std::string& sError) {
    std::optional<MaskedImage> image = ReadImageFile(sPath, sError);
    if (!image) return nullptr;
    return MakeBitmapPicture(std::move(image->pColor));
}

}  // namespace qv::soft
