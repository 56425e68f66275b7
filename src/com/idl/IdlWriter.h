#pragma once

#include <string>

#include "dispatch/TypeLibrary.h"

namespace qv::com {

// The library's description as IDL that widl compiles into the type library the COM
// server embeds and registers.
std::string WriteIdl(const TypeLibrary& library);

}  // namespace qv::com
