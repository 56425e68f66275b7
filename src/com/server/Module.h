#pragma once

#include <windows.h>

#include <string_view>

namespace qv::com {

// The library's own module and its live objects and server locks: the library may be
// unloaded only when both are zero.
class Module {
  public:
    static void SetInstance(HINSTANCE hInstance);
    static HINSTANCE Instance();
    static void ObjectCreated();
    static void ObjectDestroyed();
    static void Lock(bool bLock);
    static bool CanUnload();
};

// GUIDs of the type library data, as the system's GUID records.
GUID GuidFromText(std::string_view sGuid);

}  // namespace qv::com
