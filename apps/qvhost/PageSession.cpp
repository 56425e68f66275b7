#include "qvhost/PageSession.h"

#include "qvhost/PageTabs.h"

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
    for (const PageTab& tab : ControlPageTabs())
        tabs.push_back({std::string(tab.sCaption), tab.makePage});
    return std::make_unique<soft::PropertySheet>(std::move(tabs), PageTabIndex(sPage),
                                                 std::move(selected));
}

}  // namespace qv::qvhost
