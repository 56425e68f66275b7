#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/PropertyPage.h"

namespace qv::qvhost {

// One of the control's property pages as a designer's sheet offers it: the tab's caption
// and how the page is built on a host.
struct PageTab {
    std::string_view sCaption;
    std::unique_ptr<host::IPropertyPage> (*makePage)(host::IPropertyPageSite& site);
};

// The control's pages in the order of the sheet's tabs.
const std::vector<PageTab>& ControlPageTabs();

// The tab of the script's page name: "general" the first, any other the check page.
inline std::size_t PageTabIndex(const std::string& sPage) {
    return sPage == "general" ? 0 : 1;
}

}  // namespace qv::qvhost
