#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/host/PageControls.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/pages/ControlText.h"

namespace qv::windows {

// One standard control of a property page: a child window of the page window, told of
// the notifications its parent receives for it.
class PageControl {
  public:
    PageControl(std::string sName, HWND hWnd);
    virtual ~PageControl();
    PageControl(const PageControl&) = delete;
    PageControl& operator=(const PageControl&) = delete;

    const std::string& Name() const { return m_sName; }
    HWND Window() const { return m_hWnd; }
    // The size it takes on the page (a drop-down list's closed field only).
    virtual RECT LayoutBounds() const;

    // A WM_COMMAND notification code from the control; true when it asks the page to
    // give the focus back to the control once the focus change is over.
    virtual bool Notify(WORD /*nCode*/) { return false; }

  private:
    std::string m_sName;
    HWND m_hWnd;
};

class PageLabel : public PageControl, public host::ILabel {
  public:
    using PageControl::PageControl;
    std::string Caption() const override { return WindowTextUtf8(Window()); }
};

class PageFrame : public PageControl, public host::IFrame {
  public:
    using PageControl::PageControl;
    std::string Caption() const override { return WindowTextUtf8(Window()); }
};

// A drop-down list (CBS_DROPDOWNLIST). Its window is as tall as the field and the open
// list together; LayoutBounds is the field the page placed.
class PageComboBox : public PageControl, public host::IComboBox {
  public:
    PageComboBox(std::string sName, HWND hWnd, const RECT& rcField)
        : PageControl(std::move(sName), hWnd), m_rcField(rcField) {}

    RECT LayoutBounds() const override { return m_rcField; }
    bool Notify(WORD nCode) override;

    void AddItem(std::string_view sItem) override;
    Integer ListCount() const override;
    std::string List(Integer nIndex) const override;
    Integer ListIndex() const override;
    void SetListIndex(Integer nIndex) override;
    void OnClick(std::function<void()> handler) override { m_onClick = std::move(handler); }

  private:
    RECT m_rcField;
    std::function<void()> m_onClick;
};

// A two-state check box (BS_AUTOCHECKBOX): the system turns it, the page hears Click.
class PageCheckBox : public PageControl, public host::ICheckBox {
  public:
    using PageControl::PageControl;

    bool Notify(WORD nCode) override;

    std::string Caption() const override { return WindowTextUtf8(Window()); }
    Integer Value() const override;
    void SetValue(Integer nValue) override;
    void OnClick(std::function<void()> handler) override { m_onClick = std::move(handler); }

  private:
    std::function<void()> m_onClick;
};

// A single-line edit box. The system tells of every edit (EN_CHANGE) and of the focus
// having left (EN_KILLFOCUS); Validate runs then, and a cancel asks for the focus back.
class PageTextBox : public PageControl, public host::ITextBox {
  public:
    using PageControl::PageControl;

    bool Notify(WORD nCode) override;

    std::string Text() const override { return WindowTextUtf8(Window()); }
    void SetText(std::string_view sText) override;
    void OnChange(std::function<void()> handler) override { m_onChange = std::move(handler); }
    void OnValidate(std::function<void(bool&)> handler) override {
        m_onValidate = std::move(handler);
    }

  private:
    bool Validate();

    std::function<void()> m_onChange;
    std::function<void(bool&)> m_onValidate;
    // Set while the page itself changes the text (its own Change is raised once) or
    // while Validate runs (its message box takes the focus again).
    bool m_bSetting = false;
    bool m_bValidating = false;
};

}  // namespace qv::windows
