#pragma once

#include <oaidl.h>

#include <functional>
#include <string>

namespace qv::container {

// The container's sink for a control's events: each event becomes one transcript line
// "NAME.EVENT ARGS", with the event's name from the control's own type information.
class EventPrinter final : public IDispatch {
  public:
    using LineWriter = std::function<void(const std::string&)>;

    EventPrinter(std::string sControlName, ITypeInfo* pEvents, LineWriter fnWrite);
    ~EventPrinter();
    EventPrinter(const EventPrinter&) = delete;
    EventPrinter& operator=(const EventPrinter&) = delete;

    LONG References() const { return m_nRefs; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++m_nRefs); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--m_nRefs); }
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* pDispParams, VARIANT*,
                        EXCEPINFO*, UINT*) override;

    IID EventInterface() const;

  private:
    std::string m_sName;
    ITypeInfo* m_pEvents;
    LineWriter m_fnWrite;
    LONG m_nRefs = 0;
};

}  // namespace qv::container
