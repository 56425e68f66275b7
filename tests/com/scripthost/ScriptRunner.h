#pragma once

#include <string>

namespace qv::scripthost {

// Runs a VBScript text with the system's engine and a WScript item; the result is the
// program's exit code (WScript.Quit's code, 1 after a script error).
int RunScript(const std::wstring& sScriptName, const std::wstring& sText);

}  // namespace qv::scripthost
