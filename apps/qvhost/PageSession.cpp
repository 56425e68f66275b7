#include "qvhost/PageSession.h"

#include "dispatch/ColorListBoxDispatch.h"
#include "pages/ppgCheck.h"
#include "pages/ppgGeneral.h"

namespace qv::qvhost {

Variant SelectedControl::GetProperty(std::string_view sName) {
    std::vector<Variant> args;
    return InvokeByName(m_lookUp(), ColorListBoxDispatch(), sName, InvokeKind::PropertyGet, args);
}

void SelectedControl::LetProperty(std::string_view sName, const Variant& vValue) {
    std::vector<Variant> args = {vValue};
    const InvokeKind eKind =
        vValue.IsObject() ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut;
    InvokeByName(m_lookUp(), ColorListBoxDispatch(), sName, eKind, args);
}

std::unique_ptr<PageSession> OpenPageSession(
    const std::string& sPage, std::vector<std::unique_ptr<SelectedControl>> selection) {
    auto session = std::make_unique<PageSession>();
    session->selection = std::move(selection);
    std::vector<host::ISelectedObject*> selected;
    for (const auto& pControl : session->selection) selected.push_back(pControl.get());
    std::vector<soft::PropertySheet::Tab> tabs;
    tabs.push_back({std::string(ppgGeneral::kCaption), [](host::IPropertyPageSite& site) {
                        return std::unique_ptr<host::IPropertyPage>(
                            std::make_unique<ppgGeneral>(site));
                    }});
    tabs.push_back({std::string(ppgCheck::kCaption), [](host::IPropertyPageSite& site) {
                        return std::unique_ptr<host::IPropertyPage>(
                            std::make_unique<ppgCheck>(site));
                    }});
    session->sheet = std::make_unique<soft::PropertySheet>(
        std::move(tabs), sPage == "general" ? 0 : 1, std::move(selected));
    return session;
}

}  // namespace qv::qvhost
