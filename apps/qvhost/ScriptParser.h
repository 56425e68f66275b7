#pragma once

#include <string>
#include <string_view>

#include "qvhost/Script.h"

namespace qv::qvhost {

// Parses a whole script before any of it runs. Blank and comment-only lines give no
// command. Throws ScriptError ("FILE:LINE: message") at the first line that is wrong.
Script ParseScript(std::string_view sText, const std::string& sFile);

}  // namespace qv::qvhost
