#pragma once

#include <oaidl.h>

#include <functional>
#include <vector>

namespace qv::com::test {

// A client's event sink: it records the dispatch identifier of every event it receives,
// and lets a test act on the arguments (by-reference VARIANTs, last first).
class RecordingSink : public IDispatch {
  public:
    using Handler = std::function<void(::DISPID, DISPPARAMS&)>;

    std::vector<::DISPID> received;
    Handler onEvent;
    LONG nRefs = 1;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IDispatch) return E_NOINTERFACE;
        *ppv = this;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++nRefs); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--nRefs); }
    STDMETHODIMP GetTypeInfoCount(UINT* pc) override {
        *pc = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, ::DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(::DISPID dispId, REFIID, LCID, WORD, DISPPARAMS* pParams, VARIANT*,
                        EXCEPINFO*, UINT*) override {
        received.push_back(dispId);
        if (onEvent) onEvent(dispId, *pParams);
        return S_OK;
    }
};

}  // namespace qv::com::test
