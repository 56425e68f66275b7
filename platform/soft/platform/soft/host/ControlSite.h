#pragma once

#include "platform/site/ControlSiteCore.h"
#include "platform/soft/host/Form.h"

namespace qv::soft {

// One control on a form of our window system: the control's window and its device
// context. The runtime's rules are the site core's; the window's own procedure hands it
// the window's messages.
class ControlSite : public site::ControlSiteCore {
  public:
    // Creates the control's window (hidden) at X,Y with the given outer size, as far as
    // the window limits allow.
    ControlSite(Form& form, int nX, int nY, int nWidth, int nHeight);
    ~ControlSite() override;

    Form& OwnerForm() { return m_form; }

    void Show() override;

    win32::HWND hWnd() const override { return m_hWnd; }
    // A device context on the window's client pixels; it stays valid until the client
    // area changes size.
    win32::HDC hDC() const override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    void Refresh() override;

  protected:
    void MoveOuter(int nWidth, int nHeight) override;
    int OuterHeight() const override;
    void ApplyBorder(int nBorderWidth) override;
    void ApplyEnabled(bool bEnabled) override;
    void PaintMessage() override { DeliverPaint(); }
    Integer KeyModifiers() const override;
    Integer MouseModifiers(win32::WPARAM wParam) const override;
    Integer ButtonsHeld(win32::WPARAM wParam) const override;

  private:
    static win32::LRESULT SiteWindowProc(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                                         win32::LPARAM lParam);
    const Window& OwnWindow() const;

    Form& m_form;
    win32::HWND m_hWnd{};
    mutable win32::HDC m_hDC{};
    mutable SurfaceRef m_pDCSurface;
    mutable unsigned m_nDCGeneration = 0;
};

}  // namespace qv::soft
