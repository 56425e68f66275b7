// The harness over the system's own windows. The user's hand posts mouse messages that the
// harness's message loop delivers after the command, as our own window system does, and
// sends key messages (the loop translates what it delivers). Pixels are read from the
// window as the screen shows it, border and scroll bar included.
#include <vector>

#include "platform/windows/host/BagPictures.h"
#include "platform/windows/host/Form.h"
#include "platform/windows/host/GeneratedPictures.h"
#include "platform/windows/host/ImageLists.h"
#include "platform/windows/host/MessageBoxes.h"
#include "platform/windows/host/Pictures.h"
#include "platform/windows/host/SystemPictures.h"
#include "qvhost/BagFiles.h"
#include "qvhost/HostPlatform.h"
#include "qvhost/windows/WindowPixels.h"
#include "qvhost/windows/WindowsPageSheet.h"
#include "qvhost/windows/WindowsUserInput.h"
// After the contract headers: the system's macros would replace the contract's names.
#include "platform/windows/SystemApi.h"

namespace qv::qvhost {

namespace {

constexpr const char* kNotAvailable = "not available on this platform";

class WindowsHostPlatform : public IHostPlatform {
  public:
    WindowsHostPlatform(int nWidth, int nHeight, site::IHostObserver* pObserver,
                        MessageBoxLogger logger)
        : m_form(nWidth, nHeight, pObserver),
          m_previousHandler(windows::SetMessageBoxHandler(std::move(logger))),
          m_input(m_form.hWnd(), WindowsUserInput::KeyRoute::Send,
                  [this](unsigned nMilliseconds) { m_form.PumpFor(nMilliseconds); }) {}
    ~WindowsHostPlatform() override { windows::SetMessageBoxHandler(std::move(m_previousHandler)); }

    site::FormCore& Form() override { return m_form; }
    IUserInput& Input() override { return m_input; }

    win32::COLORREF Pixel(win32::HWND hWnd, int nX, int nY) override {
        m_form.RunUntilIdle();
        return ClientPixel(hWnd, nX, nY);
    }
    // A control as the screen shows it, border and scroll bar included; the form as its
    // client area with the controls on it.
    void WritePicture(win32::HWND hWnd, const std::filesystem::path& path) override {
        m_form.RunUntilIdle();
        const bool bForm = hWnd == win32::HWND{};
        std::string sError;
        if (!WriteWindowPicture(bForm ? m_form.hWnd() : hWnd, bForm, path, sError))
            throw HostPlatformError(path.string() + ": " + sError);
    }

    win32::HIMAGELIST LoadImageListStrip(const std::string& sPath, int nWidth, int nHeight,
                                         std::string& sError) override {
        return windows::LoadImageListStrip(sPath, nWidth, nHeight, sError);
    }
    win32::HIMAGELIST CreateGeneratedImageList(int nWidth, int nHeight, int nCount,
                                               std::string& sError) override {
        return windows::CreateGeneratedImageList(nWidth, nHeight, nCount, sError);
    }
    host::PictureRef MakeBitmapPicture(int nWidth, int nHeight, win32::COLORREF clrFill,
                                       std::string&) override {
        return windows::MakeBitmapPicture(nWidth, nHeight, clrFill);
    }
    host::PictureRef MakeIconPicture(int nWidth, int nHeight, win32::COLORREF clrFill,
                                     std::string&) override {
        return windows::MakeIconPicture(nWidth, nHeight, clrFill);
    }
    host::PictureRef MakeMetafilePicture(std::string&) override {
        return windows::MakeMetafilePicture();
    }
    host::PictureRef MakeEmptyPicture(std::string&) override { return windows::EmptyPicture(); }
    host::PictureRef LoadPictureFile(const std::string& sPath, std::string& sError) override {
        return windows::LoadPictureFile(sPath, sError);
    }

    std::unique_ptr<IBagFile> NewBag() override { return NewBagFile(windows::BagPictures()); }
    std::unique_ptr<IBagFile> LoadBag(const std::filesystem::path& path) override {
        return LoadBagFile(path, windows::BagPictures());
    }

    std::unique_ptr<IPageSheet> OpenPages(const std::string& sPage,
                                          std::vector<host::ISelectedObject*> selection) override {
        return OpenWindowsPageSheet(sPage, std::move(selection), [this] { m_form.RunUntilIdle(); });
    }

  private:
    windows::Form m_form;
    windows::MessageBoxHandler m_previousHandler;
    WindowsUserInput m_input;
};

}  // namespace

std::unique_ptr<IHostPlatform> MakeHostPlatform(int nWidth, int nHeight,
                                                site::IHostObserver* pObserver,
                                                MessageBoxLogger logger) {
    return std::make_unique<WindowsHostPlatform>(nWidth, nHeight, pObserver, std::move(logger));
}

}  // namespace qv::qvhost
