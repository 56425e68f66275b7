#pragma once

#include "platform/host/UserControl.h"
#include "platform/win32/Types.h"

namespace qv::com {

// The container's ambient properties as the control sees them; a control with no site has
// the defaults (run mode, the system's standard font).
class ComAmbient : public host::IAmbient {
  public:
    ComAmbient() : m_oFont(std::make_shared<host::StdFont>()) {}
    Boolean UserMode() const override { return m_bUserMode; }
    host::FontRef Font() const override { return m_oFont; }
    void SetUserMode(Boolean bUserMode) { m_bUserMode = bUserMode; }
    void SetFont(host::FontRef oFont) { m_oFont = std::move(oFont); }

  private:
    Boolean m_bUserMode = VbTrue;
    host::FontRef m_oFont;
};

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
// the Windows host runtime does.
class WindowlessSite : public host::IUserControl {
  public:
    // The window class, removed when the library unloads (the system keeps a library's
    // classes otherwise).
    static void UnregisterWindowClass();

    WindowlessSite();
    ~WindowlessSite() override;
    WindowlessSite(const WindowlessSite&) = delete;
    WindowlessSite& operator=(const WindowlessSite&) = delete;

    void Attach(host::IUserControlEvents* pControl) { m_pControl = pControl; }
    void Listen(ISiteListener* pListener) { m_pListener = pListener; }
    // The outer size in pixels, border included.
    void SetExtent(int nWidth, int nHeight);
    int OuterWidth() const { return m_nWidth; }
    int OuterHeight() const { return m_nHeight; }
    bool IsDirty() const { return m_bDirty; }
    void SetDirty(bool bDirty) { m_bDirty = bDirty; }
    ComAmbient& AmbientProperties() { return m_ambient; }

    // Shows the window as a child of hParent at the given outer rectangle (parent client
    // pixels), or hides it and takes it back out of every container.
    void PlaceIn(win32::HWND hParent, int nX, int nY, int nWidth, int nHeight);
    void Park();
    bool IsPlaced() const { return m_bPlaced; }

    // While set, the control paints into this device context instead of its window's.
    void SetPaintTarget(win32::HDC hDC) { m_hPaintTarget = hDC; }
    void Paint();

    win32::HWND hWnd() const override { return m_hWnd; }
    win32::HDC hDC() const override {
        return m_hPaintTarget != win32::HDC{} ? m_hPaintTarget : m_hDC;
    }
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    float Height() const override;
    float ScaleX(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const override;
    float ScaleY(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const override;
    Integer Appearance() const override { return m_nAppearance; }
    void SetAppearance(Integer nAppearance) override;
    Integer BorderStyle() const override { return m_nBorderStyle; }
    void SetBorderStyle(Integer nBorderStyle) override;
    int BorderWidth() const;
    host::FontRef Font() const override { return m_oFont; }
    void SetFont(host::FontRef oFont) override { m_oFont = std::move(oFont); }
    Boolean Enabled() const override { return m_bEnabled; }
    void SetEnabled(Boolean bEnabled) override;
    void Refresh() override;
    const host::IAmbient& Ambient() const override { return m_ambient; }
    void PropertyChanged(std::string_view sPropertyName) override;

    // The runtime's handling of one message of the window; false when the system's default
    // handling applies. (SiteInput.cpp)
    bool HandleMessage(win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam,
                       win32::LRESULT& nResult);

  private:
    template <typename TCall>
    void Notify(TCall&& call);
    void ApplyBorder();
    void DeliverPaint();
    void DeliverButton(int nButton, bool bDown, win32::WPARAM wParam, win32::LPARAM lParam);
    void DeliverMove(win32::WPARAM wParam, win32::LPARAM lParam);
    void DeliverKey(win32::UINT uMsg, win32::WPARAM wParam);

    win32::HWND m_hWnd{};
    win32::HDC m_hDC{};
    win32::HDC m_hPaintTarget{};
    host::IUserControlEvents* m_pControl = nullptr;
    ISiteListener* m_pListener = nullptr;
    ComAmbient m_ambient;
    host::FontRef m_oFont = std::make_shared<host::StdFont>();
    int m_nWidth = 160;
    int m_nHeight = 120;
    Integer m_nAppearance = 1;
    Integer m_nBorderStyle = 0;
    Boolean m_bEnabled = VbTrue;
    bool m_bDirty = false;
    bool m_bPlaced = false;
    bool m_bLeftPressedHere = false;  // a left press on this window awaits its release
};

}  // namespace qv::com
