#include "qvcontainer/LeakCheck.h"

#include <objbase.h>

#include "qvcontainer/ContainerForm.h"

namespace qv::container {

namespace {

HRESULT AskCanUnload(HMODULE hLibrary) {
    using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
    auto pfnCanUnload = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void (*)()>(::GetProcAddress(hLibrary, "DllCanUnloadNow")));
    return pfnCanUnload ? pfnCanUnload() : E_NOTIMPL;
}

}  // namespace

GdiCount CountGdiObjects() {
    GdiCount count;
    ::SetLastError(0);
    count.nObjects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    count.bKnown = count.nObjects != 0;
    return count;
}

bool CheckUnload(std::ostream& out, bool bReleased, const GdiCount& before) {
    bool bWell = bReleased;
    out << "qvcontainer: " << (bReleased ? "every reference released" : "a reference kept");
    if (HMODULE hLibrary = ::GetModuleHandleW(kControlLibrary)) {
        const HRESULT hr = AskCanUnload(hLibrary);
        out << ", DllCanUnloadNow " << (hr == S_OK ? "S_OK" : "not S_OK");
        bWell = bWell && hr == S_OK;
    }
    const GdiCount after = CountGdiObjects();
    if (before.bKnown && after.bKnown) {
        const long nLeft = static_cast<long>(after.nObjects) - static_cast<long>(before.nObjects);
        out << ", GDI objects " << (nLeft >= 0 ? "+" : "") << nLeft;
        bWell = bWell && nLeft <= 0;
    } else {
        out << ", GDI objects not counted by the system";
    }
    ::CoFreeUnusedLibrariesEx(0, 0);
    out << ", library " << (::GetModuleHandleW(kControlLibrary) ? "still loaded" : "unloaded")
        << "\n";
    return bWell;
}

}  // namespace qv::container
