// The demo form in an SDL window. SDL only shows the composed form and brings the user's
// mouse, keys and real time; the lists run on the soft window system as everywhere else.
#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/TextDecode.h"
#include "platform/soft/pages/PageWidgets.h"
#include "qvhost/DemoForm.h"
#include "qvhost/DemoKeys.h"
#include "qvhost/DemoWindow.h"

namespace qv::qvhost {

namespace {

constexpr Uint32 kFrameMilliseconds = 16;
constexpr const char* kTitle = "QV_ColorListBox demo";

struct SdlDeleter {
    void operator()(SDL_Window* pWindow) const { SDL_DestroyWindow(pWindow); }
    void operator()(SDL_Renderer* pRenderer) const { SDL_DestroyRenderer(pRenderer); }
    void operator()(SDL_Texture* pTexture) const { SDL_DestroyTexture(pTexture); }
};
template <typename T>
using SdlPtr = std::unique_ptr<T, SdlDeleter>;

class SdlVideo {
  public:
    SdlVideo() : m_bReady(SDL_Init(SDL_INIT_VIDEO) == 0) {}
    ~SdlVideo() { SDL_Quit(); }
    bool Ready() const { return m_bReady; }

  private:
    bool m_bReady;
};

int ButtonOf(Uint8 nButton) {
    switch (nButton) {
        case SDL_BUTTON_LEFT:
            return win32::kLeftButton;
        case SDL_BUTTON_RIGHT:
            return win32::kRightButton;
        case SDL_BUTTON_MIDDLE:
            return win32::kMiddleButton;
        default:
            return 0;
    }
}

// One open window with the demo form in it.
class DemoWindow {
  public:
    DemoWindow(DemoForm& form, SdlPtr<SDL_Window> pWindow, SdlPtr<SDL_Renderer> pRenderer,
               SdlPtr<SDL_Texture> pTexture)
        : m_form(form),
          m_pWindow(std::move(pWindow)),
          m_pRenderer(std::move(pRenderer)),
          m_pTexture(std::move(pTexture)) {
        if (const char* pszFrames = std::getenv("QV_DEMO_FRAMES")) m_framesDir = pszFrames;
    }

    void Run();

  private:
    void Handle(const SDL_Event& event);
    void HandleMouseButton(const SDL_MouseButtonEvent& button, int nModifiers);
    void HandleKey(const SDL_KeyboardEvent& key);
    void HandlePageKey(const SDL_KeyboardEvent& key);
    void HandleText(const char* pszText, int nModifiers);
    void Present();
    void SaveFrame(const char* pszName);

    DemoForm& m_form;
    SdlPtr<SDL_Window> m_pWindow;
    SdlPtr<SDL_Renderer> m_pRenderer;
    SdlPtr<SDL_Texture> m_pTexture;
    soft::SurfaceRef m_pFrame;
    std::filesystem::path m_framesDir;
    bool m_bRunning = true;
    // The press went to the property sheet, so its release goes nowhere.
    bool m_bSwallowRelease = false;
};

// Between input events real time passes on the form's clock, so hover timers (the
// drag-scrolling that goes on while the pointer rests) fall due as they would on a desktop.
void DemoWindow::Run() {
    Present();
    SaveFrame("first.png");
    Uint64 nLast = SDL_GetTicks64();
    while (m_bRunning) {
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, kFrameMilliseconds)) {
            do Handle(event);
            while (m_bRunning && SDL_PollEvent(&event));
        }
        const Uint64 nNow = SDL_GetTicks64();
        m_form.Windows().AdvanceTime(static_cast<unsigned>(nNow - nLast));
        nLast = nNow;
        m_form.HostForm().RunUntilIdle();
        if (m_form.TakeRepainted()) Present();
    }
    SaveFrame("last.png");
}

void DemoWindow::Handle(const SDL_Event& event) {
    soft::WindowSystem& windows = m_form.Windows();
    const int nModifiers = ModifiersOf(SDL_GetModState());
    switch (event.type) {
        case SDL_QUIT:
            m_bRunning = false;
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            HandleMouseButton(event.button, nModifiers);
            break;
        case SDL_MOUSEMOTION:
            if (!m_form.PagesOpen())
                windows.MouseMove({event.motion.x, event.motion.y}, nModifiers);
            break;
        case SDL_MOUSEWHEEL: {
            int nX = 0, nY = 0;
            SDL_GetMouseState(&nX, &nY);
            if (!m_form.PagesOpen() && windows.Focus() != win32::HWND{})
                windows.MouseWheel(windows.Focus(), event.wheel.y * 120, {nX, nY}, nModifiers);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (m_form.PagesOpen())
                HandlePageKey(event.key);
            else
                HandleKey(event.key);
            break;
        case SDL_TEXTINPUT:
            HandleText(event.text.text, nModifiers);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED) Present();
            break;
        default:
            break;
    }
    m_form.HostForm().RunUntilIdle();
}

// While the property sheet is open it takes the presses (left button) and nothing else
// of the mouse. In design mode a double-click on a list (the one it focused) opens its
// pages once the second release has reached the list, so that the list never waits for a
// release.
void DemoWindow::HandleMouseButton(const SDL_MouseButtonEvent& button, int nModifiers) {
    const int nButton = ButtonOf(button.button);
    const bool bDown = button.type == SDL_MOUSEBUTTONDOWN;
    if (nButton == 0) return;
    if (m_form.PagesOpen() || (!bDown && m_bSwallowRelease)) {
        if (bDown && nButton == win32::kLeftButton) m_form.PagesMouseDown({button.x, button.y});
        m_bSwallowRelease = bDown;
        return;
    }
    soft::WindowSystem& windows = m_form.Windows();
    if (bDown) {
        windows.MouseDown({button.x, button.y}, nButton, nModifiers);
        return;
    }
    windows.MouseUp({button.x, button.y}, nButton, nModifiers);
    if (nButton == win32::kLeftButton && button.clicks >= 2) {
        m_form.HostForm().RunUntilIdle();
        m_form.OpenPropertyPagesAt({button.x, button.y});
    }
}

