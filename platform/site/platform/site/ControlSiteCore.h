#pragma once

#include "platform/host/UserControl.h"
#include "platform/site/ControlContainer.h"

namespace qv::site {

// The host runtime's side of one control on a form, as far as it does not depend on how
// the window system makes windows and delivers messages: the life-cycle calls, the state
// the runtime keeps for the control (border, font, enabled), the scale rules, the change
// notices, and the turning of the control window's messages into the control's
// notifications with their error routing (the container's to decide). A backend makes the
// window, answers the hooks below and hands its window's messages to DeliverMessage.
class ControlSiteCore : public host::IUserControl {
  public:
    explicit ControlSiteCore(IControlContainer& container);
    ~ControlSiteCore() override = default;
    ControlSiteCore(const ControlSiteCore&) = delete;
    ControlSiteCore& operator=(const ControlSiteCore&) = delete;

    // The control that receives this site's notifications.
    void Attach(host::IUserControlEvents* pControl) { m_pControl = pControl; }

    // Life cycle, in the order a host runs it.
    void Initialize();
    void InitProperties();
    void ReadProperties(host::IPropertyBag& propBag);
    void WriteProperties(host::IPropertyBag& propBag);
    virtual void Show() = 0;
    void Terminate();  // the control's Terminate; the window goes with the site

    // The host changes the outer size (as far as the window limits allow); the control
    // hears Resize.
    void ResizeOuter(int nWidth, int nHeight);

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
    const host::IAmbient& Ambient() const override { return m_container.ControlAmbient(); }
    void PropertyChanged(std::string_view sPropertyName) override;

    // Border width in pixels of the current Appearance and BorderStyle.
    int BorderWidth() const;

  protected:
    // Turns one message of the control's window into the control's notifications; false
    // for a message the runtime leaves to the window system.
    bool DeliverMessage(win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam);
    // Tells the observer and delivers Paint; the backend has the window ready to be drawn.
    void DeliverPaint();
    // Tells the control its size changed; a host error goes to the caller.
    void DeliverResize();

    // What only the backend knows.
    virtual void MoveOuter(int nWidth, int nHeight) = 0;
    virtual int OuterHeight() const = 0;
    virtual void ApplyBorder(int nBorderWidth) = 0;
    virtual void ApplyEnabled(bool bEnabled) = 0;
    // WM_PAINT: prepares the window, calls DeliverPaint and finishes the paint.
    virtual void PaintMessage() = 0;
    // The Shift argument of key events, and of mouse events from the message's wParam.
    virtual Integer KeyModifiers() const = 0;
    virtual Integer MouseModifiers(win32::WPARAM wParam) const = 0;
    // The buttons held, from a mouse message's wParam.
    virtual Integer ButtonsHeld(win32::WPARAM wParam) const = 0;
    // What the window system does before a press or release reaches the control (focus,
    // capture).
    virtual void BeforeButton(int /*nButton*/, bool /*bDown*/, win32::WPARAM /*wParam*/) {}

  private:
    template <typename TCall>
    void Notify(TCall&& call);
    void DeliverButton(int nButton, bool bDown, win32::WPARAM wParam, win32::LPARAM lParam);
    void DeliverMove(win32::WPARAM wParam, win32::LPARAM lParam);
    void DeliverKey(win32::UINT uMsg, win32::WPARAM wParam);

    IControlContainer& m_container;
    host::IUserControlEvents* m_pControl = nullptr;
    Integer m_nAppearance = 1;
    Integer m_nBorderStyle = 0;
    host::FontRef m_oFont;
    Boolean m_bEnabled = VbTrue;
    bool m_bLeftPressedHere = false;  // a left press on this control awaits its release
};

}  // namespace qv::site
