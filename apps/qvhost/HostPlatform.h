#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Variant.h"
#include "platform/host/Picture.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/PropertyPage.h"
#include "platform/site/FormCore.h"
#include "platform/win32/Types.h"
#include "qvhost/PageSheet.h"
#include "qvhost/UserInput.h"

namespace qv::qvhost {

// A property bag read from or written to a file.
class IBagFile : public host::IPropertyBag {
  public:
    virtual void Save(const std::filesystem::path& path) const = 0;
};

// What the harness needs from a window system: a form and its sites, the user's hand, what
// the screen shows, the host's objects and files, message boxes and property pages. Each
// backend has one; the script language and the transcript do not depend on which.
class IHostPlatform {
  public:
    virtual ~IHostPlatform() = default;

    virtual site::FormCore& Form() = 0;

    // The user's hand on the form's windows.
    virtual IUserInput& Input() = 0;

    // A pixel of the window's client area as the screen shows it; CLR_INVALID outside it.
    virtual win32::COLORREF Pixel(win32::HWND hWnd, int nX, int nY) = 0;
    // The window (or the whole form for a null handle) as a PNG file.
    virtual void WritePicture(win32::HWND hWnd, const std::filesystem::path& path) = 0;

    // nullptr / a null handle with the reason in sError when it cannot be made.
    virtual win32::HIMAGELIST LoadImageListStrip(const std::string& sPath, int nWidth, int nHeight,
                                                 std::string& sError) = 0;
    virtual win32::HIMAGELIST CreateGeneratedImageList(int nWidth, int nHeight, int nCount,
                                                       std::string& sError) = 0;
    virtual host::PictureRef MakeBitmapPicture(int nWidth, int nHeight, win32::COLORREF clrFill,
                                               std::string& sError) = 0;
    virtual host::PictureRef MakeIconPicture(int nWidth, int nHeight, win32::COLORREF clrFill,
                                             std::string& sError) = 0;
    virtual host::PictureRef MakeMetafilePicture(std::string& sError) = 0;
    virtual host::PictureRef MakeEmptyPicture(std::string& sError) = 0;
    virtual host::PictureRef LoadPictureFile(const std::string& sPath, std::string& sError) = 0;

    virtual std::unique_ptr<IBagFile> NewBag() = 0;
    virtual std::unique_ptr<IBagFile> LoadBag(const std::filesystem::path& path) = 0;

    // Opens the sheet on the page "general" or "check" of the selection.
    virtual std::unique_ptr<IPageSheet> OpenPages(
        const std::string& sPage, std::vector<host::ISelectedObject*> selection) = 0;
};

// Message boxes of the controls go to the logger, which answers them.
using MessageBoxLogger = std::function<Integer(std::string_view sPrompt, Long nButtons)>;

// The platform this harness is built on, with a form of the given client size whose
// sites report to the observer. Message boxes go to the logger while the platform lives.
std::unique_ptr<IHostPlatform> MakeHostPlatform(int nWidth, int nHeight,
                                                site::IHostObserver* pObserver,
                                                MessageBoxLogger logger);

}  // namespace qv::qvhost
