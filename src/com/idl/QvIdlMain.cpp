// Writes the type library's IDL to the file named on the command line.
#include <cstdio>
#include <fstream>

#include "com/idl/IdlWriter.h"

int main(int nArgs, char** ppArgs) {
    if (nArgs != 2) {
        std::fprintf(stderr, "usage: qv_idlgen OUTPUT.idl\n");
        return 2;
    }
    std::ofstream out(ppArgs[1], std::ios::binary);
    out << qv::com::WriteIdl(qv::ColorListBoxTypeLibrary());
    out.close();
    return out ? 0 : 1;
}
