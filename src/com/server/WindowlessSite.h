#pragma once

#include "com/server/ComContainer.h"
#include "platform/windows/host/WindowSite.h"

namespace qv::com {

// What the embedding hears from the control's window and site.
class ISiteListener {
  public:
    virtual ~ISiteListener() = default;
    virtual void OnWindowFocus(bool bGotFocus) = 0;
    // A button press on a window that is not the focus: the container activates us first.
    virtual void OnWindowMouseActivate() = 0;
    // A property changed, and the picture may have changed with it.
    virtual void OnPropertyChanged(std::string_view sPropertyName) = 0;
};

// The runtime's side of a control created by COM. The control has one window for its whole
// life: a hidden message-only window while no container shows it (so its redraw requests
// reach no other window, and nothing is drawn), and a child of the container's window while
// it is active in place. The window delivers paint, mouse, keys and focus to the control as
// a form's sites do (the site core's rules); the container's side is ComContainer.
class WindowlessSite : public windows::WindowSite {
  public:
    // The window class, removed when the library unloads (the system keeps a library's
    // classes otherwise).
    static void UnregisterWindowClass();

    explicit WindowlessSite(ComContainer& container);

    void Listen(ISiteListener* pListener) { m_pListener = pListener; }
    // The outer size in pixels, border included.
    void SetExtent(int nWidth, int nHeight) { ResizeOuter(nWidth, nHeight); }
    int OuterWidth() const { return m_nWidth; }
    int OuterHeight() const override { return m_nHeight; }
    bool IsDirty() const { return m_bDirty; }
    void SetDirty(bool bDirty) { m_bDirty = bDirty; }
    ComAmbient& AmbientProperties() { return m_container.AmbientProperties(); }

    // Shows the window as a child of hParent at the given outer rectangle (parent client
    // pixels), or hides it and takes it back out of every container.
    void PlaceIn(win32::HWND hParent, int nX, int nY, int nWidth, int nHeight);
    void Park();
    bool IsPlaced() const { return m_bPlaced; }
    // The container shows the window when it activates the control in place (PlaceIn).
    void Show() override {}

    // While set, the control paints into this device context instead of its window's.
    void SetPaintTarget(win32::HDC hDC) { m_hPaintTarget = hDC; }
    void Paint() { DeliverPaint(); }

    win32::HDC hDC() const override {
        return m_hPaintTarget != win32::HDC{} ? m_hPaintTarget : WindowSite::hDC();
    }
    void PropertyChanged(std::string_view sPropertyName) override;

    // The runtime's handling of one message of the window; false when the system's default
    // handling applies. (SiteInput.cpp)
    bool HandleMessage(win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam,
                       win32::LRESULT& nResult);

  protected:
    void MoveOuter(int nWidth, int nHeight) override;

  private:
    ComContainer& m_container;
    win32::HDC m_hPaintTarget{};
    ISiteListener* m_pListener = nullptr;
    int m_nWidth = 160;
    int m_nHeight = 120;
    bool m_bDirty = false;
    bool m_bPlaced = false;
};

}  // namespace qv::com
