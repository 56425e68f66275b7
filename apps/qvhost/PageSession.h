#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/host/PropertyPage.h"
#include "platform/soft/pages/PropertySheet.h"

namespace qv {
class ColorListBox;
}

namespace qv::qvhost {

// A control selected for a page, reached through its dispatch interface by name. The
// control is looked up at every call, so a control freed meanwhile answers with the
// host's "object not set" error instead of a dangling reference.
class SelectedControl : public host::ISelectedObject {
  public:
    explicit SelectedControl(std::function<ColorListBox&()> lookUp) : m_lookUp(std::move(lookUp)) {}
    Variant GetProperty(std::string_view sName) override;
    void LetProperty(std::string_view sName, const Variant& vValue) override;

  private:
    std::function<ColorListBox&()> m_lookUp;
};

// The property sheet the script has open, with the selection it was opened on.
struct PageSession {
    std::vector<std::unique_ptr<SelectedControl>> selection;
    std::unique_ptr<soft::PropertySheet> sheet;
};

// Opens the sheet on the page "general" or "check" of the selection; a click on the
// other tab shows the other page.
std::unique_ptr<PageSession> OpenPageSession(
    const std::string& sPage, std::vector<std::unique_ptr<SelectedControl>> selection);

}  // namespace qv::qvhost
