#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/host/PageControls.h"
#include "platform/win32/Input.h"
#include "platform/win32/Types.h"

namespace qv::soft {

enum class WidgetKind { Label, Frame, ComboBox, CheckBox, TextBox };

// One standard control of a property page, placed in page pixels.
class PageWidget {
  public:
    PageWidget(std::string sName, WidgetKind eKind, const win32::RECT& rcBounds)
        : m_sName(std::move(sName)), m_eKind(eKind), m_rcBounds(rcBounds) {}
    virtual ~PageWidget() = default;

    const std::string& Name() const { return m_sName; }
    WidgetKind Kind() const { return m_eKind; }
    const win32::RECT& Bounds() const { return m_rcBounds; }
    bool TakesFocus() const { return m_eKind != WidgetKind::Label && m_eKind != WidgetKind::Frame; }

    // Input while the widget has the focus; true when the widget used it.
    virtual bool KeyDown(int /*nKeyCode*/, int /*nShift*/) { return false; }
    virtual bool Char(char32_t /*cChar*/) { return false; }
    // A left press at a page point inside the widget (or inside its open list).
    virtual void MouseDown(int /*nX*/, int /*nY*/) {}

  private:
    std::string m_sName;
    WidgetKind m_eKind;
    win32::RECT m_rcBounds;
};

class SoftLabel : public PageWidget, public host::ILabel {
  public:
    SoftLabel(std::string sName, std::string sCaption, const win32::RECT& rcBounds)
        : PageWidget(std::move(sName), WidgetKind::Label, rcBounds),
          m_sCaption(std::move(sCaption)) {}
    std::string Caption() const override { return m_sCaption; }

  private:
    std::string m_sCaption;
};

class SoftFrame : public PageWidget, public host::IFrame {
  public:
    SoftFrame(std::string sName, std::string sCaption, const win32::RECT& rcBounds)
        : PageWidget(std::move(sName), WidgetKind::Frame, rcBounds),
          m_sCaption(std::move(sCaption)) {}
    std::string Caption() const override { return m_sCaption; }

  private:
    std::string m_sCaption;
};

// A drop-down list. Its list opens below it, over the page, one row per item.
//
//   state   | input                        | result
//   closed  | click on the box, F4, Alt+Down | open, the chosen item hot
//   closed  | Up / Down                    | previous / next item chosen, Click
//   open    | Up / Down                    | hot item moves
//   open    | Enter, click on an item      | hot (clicked) item chosen, Click, closed
//   open    | Escape, F4, click on the box | closed, choice unchanged
class SoftComboBox : public PageWidget, public host::IComboBox {
  public:
    SoftComboBox(std::string sName, const win32::RECT& rcBounds)
        : PageWidget(std::move(sName), WidgetKind::ComboBox, rcBounds) {}

    void AddItem(std::string_view sItem) override { m_items.emplace_back(sItem); }
    Integer ListCount() const override { return static_cast<Integer>(m_items.size()); }
    std::string List(Integer nIndex) const override;
    Integer ListIndex() const override { return m_nListIndex; }
    void SetListIndex(Integer nIndex) override;
    void OnClick(std::function<void()> handler) override { m_onClick = std::move(handler); }

    bool IsDropped() const { return m_bDropped; }
    Integer HotItem() const { return m_nHotItem; }
    // Height of one row of the open list, and the list's rectangle on the page.
    static constexpr int kRowHeight = 16;
    win32::RECT DroppedListBounds() const;
    void CloseList() { m_bDropped = false; }

    bool KeyDown(int nKeyCode, int nShift) override;
    void MouseDown(int nX, int nY) override;

  private:
    void OpenList();
    void Pick(Integer nIndex);
    bool DroppedKeyDown(int nKeyCode, int nStep);

    std::vector<std::string> m_items;
    Integer m_nListIndex = -1;
    bool m_bDropped = false;
    Integer m_nHotItem = -1;
    std::function<void()> m_onClick;
};

// A check box with its caption to the right of the glyph; Space or a click turns it.
class SoftCheckBox : public PageWidget, public host::ICheckBox {
  public:
    SoftCheckBox(std::string sName, std::string sCaption, const win32::RECT& rcBounds)
        : PageWidget(std::move(sName), WidgetKind::CheckBox, rcBounds),
          m_sCaption(std::move(sCaption)) {}

    std::string Caption() const override { return m_sCaption; }
    Integer Value() const override { return m_nValue; }
    void SetValue(Integer nValue) override;
    void OnClick(std::function<void()> handler) override { m_onClick = std::move(handler); }

    bool Char(char32_t cChar) override;
    void MouseDown(int nX, int nY) override;

  private:
    std::string m_sCaption;
    Integer m_nValue = 0;
    std::function<void()> m_onClick;
};

// A single-line text box with a caret. The caret sits between characters (a UTF-8
// byte offset on a character boundary).
class SoftTextBox : public PageWidget, public host::ITextBox {
  public:
    SoftTextBox(std::string sName, const win32::RECT& rcBounds)
        : PageWidget(std::move(sName), WidgetKind::TextBox, rcBounds) {}

    std::string Text() const override { return m_sText; }
    // A new text puts the caret at its end.
    void SetText(std::string_view sText) override;
    void OnChange(std::function<void()> handler) override { m_onChange = std::move(handler); }
    void OnValidate(std::function<void(bool&)> handler) override {
        m_onValidate = std::move(handler);
    }

    std::size_t Caret() const { return m_nCaret; }
    // Raises Validate; true when the focus may leave.
    bool Validate();

    bool KeyDown(int nKeyCode, int nShift) override;
    bool Char(char32_t cChar) override;
    void MouseDown(int nX, int nY) override;

  private:
    void Edit(std::string sText, std::size_t nCaret);

    std::string m_sText;
    std::size_t m_nCaret = 0;
    std::function<void()> m_onChange;
    std::function<void(bool&)> m_onValidate;
};

}  // namespace qv::soft
