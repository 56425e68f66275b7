#pragma once

#include "platform/site/HostObserver.h"

namespace qv::soft {

using site::IHostObserver;

}  // namespace qv::soft
