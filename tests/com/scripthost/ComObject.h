#pragma once

#include <objbase.h>

namespace qv::scripthost {

// Reference counting and QueryInterface for an object with one interface besides IUnknown;
// the object deletes itself when the last reference goes.
template <typename Interface>
class ComObject : public Interface {
  public:
    explicit ComObject(REFIID riid) : m_iid(riid) {}
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != m_iid) return E_NOINTERFACE;
        *ppv = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++m_nRefs); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG nLeft = --m_nRefs;
        if (nLeft == 0) delete this;
        return static_cast<ULONG>(nLeft);
    }

  protected:
    virtual ~ComObject() = default;

  private:
    const IID m_iid;
    LONG m_nRefs = 1;
};

}  // namespace qv::scripthost
