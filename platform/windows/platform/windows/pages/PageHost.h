#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/host/PropertyPage.h"
#include "platform/windows/pages/PageControls.h"

namespace qv::windows {

// Pixels of a twip measure at nPixelsPerInch, to the nearest pixel (halves away from zero).
int TwipsToPixels(Long nTwips, int nPixelsPerInch);

// A property page over the system's own controls: one page window with a STATIC, BUTTON,
// COMBOBOX or EDIT child for each control the page adds, placed at the screen's pixels
// per inch, in tab order, in the dialog font it is given.
//
// The page window starts hidden and without a parent, so a page can be built and
// measured before the designer shows it; Attach makes it a child of the designer's
// window, Detach takes it back (the controls keep their values either way).
class PageHost : public host::IPropertyPageSite {
  public:
    PageHost();
    ~PageHost() override;
    PageHost(const PageHost&) = delete;
    PageHost& operator=(const PageHost&) = delete;

    HWND Window() const { return m_hWnd; }
    void Attach(HWND hParent, const RECT& rcPlace);
    void Detach();
    // The dialog font of the designer; nullptr gives back the page's own (a 9-point
    // Japanese gothic face). The caller keeps the font alive while the page uses it.
    void SetFont(HFONT hFont);
    // The size the controls need, with a margin right and below, in pixels.
    SIZE Extent() const;

    void SetSelected(std::vector<host::ISelectedObject*> selected) {
        m_selected = std::move(selected);
    }
    // Told whenever the Changed flag turns.
    void OnChangedTurn(std::function<void(bool)> handler) { m_onChangedTurn = std::move(handler); }

    const std::vector<host::ISelectedObject*>& SelectedControls() const override {
        return m_selected;
    }
    bool Changed() const override { return m_bChanged; }
    void SetChanged(bool bChanged) override;

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

    // The page is going: from now on the controls' notifications reach it no more, so
    // the focus leaving a text box on the way asks for no Validate.
    void Close() { m_bClosed = true; }

    // The control of that name, or nullptr.
    PageControl* Find(std::string_view sName) const;

    // From the page window's procedure.
    void Command(WORD nId, WORD nCode);

  private:
    RECT Place(host::TwipRect rect, host::IFrame* pFrame) const;
    HWND CreateChild(const wchar_t* sClass, std::string_view sText, DWORD dwStyle, DWORD dwExStyle,
                     const RECT& rc);
    template <typename TControl, typename... TArgs>
    TControl& Add(std::string_view sName, HWND hWnd, TArgs&&... args);

    HWND m_hWnd = nullptr;
    HFONT m_hOwnFont = nullptr;
    HFONT m_hFont = nullptr;
    int m_nPixelsPerInchX = 96;
    int m_nPixelsPerInchY = 96;
    std::vector<host::ISelectedObject*> m_selected;
    bool m_bChanged = false;
    bool m_bClosed = false;
    std::function<void(bool)> m_onChangedTurn;
    std::vector<std::unique_ptr<PageControl>> m_controls;
};

}  // namespace qv::windows
