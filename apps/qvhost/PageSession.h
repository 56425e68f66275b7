#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/soft/pages/PropertySheet.h"
#include "qvhost/SelectedControl.h"

namespace qv::qvhost {

// The property sheet the script has open, with the selection it was opened on.
struct PageSession {
    std::vector<std::unique_ptr<SelectedControl>> selection;
    std::unique_ptr<soft::PropertySheet> sheet;
};

// Opens the sheet on the page "general" or "check" of the selection; a click on the
// other tab shows the other page.
std::unique_ptr<PageSession> OpenPageSession(
    const std::string& sPage, std::vector<std::unique_ptr<SelectedControl>> selection);

// Our property sheet with the pages "general" and "check", showing sPage first.
std::unique_ptr<soft::PropertySheet> MakePropertySheet(
    const std::string& sPage, std::vector<host::ISelectedObject*> selected);

}  // namespace qv::qvhost
