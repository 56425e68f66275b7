// Writes the type library's IDL and the version numbers for the resource script.
#include <cstdio>
#include <fstream>

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
    if (nArgs != 3) {
        std::fprintf(stderr, "usage: qv_idlgen OUTPUT.idl OUTPUT_version.h\n");
        return 2;
    }
    const bool bWritten = WriteFile(ppArgs[1], qv::WriteTypeLibrary(qv::ColorListBoxTypeLibrary(),
                                                                    qv::IdlDialect::Compilable)) &&
                          WriteFile(ppArgs[2], VersionHeader());
    return bWritten ? 0 : 1;
}
