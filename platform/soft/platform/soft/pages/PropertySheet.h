#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/soft/gdi/Surface.h"
#include "platform/soft/pages/PageHost.h"

namespace qv::soft {

// The designer's property sheet around one page: a row of tabs (the shown page's tab
// selected), the page, and the buttons OK, Cancel and Apply. Apply is enabled exactly
// while the page's Changed flag is True. The sheet's buttons never ask a text box to
// validate: closing always works, whatever the page holds.
//
// A click on another tab that has a page builds that page afresh on the same selection,
// on a new host. Edits of the page being left that were not applied are dropped, and its
// text boxes are not asked to validate: only Apply (or OK) writes to the controls.
class PropertySheet {
  public:
    using PageFactory =
        std::function<std::unique_ptr<host::IPropertyPage>(host::IPropertyPageSite&)>;
    struct Tab {
        std::string sCaption;
        PageFactory makePage;  // empty: the tab shows, but cannot be chosen
    };
    enum class Button { Ok, Cancel, Apply };

    // Builds the page of the active tab on its host, gives the first control the focus,
    // then tells the page of the selection.
    PropertySheet(std::vector<Tab> tabs, std::size_t nActiveTab,
                  std::vector<host::ISelectedObject*> selected);
    // A sheet whose only page is the one of the active tab.
    PropertySheet(const std::vector<std::string>& tabCaptions, std::size_t nActiveTab,
                  std::vector<host::ISelectedObject*> selected, const PageFactory& makePage);

    PageHost& Host() { return *m_pHost; }
    const PageHost& Host() const { return *m_pHost; }
    host::IPropertyPage& Page() { return *m_pPage; }
    bool IsOpen() const { return m_bOpen; }
    bool ApplyEnabled() const { return m_pHost->Changed(); }
    // How many times the page's changes were applied (Apply, or OK with pending edits).
    int AppliedCount() const { return m_nApplied; }

    // Shows the page of that tab, built afresh; false (nothing changes) for the tab shown,
    // a tab without a page or no tab at all.
    bool ShowTab(std::size_t nTab);

    // The page's ApplyChanges, then Changed is False.
    void Apply();
    // OK applies pending edits and closes; Cancel closes without applying.
    void Ok();
    void Cancel() { m_bOpen = false; }

    // Geometry in sheet pixels.
    win32::SIZE Size() const;
    win32::POINT PageOrigin() const;
    win32::RECT TabBounds(std::size_t nTab) const;
    win32::RECT ButtonBounds(Button eButton) const;
    std::size_t TabCount() const { return m_tabs.size(); }
    std::size_t ActiveTab() const { return m_nActiveTab; }

    // Input in sheet pixels: presses on the page go to its controls, on an enabled
    // button to the button, on a tab to ShowTab. Escape is Cancel, Ctrl+Tab and
    // Ctrl+Shift+Tab show the next and the previous tab; other keys go to the page.
    void MouseDown(int nX, int nY);
    void KeyDown(int nKeyCode, int nShift);
    void Char(char32_t cChar) { m_pHost->Char(cChar); }

    // The whole sheet as it looks now.
    SurfaceRef Paint() const;

  private:
    void BuildPage();

    std::vector<Tab> m_tabs;
    std::vector<int> m_tabWidths;
    std::size_t m_nActiveTab;
    std::vector<host::ISelectedObject*> m_selected;
    // The page refers to its host's widgets, so it goes first.
    std::unique_ptr<PageHost> m_pHost;
    std::unique_ptr<host::IPropertyPage> m_pPage;
    int m_nApplied = 0;
    bool m_bOpen = true;
};

}  // namespace qv::soft
