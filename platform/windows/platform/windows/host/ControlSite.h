#pragma once

#include "platform/site/ControlSiteCore.h"
#include "platform/windows/host/Form.h"

namespace qv::windows {

// One control on a form of the system: a child window and a device context on it. The
// runtime's rules are the site core's; the window's system procedure hands it the
// window's messages.
class ControlSite : public site::ControlSiteCore {
  public:
    // Creates the control's child window (hidden) at X,Y with the given outer size.
    ControlSite(Form& form, int nX, int nY, int nWidth, int nHeight);
    ~ControlSite() override;

    Form& OwnerForm() { return m_form; }

    void Show() override;

    win32::HWND hWnd() const override { return m_hWnd; }
    win32::HDC hDC() const override { return m_hDC; }
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    void Refresh() override;

    // The runtime's handling of one message of the control's window; false when the
    // system's default handling applies.
    bool HandleMessage(win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam);

  protected:
    void MoveOuter(int nWidth, int nHeight) override;
    int OuterHeight() const override;
    void ApplyBorder(int nBorderWidth) override;
    void ApplyEnabled(bool bEnabled) override;
    void PaintMessage() override;
    Integer KeyModifiers() const override;
    Integer MouseModifiers(win32::WPARAM wParam) const override;
    Integer ButtonsHeld(win32::WPARAM wParam) const override;
    void BeforeButton(int nButton, bool bDown, win32::WPARAM wParam) override;

  private:
    Form& m_form;
    win32::HWND m_hWnd{};
    win32::HDC m_hDC{};
};

}  // namespace qv::windows
