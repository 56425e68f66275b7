// Writes the type library's IDL, the version numbers for the resource script and the
// forwarding methods of the dual interface.
#include <cstdio>
#include <fstream>

#include "com/idl/ForwardingText.h"
#include "dispatch/ColorListBoxDispatch.h"
#include "dispatch/TypeLibrary.h"

namespace {

bool WriteFile(const char* sPath, const std::string& sText) {
    std::ofstream out(sPath, std::ios::binary);
    out << sText;
    out.close();
    return static_cast<bool>(out);
}

std::string VersionHeader() {
    const int* pVersion = qv::kVersion;
    char sText[160];
    std::snprintf(sText, sizeof sText,
                  "#define QV_VERSION_NUMBERS %d, %d, %d, %d\n"
                  "#define QV_VERSION_TEXT \"%d.%d.%d.%d\\0\"\n",
                  pVersion[0], pVersion[1], pVersion[2], pVersion[3], pVersion[0], pVersion[1],
                  pVersion[2], pVersion[3]);
    return sText;
}

}  // namespace

int main(int nArgs, char** ppArgs) {
    if (nArgs != 4) {
        std::fprintf(stderr,
                     "usage: qv_idlgen OUTPUT.idl OUTPUT_version.h OUTPUT_forwarding.inc\n");
        return 2;
    }
    const bool bWritten =
        WriteFile(ppArgs[1], qv::WriteTypeLibrary(qv::ColorListBoxTypeLibrary(),
                                                  qv::IdlDialect::Compilable)) &&
        WriteFile(ppArgs[2], VersionHeader()) &&
        WriteFile(ppArgs[3], qv::com::WriteForwarding(qv::ColorListBoxDispatch()));
    return bWritten ? 0 : 1;
}
