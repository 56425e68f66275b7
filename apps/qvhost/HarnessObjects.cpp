// Objects the script makes (image lists and pictures) and what it looks at: pixels and
// pictures of windows.
#include <cstdio>

#include "platform/win32/ImageList.h"
#include "qvhost/Harness.h"

namespace qv::qvhost {

using namespace win32;

void Harness::DestroyImageList(const std::string& sName) {
    auto it = m_imageLists.find(sName);
    if (it == m_imageLists.end()) return;
    ImageList_Destroy(it->second);
    m_imageLists.erase(it);
}

// A name made again stands for the new object from then on.
void Harness::Run(const ImageListCommand& command) {
    HIMAGELIST hList{};
    std::string sError = "cannot make an image list of that size";
    if (command.sFile) {
        const std::string sPath = InputFile(*command.sFile).string();
        hList = m_pPlatform->LoadImageListStrip(sPath, command.nWidth, command.nHeight, sError);
        if (hList == HIMAGELIST{}) sError = sPath + ": " + sError;
    } else {
        hList = m_pPlatform->CreateGeneratedImageList(command.nWidth, command.nHeight,
                                                      command.nCount.value_or(0), sError);
    }
    if (hList == HIMAGELIST{}) FailScript(sError);
    DestroyImageList(command.sName);
    m_objects.erase(command.sName);
    m_imageLists[command.sName] = hList;
}

void Harness::Run(const PictureCommand& command) {
    using Kind = PictureCommand::Kind;
    host::PictureRef oPicture;
    std::string sError = "cannot make a picture of that size";
    const auto nColor = static_cast<COLORREF>(command.nColor);
    switch (command.eKind) {
        case Kind::Bitmap:
            oPicture =
                m_pPlatform->MakeBitmapPicture(command.nWidth, command.nHeight, nColor, sError);
            break;
        case Kind::Icon:
            oPicture =
                m_pPlatform->MakeIconPicture(command.nWidth, command.nHeight, nColor, sError);
            break;
        case Kind::Metafile:
            oPicture = m_pPlatform->MakeMetafilePicture(sError);
            break;
        case Kind::Empty:
            oPicture = m_pPlatform->MakeEmptyPicture(sError);
            break;
        case Kind::File: {
            const std::string sPath = InputFile(command.sFile).string();
            oPicture = m_pPlatform->LoadPictureFile(sPath, sError);
            if (!oPicture) sError = sPath + ": " + sError;
            break;
        }
    }
    if (!oPicture) FailScript(sError);
    DestroyImageList(command.sName);
    m_objects[command.sName] = oPicture;
}

// Outside the client area there is no pixel: CLR_INVALID.
void Harness::Run(const PixelCommand& command) {
    const COLORREF clrPixel =
        m_pPlatform->Pixel(Control(command.sName).site->hWnd(), command.nX, command.nY);
    char sHex[16];
    std::snprintf(sHex, sizeof sHex, "0x%08X", static_cast<unsigned>(clrPixel));
    m_out << command.sName << ".pixel " << command.nX << " " << command.nY << " = " << sHex << "\n";
}

void Harness::Run(const PaintCommand& command) {
    const HWND hWnd = command.sName ? Control(*command.sName).site->hWnd() : HWND{};
    StopOnPlatformError([&] { m_pPlatform->WritePicture(hWnd, OutputFile(command.sFile)); });
}

}  // namespace qv::qvhost
