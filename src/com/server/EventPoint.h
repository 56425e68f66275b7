#pragma once

#include <ocidl.h>

#include <vector>

#include "dispatch/ColorListBoxDispatch.h"

namespace qv::com {

// The connection point of the control's event interface. Its lifetime is the control's:
// references go to the owner. Every connected sink receives each event synchronously
// through IDispatch::Invoke with by-reference arguments, and what a sink stores into them
// goes back to the control.
class EventPoint : public IConnectionPoint {
  public:
    EventPoint(IConnectionPointContainer& owner, const IID& iidEvents)
        : m_owner(owner), m_iidEvents(iidEvents) {}
    ~EventPoint();
    EventPoint(const EventPoint&) = delete;
    EventPoint& operator=(const EventPoint&) = delete;

    // Hands an event on to the connected sinks.
    void Fire(const EventInfo& event, std::vector<Variant>& args);
    bool HasSinks() const { return !m_sinks.empty(); }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return m_owner.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_owner.Release(); }

    STDMETHODIMP GetConnectionInterface(IID* pIID) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
    STDMETHODIMP Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
    STDMETHODIMP Unadvise(DWORD dwCookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** ppEnum) override;

  private:
    struct Sink {
        DWORD dwCookie;
        IDispatch* pDispatch;
    };

    IConnectionPointContainer& m_owner;
    IID m_iidEvents;
    std::vector<Sink> m_sinks;
    DWORD m_dwNextCookie = 1;
};

}  // namespace qv::com
