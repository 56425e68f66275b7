// The harness over our own window system: input goes through the window system's own
// queue, the screen is its composition, time is its clock.
#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/ImageLists.h"
#include "platform/soft/gdi/Pictures.h"
#include "platform/soft/host/Form.h"
#include "platform/soft/host/MessageBoxes.h"
#include "platform/soft/host/SoftBagPictures.h"
#include "platform/soft/user/Composition.h"
#include "platform/soft/user/ScrollBar.h"
#include "platform/soft/user/WindowLimits.h"
#include "platform/soft/user/WindowSystem.h"
#include "qvhost/BagFiles.h"
#include "qvhost/HostPlatform.h"
#include "qvhost/soft/SoftPageSheet.h"

namespace qv::qvhost {

using namespace win32;

namespace {

class SoftHostPlatform : public IHostPlatform, public IUserInput {
  public:
    SoftHostPlatform(int nWidth, int nHeight, site::IHostObserver* pObserver,
                     MessageBoxLogger logger)
        : m_form(nWidth, nHeight, pObserver),
          m_previousHandler(soft::SetMessageBoxHandler(std::move(logger))) {}
    ~SoftHostPlatform() override { soft::SetMessageBoxHandler(std::move(m_previousHandler)); }

    site::FormCore& Form() override { return m_form; }
    IUserInput& Input() override { return *this; }

    void MouseButton(HWND hWnd, int nX, int nY, int nButton, bool bDown, int nModifiers) override {
        const POINT pt = ScreenPoint(hWnd, nX, nY);
        if (bDown) {
            Windows().MouseDown(pt, nButton, nModifiers);
        } else {
            Windows().MouseUp(pt, nButton, nModifiers);
        }
    }
    void MouseMove(HWND hWnd, int nX, int nY, int nModifiers) override {
        Windows().MouseMove(ScreenPoint(hWnd, nX, nY), nModifiers);
    }
    void MouseWheel(HWND hWnd, int nX, int nY, int nDelta) override {
        Windows().MouseWheel(hWnd, nDelta, ScreenPoint(hWnd, nX, nY), 0);
    }
    void Key(UINT uMsg, int nCode, int nModifiers) override {
        Windows().Key(uMsg, nCode, nModifiers);
    }
    int ModifiersHeld() override { return m_form.Windows().Modifiers(); }
    HWND Focus() override { return m_form.Windows().Focus(); }
    void SetFocus(HWND hWnd) override { Windows().SetFocus(hWnd); }
    ScrollBarInfo VerticalBar(HWND hWnd) override {
        const soft::ScrollBarState& bar = m_form.Windows().Find(hWnd)->vertical;
        return {bar.bVisible, bar.nMin, bar.nMax, static_cast<int>(bar.nPage), bar.nPos};
    }
    void Scroll(HWND hWnd, int nRequest, int nThumbPos) override {
        Windows().SendMessage(hWnd, WM_VSCROLL, soft::ScrollRequest(nRequest, nThumbPos), 0);
    }
    void Wait(unsigned nMilliseconds) override { Windows().AdvanceTime(nMilliseconds); }

    COLORREF Pixel(HWND hWnd, int nX, int nY) override {
        return Windows().Find(hWnd)->pClient->Pixel(nX, nY);
    }
    void WritePicture(HWND hWnd, const std::filesystem::path& path) override {
        const soft::SurfaceRef pPicture = hWnd != HWND{}
                                              ? soft::ComposeWindow(Windows(), hWnd)
                                              : soft::ComposeForm(Windows(), m_form.hWnd());
        std::string sError = "nothing to write";
        if (!pPicture || !soft::WritePngFile(*pPicture, path.string(), sError))
            throw HostPlatformError(path.string() + ": " + sError);
    }

    HIMAGELIST LoadImageListStrip(const std::string& sPath, int nWidth, int nHeight,
                                  std::string& sError) override {
        return soft::LoadImageListStrip(sPath, nWidth, nHeight, sError);
    }
    HIMAGELIST CreateGeneratedImageList(int nWidth, int nHeight, int nCount,
                                        std::string&) override {
        return soft::CreateGeneratedImageList(nWidth, nHeight, nCount);
    }
    host::PictureRef MakeBitmapPicture(int nWidth, int nHeight, COLORREF clrFill,
                                       std::string&) override {
        return soft::MakeBitmapPicture(nWidth, nHeight, clrFill);
    }
    host::PictureRef MakeIconPicture(int nWidth, int nHeight, COLORREF clrFill,
                                     std::string&) override {
        return soft::MakeIconPicture(nWidth, nHeight, clrFill);
    }
    host::PictureRef MakeMetafilePicture(std::string&) override {
        return soft::MakeMetafilePicture();
    }
    host::PictureRef MakeEmptyPicture(std::string&) override { return soft::MakeEmptyPicture(); }
    host::PictureRef LoadPictureFile(const std::string& sPath, std::string& sError) override {
        return soft::LoadPictureFile(sPath, sError);
    }

    std::unique_ptr<IBagFile> NewBag() override { return NewBagFile(soft::BagPictures()); }
    std::unique_ptr<IBagFile> LoadBag(const std::filesystem::path& path) override {
        return LoadBagFile(path, soft::BagPictures());
    }

    std::unique_ptr<IPageSheet> OpenPages(const std::string& sPage,
                                          std::vector<host::ISelectedObject*> selection) override {
        return OpenSoftPageSheet(sPage, std::move(selection));
    }

  private:
    soft::WindowSystem& Windows() { return m_form.Windows(); }
    POINT ScreenPoint(HWND hWnd, int nX, int nY) {
        return soft::OffsetPoint(Windows().ClientOrigin(hWnd), nX, nY);
    }

    soft::Form m_form;
    soft::MessageBoxHandler m_previousHandler;
};

}  // namespace

std::unique_ptr<IHostPlatform> MakeHostPlatform(int nWidth, int nHeight,
                                                site::IHostObserver* pObserver,
                                                MessageBoxLogger logger) {
    return std::make_unique<SoftHostPlatform>(nWidth, nHeight, pObserver, std::move(logger));
}

}  // namespace qv::qvhost
