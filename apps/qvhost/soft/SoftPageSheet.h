#pragma once

#include "qvhost/HostPlatform.h"

namespace qv::qvhost {

// The harness's page sheet over our own property sheet.
std::unique_ptr<IPageSheet> OpenSoftPageSheet(const std::string& sPage,
                                              std::vector<host::ISelectedObject*> selection);

}  // namespace qv::qvhost
