#pragma once

#include <string>

#include "platform/Types.h"

namespace qv {

// The number of bytes of the text in the system ANSI code page: the count TextOutA takes.
// Raises overflow (6) above 32767.
Integer GetAnsiLength(const std::string& sText);

}  // namespace qv
