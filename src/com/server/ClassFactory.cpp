#include "com/server/ComControl.h"  // first: the control's headers precede the system's

#include "com/server/ClassFactory.h"
#include "com/server/Module.h"

namespace qv::com {

STDMETHODIMP ClassFactory::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IClassFactory) return E_NOINTERFACE;
    *ppv = static_cast<IClassFactory*>(this);
    return S_OK;
}

// The control cannot be aggregated.
STDMETHODIMP ClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (pUnkOuter) return CLASS_E_NOAGGREGATION;
    return ComControl::Create(riid, ppv);
}

STDMETHODIMP ClassFactory::LockServer(BOOL fLock) {
    Module::Lock(fLock != FALSE);
    return S_OK;
}

}  // namespace qv::com
