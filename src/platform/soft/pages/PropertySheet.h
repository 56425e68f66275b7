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
class PropertySheet {
  public:
    using PageFactory =
        std::function<std::unique_ptr<host::IPropertyPage>(host::IPropertyPageSite&)>;
    enum class Button { Ok, Cancel, Apply };

    // Builds the page on its host, gives the first control the focus, then tells the page
    // of the selection.
    PropertySheet(std::vector<std::string> tabCaptions, std::size_t nActiveTab,
                  std::vector<host::ISelectedObject*> selected, const PageFactory& makePage);

    PageHost& Host() { return m_host; }
    const PageHost& Host() const { return m_host; }
    host::IPropertyPage& Page() { return *m_pPage; }
    bool IsOpen() const { return m_bOpen; }
    bool ApplyEnabled() const { return m_host.Changed(); }

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
    const std::vector<std::string>& TabCaptions() const { return m_tabCaptions; }
    std::size_t ActiveTab() const { return m_nActiveTab; }

    // Input in sheet pixels: presses on the page go to its controls, on an enabled
    // button to the button. Escape is Cancel; other keys go to the page.
    void MouseDown(int nX, int nY);
    void KeyDown(int nKeyCode, int nShift);
    void Char(char32_t cChar) { m_host.Char(cChar); }

    // The whole sheet as it looks now.
    SurfaceRef Paint() const;

  private:
    std::vector<std::string> m_tabCaptions;
    std::vector<int> m_tabWidths;
    std::size_t m_nActiveTab;
    PageHost m_host;
    std::unique_ptr<host::IPropertyPage> m_pPage;
    bool m_bOpen = true;
};

}  // namespace qv::soft
