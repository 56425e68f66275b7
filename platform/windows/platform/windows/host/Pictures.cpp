#include "platform/windows/host/Pictures.h"

#include "platform/windows/host/PngFiles.h"
#include "platform/windows/host/SystemPictures.h"
#include "platform/windows/host/WidePath.h"

#include "platform/windows/SystemApi.h"

namespace qv::windows {

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
    if (HANDLE hBitmap = ::LoadImageW(nullptr, sWidePath.c_str(), IMAGE_BITMAP, 0, 0,
                                      LR_LOADFROMFILE | LR_CREATEDIBSECTION))
        return BitmapPicture(static_cast<HBITMAP>(hBitmap));
    if (HANDLE hIcon = ::LoadImageW(nullptr, sWidePath.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE))
        return IconPicture(static_cast<HICON>(hIcon));
    sError = sUnreadable;
    return nullptr;
}

}  // namespace qv::windows
