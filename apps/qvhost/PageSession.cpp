#include "qvhost/PageSession.h"

#include "pages/ppgCheck.h"
#include "pages/ppgGeneral.h"

namespace qv::qvhost {

std::unique_ptr<PageSession> OpenPageSession(
    const std::string& sPage, std::vector<std::unique_ptr<SelectedControl>> selection) {
    auto session = std::make_unique<PageSession>();
    session->selection = std::move(selection);
    std::vector<host::ISelectedObject*> selected;
    for (const auto& pControl : session->selection) selected.push_back(pControl.get());
    session->sheet = MakePropertySheet(sPage, std::move(selected));
    return session;
}

std::unique_ptr<soft::PropertySheet> MakePropertySheet(
    const std::string& sPage, std::vector<host::ISelectedObject*> selected) {
    std::vector<soft::PropertySheet::Tab> tabs;
    tabs.push_back({std::string(ppgGeneral::kCaption), [](host::IPropertyPageSite& site) {
                        return std::unique_ptr<host::IPropertyPage>(
                            std::make_unique<ppgGeneral>(site));
                    }});
    tabs.push_back({std::string(ppgCheck::kCaption), [](host::IPropertyPageSite& site) {
                        return std::unique_ptr<host::IPropertyPage>(
                            std::make_unique<ppgCheck>(site));
                    }});
    return std::make_unique<soft::PropertySheet>(std::move(tabs), sPage == "general" ? 0 : 1,
                                                 std::move(selected));
}

}  // namespace qv::qvhost
