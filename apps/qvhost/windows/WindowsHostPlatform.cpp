// The harness over the system's own windows. Mouse messages are posted to the window
// under the point (or the one with the capture) and delivered when the harness lets the
// message loop run, after the command, as our own window system does; key messages are
// sent to the window with the focus, as posting them would have the message loop's
// translation add characters of the desktop's keyboard layout. The modifier keys are
// set in the thread's keyboard state, where the runtime reads them, and the cursor is
// moved to each point, where the system's mouse tracking looks for it. Pixels are read from
// the window as the screen shows it, border and scroll bar included.
#include <vector>

#include "platform/win32/Input.h"
#include "platform/windows/host/Form.h"
#include "platform/windows/host/MessageBoxes.h"
#include "platform/windows/host/Pictures.h"
#include "qvhost/HostPlatform.h"
#include "qvhost/PngFile.h"
#include "qvhost/windows/WindowPixels.h"
#include "qvhost/windows/WindowsPageSheet.h"
// After the contract headers: the system's macros would replace the contract's names.
#include "platform/windows/SystemApi.h"

namespace qv::qvhost {

namespace {

constexpr const char* kNotAvailable = "not available on this platform";

::HWND Real(win32::HWND hWnd) {
    return windows::ToReal<::HWND>(hWnd);
}

::UINT ButtonMessage(int nButton, bool bDown) {
    switch (nButton) {
        case win32::kRightButton:
            return bDown ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        case win32::kMiddleButton:
            return bDown ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        default:
            return bDown ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    }
}

::LPARAM PointParam(::POINT pt) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(pt.x)),
                      static_cast<WORD>(static_cast<SHORT>(pt.y)));
}

class WindowsHostPlatform : public IHostPlatform {
  public:
    WindowsHostPlatform(int nWidth, int nHeight, site::IHostObserver* pObserver,
                        MessageBoxLogger logger)
        : m_form(nWidth, nHeight, pObserver),
          m_previousHandler(windows::SetMessageBoxHandler(std::move(logger))) {}
    ~WindowsHostPlatform() override { windows::SetMessageBoxHandler(std::move(m_previousHandler)); }

    site::FormCore& Form() override { return m_form; }

