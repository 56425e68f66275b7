// The entry points of the in-process server (exported by name through the .def file).
#include "com/server/ComControl.h"  // first: the control's headers precede the system's

#include <windows.h>

#include "com/pages/PageClasses.h"
#include "com/server/ClassFactory.h"
#include "com/server/Module.h"
#include "com/server/Registration.h"
#include "com/server/TypeInfo.h"
#include "platform/windows/GdiObjectCount.h"
#include "platform/windows/pages/PageWindow.h"

namespace {

qv::com::ClassFactory g_controlFactory(&qv::com::ComControl::Create);
qv::com::ClassFactory g_generalPageFactory(&qv::com::CreateGeneralPage);
qv::com::ClassFactory g_checkPageFactory(&qv::com::CreateCheckPage);

qv::com::ClassFactory* FactoryOf(REFCLSID rclsid) {
    if (rclsid == qv::com::ControlClassId()) return &g_controlFactory;
    if (rclsid == qv::com::GeneralPageClassId()) return &g_generalPageFactory;
    if (rclsid == qv::com::CheckPageClassId()) return &g_checkPageFactory;
    return nullptr;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        qv::com::Module::SetInstance(hInstance);
        ::DisableThreadLibraryCalls(hInstance);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        qv::com::WindowlessSite::UnregisterWindowClass();
        qv::windows::UnregisterPageWindowClass();
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    qv::com::ClassFactory* pFactory = FactoryOf(rclsid);
    if (!pFactory) return CLASS_E_CLASSNOTAVAILABLE;
    return pFactory->QueryInterface(riid, ppv);
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

// For leak checks: the GDI objects the library holds now.
extern "C" LONG STDAPICALLTYPE QvLiveGdiObjects() {
    return qv::windows::LiveGdiObjects();
}
