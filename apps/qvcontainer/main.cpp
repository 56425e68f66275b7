// qvcontainer: an OLE container of the control's own, for Windows. It creates the registered
// control by its class, sites it, activates it in place in a real window and runs a host
// harness script against it, printing the harness's transcript lines.
//
//   qvcontainer run SCRIPT [--drawn] [--out DIR]
//
// --drawn reads pixels from the control's view object instead of its window; pictures the
// script paints are written to DIR (the current folder when not given). At the end
// every control is released and the library is asked whether it can unload; a reference
// kept, a library that cannot unload or a GDI object left over ends with status 1.
#include <fcntl.h>
#include <io.h>
#include <objbase.h>

#include <cstdio>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "qvcontainer/LeakCheck.h"
#include "qvcontainer/ScriptRunner.h"
#include "qvhost/ScriptParser.h"

namespace {

struct Options {
    std::string sScript;
    bool bDrawn = false;
    std::filesystem::path outDir;
};

int Usage() {
    std::cerr << "usage: qvcontainer run SCRIPT [--drawn] [--out DIR]\n";
    return 2;
}

// False for arguments that are not the usage's.
bool ParseOptions(int argc, char** argv, Options& options) {
    if (argc < 3 || std::string(argv[1]) != "run") return false;
    options.sScript = argv[2];
    for (int i = 3; i < argc; ++i) {
        const std::string sArg = argv[i];
        if (sArg == "--drawn") {
            options.bDrawn = true;
        } else if (sArg == "--out" && i + 1 < argc) {
            options.outDir = argv[++i];
        } else {
            return false;
        }
    }
    return true;
}

std::string ReadFile(const std::string& sPath) {
    std::ifstream file(sPath, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + sPath);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int RunScript(const qv::qvhost::Script& script, const Options& options) {
    qv::container::GdiCount gdiBefore = qv::container::CountGdiObjects();
    bool bReleased = false;
    {
        qv::container::ScriptRunner runner(std::cout, options.bDrawn, options.outDir);
        runner.Run(script);
        bReleased = runner.Finish();
    }
    return qv::container::CheckUnload(std::cerr, bReleased, gdiBefore) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) return Usage();
    _setmode(_fileno(stdout), _O_BINARY);  // the transcript's lines end in \n, as qvhost's do
    if (::OleInitialize(nullptr) != S_OK) return 1;
    int nStatus = 0;
    try {
        const qv::qvhost::Script script =
            qv::qvhost::ParseScript(ReadFile(options.sScript), options.sScript);
        const std::string sUnsupported = qv::container::ScriptRunner::Unsupported(script);
        if (!sUnsupported.empty()) {
            std::cerr << sUnsupported << ": not a command the container runs\n";
            nStatus = 2;
        } else {
            nStatus = RunScript(script, options);
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        nStatus = 2;
    }
    ::OleUninitialize();
    return nStatus;
}
