#pragma once

#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

namespace qv::com::test {

// A container's property notify sink: it records "changed N" and "request N" for every
// notice, and lets a test act on a change while it is told of it.
class PropertyNoticeSink : public IPropertyNotifySink {
  public:
    std::vector<std::string> received;
    std::function<void(::DISPID)> onChanged;
    LONG nRefs = 1;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IPropertyNotifySink) return E_NOINTERFACE;
        *ppv = static_cast<IPropertyNotifySink*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++nRefs); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--nRefs); }
    STDMETHODIMP OnChanged(::DISPID dispId) override {
        received.push_back("changed " + std::to_string(dispId));
        if (onChanged) onChanged(dispId);
        return S_OK;
    }
    STDMETHODIMP OnRequestEdit(::DISPID dispId) override {
        received.push_back("request " + std::to_string(dispId));
        return S_OK;
    }
};

// The notice a change of the member with this identifier gives.
inline std::string Changed(::DISPID dispId) {
    return "changed " + std::to_string(dispId);
}

}  // namespace qv::com::test
