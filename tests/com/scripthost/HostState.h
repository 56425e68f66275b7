#pragma once

namespace qv::scripthost {

// What the run has come to: WScript.Quit's code, and whether a script error was reported.
struct HostState {
    bool bQuit = false;
    int nQuitCode = 0;
    int nErrors = 0;

    // The program's exit code: a script error is never reported as success.
    int ExitCode() const {
        if (nErrors > 0 && nQuitCode == 0) return 1;
        return nQuitCode;
    }
};

// The failure WScript.Quit returns to the engine to stop the script; not an error.
constexpr HRESULT kQuitRequested = E_ABORT;

}  // namespace qv::scripthost
