// qv_script_host SCRIPT.vbs: runs a VBScript file with the system's VBScript engine and a
// WScript object that can connect the script to an object's events (ConnectObject), which
// the script host of Wine 8 cannot. Only for the tests.
#include <objbase.h>

#include "HostOutput.h"
#include "ScriptFile.h"
#include "ScriptRunner.h"

int wmain(int argc, wchar_t** argv) {
    using namespace qv::scripthost;
    if (argc != 2) {
        WriteErrorLine(L"usage: qv_script_host SCRIPT.vbs");
        return 2;
    }
    const std::optional<std::wstring> sText = ReadScriptFile(argv[1]);
    if (!sText) {
        WriteErrorLine(std::wstring(L"cannot read ") + argv[1]);
        return 2;
    }
    ::CoInitialize(nullptr);
    const int nExitCode = RunScript(argv[1], *sText);
    ::CoUninitialize();
    return nExitCode;
}
