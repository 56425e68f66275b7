#include "qvhost/PageTabs.h"

#include "pages/ppgCheck.h"
#include "pages/ppgGeneral.h"

namespace qv::qvhost {

namespace {

template <typename TPage>
std::unique_ptr<host::IPropertyPage> MakePage(host::IPropertyPageSite& site) {
    return std::make_unique<TPage>(site);
}

}  // namespace

const std::vector<PageTab>& ControlPageTabs() {
    static const std::vector<PageTab> tabs{{ppgGeneral::kCaption, &MakePage<ppgGeneral>},
                                           {ppgCheck::kCaption, &MakePage<ppgCheck>}};
    return tabs;
}

}  // namespace qv::qvhost