    void MouseButton(win32::HWND hWnd, int nX, int nY, int nButton, bool bDown,
                     int nModifiers) override {
        SetModifiers(nModifiers);
        if (bDown) {
            m_nButtons |= nButton;
        } else {
            m_nButtons &= ~nButton;
        }
        PostMouse(hWnd, nX, nY, ButtonMessage(nButton, bDown));
    }
    void MouseMove(win32::HWND hWnd, int nX, int nY, int nModifiers) override {
        SetModifiers(nModifiers);
        PostMouse(hWnd, nX, nY, WM_MOUSEMOVE);
    }
    void MouseWheel(win32::HWND hWnd, int nX, int nY, int nDelta) override {
        ::POINT pt{nX, nY};
        ::ClientToScreen(Real(hWnd), &pt);
        ::PostMessageA(Real(hWnd), WM_MOUSEWHEEL,
                       MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(nDelta))),
                       PointParam(pt));
    }
    void Key(win32::UINT uMsg, int nCode, int nModifiers) override {
        SetModifiers(nModifiers);
        if (::HWND hFocus = ::GetFocus()) ::SendMessageA(hFocus, uMsg, nCode, 0);
    }
    int ModifiersHeld() override { return m_nModifiers; }
    win32::HWND Focus() override { return windows::ToOurs<win32::HWND>(::GetFocus()); }
    void SetFocus(win32::HWND hWnd) override { ::SetFocus(Real(hWnd)); }
    ScrollBarInfo VerticalBar(win32::HWND hWnd) override {
        ::SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        ::GetScrollInfo(Real(hWnd), SB_VERT, &info);
        const bool bVisible = (::GetWindowLongA(Real(hWnd), GWL_STYLE) & WS_VSCROLL) != 0;
        return {bVisible, info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
    }
    void Scroll(win32::HWND hWnd, int nRequest, int nThumbPos) override {
        ::SendMessageA(Real(hWnd), WM_VSCROLL,
                       MAKEWPARAM(static_cast<WORD>(nRequest), static_cast<WORD>(nThumbPos)), 0);
    }
    void Wait(unsigned nMilliseconds) override { m_form.PumpFor(nMilliseconds); }

    win32::COLORREF Pixel(win32::HWND hWnd, int nX, int nY) override {
        m_form.RunUntilIdle();
        return ClientPixel(hWnd, nX, nY);
    }
    // A control as the screen shows it, border and scroll bar included; the form as its
    // client area with the controls on it.
    void WritePicture(win32::HWND hWnd, const std::filesystem::path& path) override {
        m_form.RunUntilIdle();
        WindowImage image = ReadWindowImage(hWnd != win32::HWND{} ? hWnd : m_form.hWnd());
        if (hWnd == win32::HWND{}) image = ClientPart(image);
        std::string sError;
        if (!WriteStoredPngFile(path, image.nWidth, image.nHeight, image.pixels, sError))
            throw HostPlatformError(path.string() + ": " + sError);
    }

    win32::HIMAGELIST LoadImageListStrip(const std::string&, int, int,
                                         std::string& sError) override {
        sError = kNotAvailable;
        return {};
    }
    win32::HIMAGELIST CreateGeneratedImageList(int, int, int, std::string& sError) override {
        sError = kNotAvailable;
        return {};
    }
    host::PictureRef MakeBitmapPicture(int, int, win32::COLORREF, std::string& sError) override {
        sError = kNotAvailable;
        return nullptr;
    }
    host::PictureRef MakeIconPicture(int, int, win32::COLORREF, std::string& sError) override {
        sError = kNotAvailable;
        return nullptr;
    }
    host::PictureRef MakeMetafilePicture(std::string& sError) override {
        sError = kNotAvailable;
        return nullptr;
    }
    host::PictureRef MakeEmptyPicture(std::string& sError) override {
        sError = kNotAvailable;
        return nullptr;
    }
    host::PictureRef LoadPictureFile(const std::string& sPath, std::string& sError) override {
        return windows::LoadPictureFile(sPath, sError);
    }

    std::unique_ptr<IBagFile> NewBag() override {
        throw HostPlatformError(std::string("property bag files: ") + kNotAvailable);
    }
    std::unique_ptr<IBagFile> LoadBag(const std::filesystem::path&) override {
        throw HostPlatformError(std::string("property bag files: ") + kNotAvailable);
    }

    std::unique_ptr<IPageSheet> OpenPages(const std::string& sPage,
                                          std::vector<host::ISelectedObject*> selection) override {
        return OpenWindowsPageSheet(sPage, std::move(selection), [this] { m_form.RunUntilIdle(); });
    }

  private:
    // The window with the capture receives the mouse; otherwise the form's child under
    // the point, or nothing when the point is on the form itself.
    void PostMouse(win32::HWND hWnd, int nX, int nY, ::UINT uMsg) {
        ::POINT pt{nX, nY};
        ::POINT ptScreen = pt;
        ::ClientToScreen(Real(hWnd), &ptScreen);
        MoveCursor(ptScreen);
        ::HWND hTarget = ::GetCapture();
        if (!hTarget) {
            ::POINT ptForm = pt;
            ::MapWindowPoints(Real(hWnd), Real(m_form.hWnd()), &ptForm, 1);
            hTarget = ::ChildWindowFromPointEx(Real(m_form.hWnd()), ptForm,
                                               CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
            if (hTarget == Real(m_form.hWnd())) hTarget = nullptr;
        }
        if (!hTarget) return;
        ::MapWindowPoints(Real(hWnd), hTarget, &pt, 1);
        ::PostMessageA(hTarget, uMsg, MouseKeys(), PointParam(pt));
    }

    // The system's hover and leave tracking follows the cursor, not the messages. The
    // move the system makes of the cursor's jump is not the user's: it is dropped.
    void MoveCursor(::POINT ptScreen) {
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        ::MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
        }
    }

    ::WPARAM MouseKeys() const {
        return ((m_nModifiers & win32::kShiftMask) ? MK_SHIFT : 0) |
               ((m_nModifiers & win32::kCtrlMask) ? MK_CONTROL : 0) |
               ((m_nButtons & win32::kLeftButton) ? MK_LBUTTON : 0) |
               ((m_nButtons & win32::kRightButton) ? MK_RBUTTON : 0) |
               ((m_nButtons & win32::kMiddleButton) ? MK_MBUTTON : 0);
    }

    void SetModifiers(int nModifiers) {
        m_nModifiers = nModifiers;
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = (nModifiers & win32::kShiftMask) ? 0x80 : 0;
        keys[VK_CONTROL] = (nModifiers & win32::kCtrlMask) ? 0x80 : 0;
        keys[VK_MENU] = (nModifiers & win32::kAltMask) ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }

    windows::Form m_form;
    windows::MessageBoxHandler m_previousHandler;
    int m_nModifiers = 0;
    int m_nButtons = 0;
};

}  // namespace

std::unique_ptr<IHostPlatform> MakeHostPlatform(int nWidth, int nHeight,
                                                site::IHostObserver* pObserver,
                                                MessageBoxLogger logger) {
    return std::make_unique<WindowsHostPlatform>(nWidth, nHeight, pObserver, std::move(logger));
}

}  // namespace qv::qvhost
