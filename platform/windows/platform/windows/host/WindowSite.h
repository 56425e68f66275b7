#pragma once

#include "platform/site/ControlSiteCore.h"

namespace qv::windows {

// A site whose control lives in one window of the system, with one device context on it
// for the window's whole life: what a form's sites and the COM object's site do alike with
// that window (client size, border style, enabling, a paint of the whole client area, the
// modifier keys and buttons of a message, focus and capture around presses). The derived
// site creates the window and hands it over; the window goes with the site.
class WindowSite : public site::ControlSiteCore {
  public:
    explicit WindowSite(site::IControlContainer& container) : ControlSiteCore(container) {}
    ~WindowSite() override;

    win32::HWND hWnd() const override { return m_hWnd; }
    win32::HDC hDC() const override { return m_hDC; }
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    void Refresh() override;

  protected:
    // The window the derived site has just created; the site takes its device context.
    void AdoptWindow(win32::HWND hWnd);

    void ApplyBorder(int nBorderWidth) override;
    void ApplyEnabled(bool bEnabled) override;
    void PaintMessage() override;
    Integer KeyModifiers() const override;
    Integer MouseModifiers(win32::WPARAM wParam) const override;
    Integer ButtonsHeld(win32::WPARAM wParam) const override;
    void BeforeButton(int nButton, bool bDown, win32::WPARAM wParam) override;

  private:
    win32::HWND m_hWnd{};
    win32::HDC m_hDC{};
};

}  // namespace qv::windows
