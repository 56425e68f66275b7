#pragma once

#include <optional>
#include <string>

namespace qv::scripthost {

// A script file's text: UTF-16 when it starts with its byte-order mark, UTF-8 with its
// mark, otherwise the ANSI code page, as the system's script host reads it.
std::optional<std::wstring> ReadScriptFile(const std::wstring& sPath);

}  // namespace qv::scripthost
