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

// None of the library's objects can be aggregated.
STDMETHODIMP ClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (pUnkOuter) return CLASS_E_NOAGGREGATION;
    return m_create(riid, ppv);
}

STDMETHODIMP ClassFactory::LockServer(BOOL fLock) {
    Module::Lock(fLock != FALSE);
    return S_OK;
}

}  // namespace qv::com
