// The entry points of the in-process server (exported by name through the .def file).
#include "com/server/WindowlessSite.h"  // first: the control's headers precede the system's

#include <windows.h>

#include "com/server/ClassFactory.h"
#include "com/server/Module.h"
#include "com/server/Registration.h"
#include "com/server/TypeInfo.h"

namespace {

qv::com::ClassFactory g_factory;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        qv::com::Module::SetInstance(hInstance);
        ::DisableThreadLibraryCalls(hInstance);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        qv::com::WindowlessSite::UnregisterWindowClass();
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (rclsid != qv::com::ControlClassId()) return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(riid, ppv);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return qv::com::Module::CanUnload() ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    return qv::com::RegisterServer();
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    return qv::com::UnregisterServer();
}
