// The scenario script parser and name checker on any text. A script is either refused
// with a ScriptError or parsed; a parsed command's echo is the command as written, so
// parsing the echoes again must give the same commands.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "qvhost/ScriptNames.h"
#include "qvhost/ScriptParser.h"

using namespace qv::qvhost;

namespace {

void CheckEchoesParseAlike(const Script& script) {
    std::string sEchoes;
    for (const Command& command : script.commands) sEchoes += command.sEcho + "\n";
    Script again;
    try {
        again = ParseScript(sEchoes, script.sFile);
    } catch (const ScriptError& error) {
        std::fprintf(stderr, "echoes refused: %s\n", error.what());
        std::abort();
    }
    if (again.commands.size() != script.commands.size()) {
        std::fprintf(stderr, "echoes give %zu commands instead of %zu\n", again.commands.size(),
                     script.commands.size());
        std::abort();
    }
    for (std::size_t i = 0; i < script.commands.size(); ++i) {
        if (again.commands[i].body != script.commands[i].body ||
            again.commands[i].sEcho != script.commands[i].sEcho) {
            std::fprintf(stderr, "echo parses differently: %s\n", script.commands[i].sEcho.c_str());
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::string_view sText(reinterpret_cast<const char*>(pData), nSize);
    Script script;
    try {
        script = ParseScript(sText, "fuzz.qvs");
    } catch (const ScriptError&) {
        return 0;
    }
    CheckEchoesParseAlike(script);
    try {
        CheckNames(script);
    } catch (const ScriptError&) {
    }
    return 0;
}
