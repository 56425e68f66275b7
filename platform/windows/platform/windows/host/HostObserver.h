#pragma once

#include "platform/site/HostObserver.h"

namespace qv::windows {

using site::IHostObserver;

}  // namespace qv::windows