// F2 switches design mode, F4 opens the property pages there, Escape ends the demo;
// every other key goes to the list that has the focus.
void DemoWindow::HandleKey(const SDL_KeyboardEvent& key) {
    const bool bDown = key.type == SDL_KEYDOWN;
    const SDL_Keycode nKey = key.keysym.sym;
    if (bDown && nKey == SDLK_ESCAPE) {
        m_bRunning = false;
        return;
    }
    if (nKey == SDLK_F2 || nKey == SDLK_F4) {
        if (bDown && !key.repeat) {
            if (nKey == SDLK_F2)
                m_form.ToggleDesignMode();
            else
                m_form.OpenPropertyPages();
        }
        return;
    }
    const int nVirtualKey = VirtualKeyOf(nKey);
    if (nVirtualKey == 0) return;
    const int nModifiers = ModifiersOf(key.keysym.mod);
    soft::WindowSystem& windows = m_form.Windows();
    windows.Key(bDown ? win32::WM_KEYDOWN : win32::WM_KEYUP, nVirtualKey, nModifiers);
    if (bDown) {
        if (const int nChar = ControlCharacterOf(nKey, nModifiers))
            windows.Key(win32::WM_CHAR, nChar, nModifiers);
    }
}

// Every key goes to the sheet: Escape cancels it, F4 opens a combo box's list. Key
// releases mean nothing to the sheet.
void DemoWindow::HandlePageKey(const SDL_KeyboardEvent& key) {
    if (key.type != SDL_KEYDOWN) return;
    const SDL_Keycode nKey = key.keysym.sym;
    const int nModifiers = ModifiersOf(key.keysym.mod);
    int nVirtualKey = VirtualKeyOf(nKey);
    if (nKey == SDLK_ESCAPE) nVirtualKey = win32::VK_ESCAPE;
    if (nKey == SDLK_F4) nVirtualKey = win32::VK_F4;
    if (nVirtualKey == 0) return;
    m_form.PagesKeyDown(nVirtualKey, nModifiers);
    if (const int nChar = ControlCharacterOf(nKey, nModifiers))
        if (m_form.PagesOpen()) m_form.PagesChar(static_cast<char32_t>(nChar));
}

// The lists take ASCII characters; the sheet's text boxes take any.
void DemoWindow::HandleText(const char* pszText, int nModifiers) {
    if (m_form.PagesOpen()) {
        for (const char32_t cChar : soft::DecodeUtf8(pszText))
            if (m_form.PagesOpen()) m_form.PagesChar(cChar);
        return;
    }
    for (const char* p = pszText; *p; ++p)
        if (static_cast<unsigned char>(*p) < 0x80)
            m_form.Windows().Key(win32::WM_CHAR, *p, nModifiers);
}

void DemoWindow::Present() {
    m_pFrame = m_form.Compose();
    if (!m_pFrame) return;
    SDL_UpdateTexture(m_pTexture.get(), nullptr, m_pFrame->Row(0),
                      m_pFrame->Width() * static_cast<int>(sizeof(std::uint32_t)));
    SDL_RenderClear(m_pRenderer.get());
    SDL_RenderCopy(m_pRenderer.get(), m_pTexture.get(), nullptr, nullptr);
    SDL_RenderPresent(m_pRenderer.get());
}

void DemoWindow::SaveFrame(const char* pszName) {
    if (m_framesDir.empty() || !m_pFrame) return;
    std::string sError;
    const std::string sPath = (m_framesDir / pszName).string();
    if (!soft::WritePngFile(*m_pFrame, sPath, sError))
        std::cerr << "qvhost: cannot write " << sPath << ": " << sError << "\n";
}

bool HasDisplay() {
    const char* pszX = std::getenv("DISPLAY");
    const char* pszWayland = std::getenv("WAYLAND_DISPLAY");
    return (pszX && *pszX) || (pszWayland && *pszWayland);
}

}  // namespace

bool RunDemoWindow(std::string& sReason) {
    if (!HasDisplay()) {
        sReason = "no display";
        return false;
    }
    SdlVideo video;
    if (!video.Ready()) {
        sReason = std::string("no window: ") + SDL_GetError();
        return false;
    }
    // The form is ready before the window shows, so that no input meets a half-built form.
    DemoForm form(&std::cout);
    SdlPtr<SDL_Window> pWindow(SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED,
                                                SDL_WINDOWPOS_CENTERED, DemoLayout::kWidth,
                                                DemoLayout::kHeight, 0));
    SdlPtr<SDL_Renderer> pRenderer(pWindow ? SDL_CreateRenderer(pWindow.get(), -1, 0) : nullptr);
    SdlPtr<SDL_Texture> pTexture(pRenderer
                                     ? SDL_CreateTexture(pRenderer.get(), SDL_PIXELFORMAT_XBGR8888,
                                                         SDL_TEXTUREACCESS_STREAMING,
                                                         DemoLayout::kWidth, DemoLayout::kHeight)
                                     : nullptr);
    if (!pTexture) {
        sReason = std::string("no window: ") + SDL_GetError();
        return false;
    }
    DemoWindow window(form, std::move(pWindow), std::move(pRenderer), std::move(pTexture));
    window.Run();
    return true;
}

}  // namespace qv::qvhost
