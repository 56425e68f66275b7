#pragma once

#include <unknwn.h>

namespace qv::com {

// The class object of ColorListBox. It lives as long as the module; its references do
// not count, its locks do.
class ClassFactory : public IClassFactory {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override;
    STDMETHODIMP LockServer(BOOL fLock) override;
};

}  // namespace qv::com
