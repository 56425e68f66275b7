#pragma once

#include <windows.h>

#include <ostream>

namespace qv::container {

struct GdiCount {
    DWORD nObjects = 0;
    bool bKnown = false;  // the system counts a process's GDI objects
};

GdiCount CountGdiObjects();

// After every control went: the library must say it can unload and no GDI object may be
// left over. Writes one line of findings; true when all is well.
bool CheckUnload(std::ostream& out, bool bReleased, const GdiCount& before);

}  // namespace qv::container
