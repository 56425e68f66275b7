#pragma once

#include <string>

namespace qv::scripthost {

// A line on standard output or standard error, in the process's ANSI code page, ended as
// the system's script host ends it (CR LF). Unbuffered, so the two keep their order.
void WriteOutputLine(const std::wstring& sLine);
void WriteErrorLine(const std::wstring& sLine);

}  // namespace qv::scripthost
