#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/host/PropertyPage.h"
#include "platform/soft/pages/PageWidgets.h"

namespace qv::soft {

// Pixels of a twip measure at 96 pixels per inch.
int TwipsToPixels(Long nTwips);

// The designer's side of one property page: the selection it edits, its Changed flag,
// its controls in tab order and the keyboard focus among them.
//
// Focus moves by Tab / Shift+Tab (in creation order, skipping labels and frames, wrapping
// round) and by a click on another control. A text box that would lose the focus raises
// Validate first; a cancel keeps the focus where it is.
class PageHost : public host::IPropertyPageSite {
  public:
    explicit PageHost(std::vector<host::ISelectedObject*> selected)
        : m_selected(std::move(selected)) {}

    const std::vector<host::ISelectedObject*>& SelectedControls() const override {
        return m_selected;
    }
    bool Changed() const override { return m_bChanged; }
    void SetChanged(bool bChanged) override { m_bChanged = bChanged; }

    host::ILabel& AddLabel(std::string_view sName, std::string_view sCaption, host::TwipRect rect,
                           host::IFrame* pFrame) override;
    host::IFrame& AddFrame(std::string_view sName, std::string_view sCaption,
                           host::TwipRect rect) override;
    host::IComboBox& AddComboBox(std::string_view sName, host::TwipRect rect,
                                 host::IFrame* pFrame) override;
    host::ICheckBox& AddCheckBox(std::string_view sName, std::string_view sCaption,
                                 host::TwipRect rect, host::IFrame* pFrame) override;
    host::ITextBox& AddTextBox(std::string_view sName, host::TwipRect rect,
                               host::IFrame* pFrame) override;

    const std::vector<std::unique_ptr<PageWidget>>& Widgets() const { return m_widgets; }
    // The widget of that name, or nullptr.
    PageWidget* Find(std::string_view sName) const;
    // The size the controls need, with a margin right and below.
    win32::SIZE Extent() const;

    PageWidget* Focused() const { return m_pFocused; }
    // Moves the focus to a control (nullptr: away from every control); false when a text
    // box cancelled its Validate and kept the focus.
    bool SetFocus(PageWidget* pWidget);
    // The focus leaves without going elsewhere (the user acts outside the page).
    bool LeaveFocus() { return SetFocus(nullptr); }
    // Tab or Shift+Tab.
    void TabFocus(bool bBackward);

    // Input in page pixels. Keys the focused control does not use move the focus (Tab).
    void KeyDown(int nKeyCode, int nShift);
    void Char(char32_t cChar);
    void MouseDown(int nX, int nY);
    // The open list of a combo box, if any.
    SoftComboBox* DroppedCombo() const;

  private:
    win32::RECT Place(host::TwipRect rect, host::IFrame* pFrame) const;
    template <typename TWidget, typename... TArgs>
    TWidget& Add(TArgs&&... args);

    std::vector<host::ISelectedObject*> m_selected;
    bool m_bChanged = false;
    std::vector<std::unique_ptr<PageWidget>> m_widgets;
    PageWidget* m_pFocused = nullptr;
};

}  // namespace qv::soft
