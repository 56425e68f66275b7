// qvhost: hosts ColorListBox controls on a form and runs scenario scripts against them.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "dispatch/TypeLibrary.h"
#include "platform/AnsiText.h"
#include "qvhost/Harness.h"
#include "qvhost/ScriptNames.h"
#include "qvhost/ScriptParser.h"
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "platform/windows/SystemApi.h"
#else
#include "platform/soft/user/SystemSettings.h"
#include "qvhost/DemoForm.h"
#include "qvhost/DemoWindow.h"
#endif

namespace fs = std::filesystem;
using namespace qv;
using namespace qv::qvhost;

namespace {

constexpr int kExitBadScript = 2;
constexpr int kExitUsage = 64;

constexpr const char* kUsage =
    "usage: qvhost run SCRIPT|- [--out DIR] [--codepage N]\n"
    "       qvhost demo [--headless] [--out DIR]\n"
    "       qvhost typelib\n"
    "       qvhost --help\n"
    "\n"
    "run   runs a scenario script and prints its transcript (SCRIPT - reads standard input)\n"
    "demo  shows the sample form in a window when a display is present; otherwise (or with\n"
    "      --headless) runs its scenarios, prints their transcripts and writes pictures\n"
    "typelib  prints the library's type information as IDL-style text\n";

struct Options {
    std::string sCommand;
    std::string sScript;
    fs::path outDir;
    bool bHeadless = false;
    unsigned nCodePage = kDefaultAnsiCodePage;
    std::string sCodePage;  // as given on the command line
};

// A code page is a plain decimal number: no sign, blank or suffix, and within 32 bits.
std::optional<unsigned> ParseCodePage(const std::string& sText) {
    if (sText.empty() || !std::ranges::all_of(sText, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::uint32_t nValue = 0;
    const auto [pEnd, error] = std::from_chars(sText.data(), sText.data() + sText.size(), nValue);
    if (error != std::errc{} || pEnd != sText.data() + sText.size()) return std::nullopt;
    return nValue;
}

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& sError) {
    if (args.empty()) return sError = "missing command", false;
    options.sCommand = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& sArg = args[i];
        const bool bHasValue = i + 1 < args.size();
        if (sArg == "--out" && bHasValue) {
            options.outDir = args[++i];
        } else if (sArg == "--headless" && options.sCommand == "demo") {
            options.bHeadless = true;
        } else if (sArg == "--codepage" && bHasValue) {
            options.sCodePage = args[++i];
            const std::optional<unsigned> nCodePage = ParseCodePage(options.sCodePage);
            if (!nCodePage) return sError = "bad code page \"" + options.sCodePage + "\"", false;
            options.nCodePage = *nCodePage;
        } else if (options.sScript.empty() && options.sCommand == "run" &&
                   (sArg == "-" || sArg.rfind("--", 0) != 0)) {
            options.sScript = sArg;
        } else {
            return sError = "unexpected argument \"" + sArg + "\"", false;
        }
    }
    if (options.sCommand == "run" && options.sScript.empty())
        return sError = "missing SCRIPT", false;
    return true;
}

bool ReadScriptText(const std::string& sScript, std::string& sText) {
    std::ostringstream text;
    if (sScript == "-") {
        text << std::cin.rdbuf();
    } else {
        std::ifstream file(sScript, std::ios::binary);
        if (!file) return false;
        text << file.rdbuf();
    }
    sText = text.str();
    return true;
}

// Files the script writes go to the output folder; a script's relative reads look there
// first, then beside the script.
int RunScript(const std::string& sScript, const fs::path& outDir) {
    std::string sText;
    if (!ReadScriptText(sScript, sText)) {
        std::cerr << "qvhost: cannot read script \"" << sScript << "\"\n";
        return kExitBadScript;
    }
    Script script;
    try {
        script = ParseScript(sText, sScript);
        CheckNames(script);
        Harness::CheckSupported(script);
    } catch (const ScriptError& error) {
        std::cerr << error.what() << "\n";
        return kExitBadScript;
    }
    if (!outDir.empty()) fs::create_directories(outDir);
    const fs::path scriptDir =
        sScript == "-" ? fs::current_path() : fs::path(sScript).parent_path();
    Harness harness(std::cout, outDir, scriptDir);
    try {
        harness.Run(script);
    } catch (const ScriptError& error) {
        std::cout.flush();
        std::cerr << error.what() << "\n";
        return kExitBadScript;
    }
    return 0;
}

#ifdef _WIN32
// The demo form is drawn by our own platform only.
int RunDemo(const Options&) {
    std::cerr << "qvhost demo: not available on this platform\n";
    return 1;
}

// The transcript is the same bytes as on other systems: no carriage returns added.
void UseBinaryStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
}

// Text converts with the code page the system gives the process.
bool UseCodePage(unsigned nCodePage) {
    return nCodePage == ::GetACP();
}
#else
void UseBinaryStandardStreams() {}

constexpr const char* kDemoPicture = "demo-form.png";

int RunDemoScenarios(const fs::path& outDir) {
    const fs::path demoDir = QV_DEMO_DIR;
    std::vector<fs::path> scripts;
    for (const auto& entry : fs::directory_iterator(demoDir)) {
        if (entry.path().extension() == ".qvs") scripts.push_back(entry.path());
    }
    std::sort(scripts.begin(), scripts.end());
    for (const fs::path& script : scripts) {
        std::cout << "# " << script.filename().string() << "\n";
        if (const int nStatus = RunScript(script.string(), outDir)) return nStatus;
    }
    std::string sError;
    if (!WriteDemoPicture(outDir / kDemoPicture, sError)) {
        std::cerr << "qvhost: cannot write " << (outDir / kDemoPicture).string() << ": " << sError
                  << "\n";
        return 1;
    }
    return 0;
}

// The window when a display is there; otherwise the scenarios and pictures, and one line
// that says so.
int RunDemo(const Options& options) {
    const fs::path outDir = options.outDir.empty() ? "out" : options.outDir;
    if (!options.bHeadless) {
        std::string sReason;
        if (RunDemoWindow(sReason)) return 0;
        std::cerr << "qvhost demo: " << sReason << ", so the demo runs headless (pictures in "
                  << outDir.string()
                  << "/); run it on a desktop, or with DISPLAY set, to play with the lists\n";
    }
    return RunDemoScenarios(outDir);
}

bool UseCodePage(unsigned nCodePage) {
    soft::SetSystemCodePage(nCodePage);
    return true;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    UseBinaryStandardStreams();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (args.size() == 1 && args[0] == "typelib") {
        std::cout << PrintTypeLibrary(ColorListBoxTypeLibrary());
        return 0;
    }
    Options options;
    std::string sError;
    if (!ParseOptions(args, options, sError) ||
        (options.sCommand != "run" && options.sCommand != "demo")) {
        std::cerr << "qvhost: "
                  << (sError.empty() ? "unknown command \"" + options.sCommand + "\"" : sError)
                  << "\n"
                  << kUsage;
        return kExitUsage;
    }
    if (!IsKnownCodePage(options.nCodePage)) {
        std::cerr << "qvhost: code page \"" << options.sCodePage << "\" is not available\n";
        return kExitUsage;
    }
    if (!UseCodePage(options.nCodePage)) {
        std::cerr << "qvhost: code page " << options.nCodePage
                  << " is not the system's on this platform\n";
        return kExitUsage;
    }
    try {
        if (options.sCommand == "demo") return RunDemo(options);
        return RunScript(options.sScript, options.outDir);
    } catch (const std::exception& error) {
        std::cerr << "qvhost: " << error.what() << "\n";
        return 1;
    }
}
