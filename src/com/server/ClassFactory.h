#pragma once

#include <unknwn.h>

namespace qv::com {

// Makes one object of a class and asks it for an interface.
using CreateFunction = HRESULT (*)(REFIID riid, void** ppv);

// The class object of one of the library's classes. It lives as long as the module; its
// references do not count, its locks do.
class ClassFactory : public IClassFactory {
  public:
    explicit ClassFactory(CreateFunction create) : m_create(create) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override;
    STDMETHODIMP LockServer(BOOL fLock) override;

  private:
    CreateFunction m_create;
};

}  // namespace qv::com
