#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qvhost/HostPlatform.h"

namespace qv::qvhost {

// The harness's page sheet over the system's windows: the page built on the Windows page
// host (the system's own controls) inside a sheet window, on the page "general" or
// "check" of the selection. runUntilIdle delivers the thread's pending messages.
std::unique_ptr<IPageSheet> OpenWindowsPageSheet(const std::string& sPage,
                                                 std::vector<host::ISelectedObject*> selection,
                                                 std::function<void()> runUntilIdle);

}  // namespace qv::qvhost
