#pragma once

#include "platform/host/UserControl.h"
#include "platform/windows/host/Form.h"

namespace qv::windows {

// The host runtime's side of one control on a form: a child window of the system and the
// state the runtime keeps for it. The window's system procedure turns its messages into
// the control's notifications, in the same way and order as our own runtime does.
class ControlSite : public host::IUserControl {
  public:
    // Creates the control's child window (hidden) at X,Y with the given outer size.
    ControlSite(Form& form, int nX, int nY, int nWidth, int nHeight);
    ~ControlSite() override;
    ControlSite(const ControlSite&) = delete;
    ControlSite& operator=(const ControlSite&) = delete;

    void Attach(host::IUserControlEvents* pControl) { m_pControl = pControl; }
    Form& OwnerForm() { return m_form; }

    void Initialize();
    void InitProperties();
    void ReadProperties(host::IPropertyBag& propBag);
    void WriteProperties(host::IPropertyBag& propBag);
    void Show();
    void Terminate();
    void ResizeOuter(int nWidth, int nHeight);

    win32::HWND hWnd() const override { return m_hWnd; }
    win32::HDC hDC() const override { return m_hDC; }
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

    int BorderWidth() const;

    // The runtime's handling of one message of the control's window; false when the
    // system's default handling applies.
    bool HandleMessage(win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam);

  private:
    template <typename TCall>
    void Notify(TCall&& call);
    void DeliverPaint();
    void DeliverButton(int nButton, bool bDown, win32::WPARAM wParam, win32::LPARAM lParam);
    void DeliverMove(win32::WPARAM wParam, win32::LPARAM lParam);
    void DeliverKey(win32::UINT uMsg, win32::WPARAM wParam);
    void ApplyBorder();

    Form& m_form;
    win32::HWND m_hWnd{};
    win32::HDC m_hDC{};
    host::IUserControlEvents* m_pControl = nullptr;
    Integer m_nAppearance = 1;
    Integer m_nBorderStyle = 0;
    host::FontRef m_oFont;
    Boolean m_bEnabled = VbTrue;
    bool m_bLeftPressedHere = false;  // a left press on this control awaits its release
};

}  // namespace qv::windows
