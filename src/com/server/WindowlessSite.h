#pragma once

#include "platform/host/UserControl.h"

namespace qv::com {

// The container's ambient properties as the control sees them; a control with no site has
// the defaults (run mode, the system's standard font).
class ComAmbient : public host::IAmbient {
  public:
    ComAmbient() : m_oFont(std::make_shared<host::StdFont>()) {}
    Boolean UserMode() const override { return m_bUserMode; }
    host::FontRef Font() const override { return m_oFont; }
    void SetUserMode(Boolean bUserMode) { m_bUserMode = bUserMode; }

  private:
    Boolean m_bUserMode = VbTrue;
    host::FontRef m_oFont;
};

// The runtime's side of a control created by COM before (or without) a window: the list
// and its properties work, nothing is drawn. The extent is the size a container gave, in
// pixels. The control's window is a message-only one, never shown: with no window at all
// the control's invalidations (of window 0) would reach every window on the desktop.
class WindowlessSite : public host::IUserControl {
  public:
    // The window class of the hidden windows, removed when the library unloads (the
    // system keeps a library's classes otherwise).
    static void UnregisterWindowClass();

    WindowlessSite();
    ~WindowlessSite() override;
    WindowlessSite(const WindowlessSite&) = delete;
    WindowlessSite& operator=(const WindowlessSite&) = delete;

    void Attach(host::IUserControlEvents* pControl) { m_pControl = pControl; }
    void SetExtent(int nWidth, int nHeight);
    bool IsDirty() const { return m_bDirty; }
    void SetDirty(bool bDirty) { m_bDirty = bDirty; }
    ComAmbient& AmbientProperties() { return m_ambient; }

    win32::HWND hWnd() const override { return m_hWnd; }
    win32::HDC hDC() const override { return {}; }
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    float Height() const override;
    float ScaleX(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const override;
    float ScaleY(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const override;
    Integer Appearance() const override { return m_nAppearance; }
    void SetAppearance(Integer nAppearance) override { m_nAppearance = nAppearance; }
    Integer BorderStyle() const override { return m_nBorderStyle; }
    void SetBorderStyle(Integer nBorderStyle) override { m_nBorderStyle = nBorderStyle; }
    host::FontRef Font() const override { return m_oFont; }
    void SetFont(host::FontRef oFont) override { m_oFont = std::move(oFont); }
    Boolean Enabled() const override { return m_bEnabled; }
    void SetEnabled(Boolean bEnabled) override { m_bEnabled = bEnabled; }
    void Refresh() override {}
    const host::IAmbient& Ambient() const override { return m_ambient; }
    void PropertyChanged(std::string_view) override { m_bDirty = true; }

  private:
    int BorderPixels() const;

    win32::HWND m_hWnd{};
    host::IUserControlEvents* m_pControl = nullptr;
    ComAmbient m_ambient;
    host::FontRef m_oFont = std::make_shared<host::StdFont>();
    int m_nWidth = 160;
    int m_nHeight = 120;
    Integer m_nAppearance = 1;
    Integer m_nBorderStyle = 0;
    Boolean m_bEnabled = VbTrue;
    bool m_bDirty = false;
};

}  // namespace qv::com
