#pragma once

#include "platform/host/UserControl.h"
#include "platform/soft/host/Form.h"

namespace qv::soft {

// The host runtime's side of one control on a form: the control's window and the state
// the runtime keeps for it. The window's own procedure turns window messages into the
// control's notifications.
class ControlSite : public host::IUserControl {
  public:
    // Creates the control's window (hidden) at X,Y with the given outer size, as far as
    // the window limits allow.
    ControlSite(Form& form, int nX, int nY, int nWidth, int nHeight);
    ~ControlSite() override;
    ControlSite(const ControlSite&) = delete;
    ControlSite& operator=(const ControlSite&) = delete;

    // The control that receives this site's notifications.
    void Attach(host::IUserControlEvents* pControl) { m_pControl = pControl; }
    Form& OwnerForm() { return m_form; }

    // Life cycle, in the order a host runs it.
    void Initialize();
    void InitProperties();
    void ReadProperties(host::IPropertyBag& propBag);
    void WriteProperties(host::IPropertyBag& propBag);
    void Show();
    void Terminate();  // the control's Terminate; the window goes with the site

    // The host changes the outer size (as far as the window limits allow); the control
    // hears Resize.
    void ResizeOuter(int nWidth, int nHeight);

    win32::HWND hWnd() const override { return m_hWnd; }
    // A device context on the window's client pixels; it stays valid until the client
    // area changes size.
    win32::HDC hDC() const override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    float Height() const override;
    float ScaleX(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const override;
    float ScaleY(float fValue, host::ScaleUnit eFrom, host::ScaleUnit eTo) const override;
    Integer Appearance() const override { return m_nAppearance; }
    void SetAppearance(Integer nAppearance) override;
    Integer BorderStyle() const override { return m_nBorderStyle; }
    void SetBorderStyle(Integer nBorderStyle) override;
    host::FontRef Font() const override { return m_oFont; }
    void SetFont(host::FontRef oFont) override { m_oFont = std::move(oFont); }
    Boolean Enabled() const override { return m_bEnabled; }
    void SetEnabled(Boolean bEnabled) override;
    void Refresh() override;
    const host::IAmbient& Ambient() const override { return m_form.AmbientProperties(); }
    void PropertyChanged(std::string_view sPropertyName) override;

    // Border width in pixels of the current Appearance and BorderStyle.
    int BorderWidth() const;

  private:
    static win32::LRESULT SiteWindowProc(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                                         win32::LPARAM lParam);
    template <typename TCall>
    void Notify(TCall&& call);
    void DeliverPaint();
    void DeliverButton(int nButton, bool bDown, win32::LPARAM lParam);
    void DeliverMove(win32::LPARAM lParam);
    void DeliverKey(win32::UINT uMsg, win32::WPARAM wParam);
    void ApplyBorder();
    const Window& OwnWindow() const;

    Form& m_form;
    win32::HWND m_hWnd{};
    host::IUserControlEvents* m_pControl = nullptr;
    Integer m_nAppearance = 1;
    Integer m_nBorderStyle = 0;
    host::FontRef m_oFont;
    Boolean m_bEnabled = VbTrue;
    bool m_bLeftPressedHere = false;  // a left press on this control awaits its release
    mutable win32::HDC m_hDC{};
    mutable SurfaceRef m_pDCSurface;
    mutable unsigned m_nDCGeneration = 0;
};

}  // namespace qv::soft
