#pragma once

#include <ocidl.h>

#include <vector>

namespace qv::com {

// One outgoing interface of the control: the sinks connected to it, each held as the
// interface the point serves (queried from what the client passed to Advise). Its lifetime
// is the control's: references go to the owner.
class ConnectionPoint : public IConnectionPoint {
  public:
    // A sink that has not the point's interface may still be taken through iidFallback
    // (IID_NULL: no fallback).
    ConnectionPoint(IConnectionPointContainer& owner, const IID& iid, const IID& iidFallback)
        : m_owner(owner), m_iid(iid), m_iidFallback(iidFallback) {}
    virtual ~ConnectionPoint();
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    bool HasSinks() const { return !m_sinks.empty(); }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return m_owner.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_owner.Release(); }

    STDMETHODIMP GetConnectionInterface(IID* pIID) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
    STDMETHODIMP Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
    STDMETHODIMP Unadvise(DWORD dwCookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** ppEnum) override;

  protected:
    // Calls each sink connected now, as TSink (the interface the point serves or its
    // fallback, both reached through IUnknown). A sink may unadvise itself or another while
    // it is called: every sink of the call stays alive until the end of it.
    template <typename TSink, typename TCall>
    void ForEachSink(TCall&& call) {
        std::vector<IUnknown*> snapshot;
        snapshot.reserve(m_sinks.size());
        for (const Sink& sink : m_sinks) {
            sink.pUnknown->AddRef();
            snapshot.push_back(sink.pUnknown);
        }
        for (IUnknown* pSink : snapshot) call(*static_cast<TSink*>(pSink));
        for (IUnknown* pSink : snapshot) pSink->Release();
    }

  private:
    struct Sink {
        DWORD dwCookie;
        IUnknown* pUnknown;  // the point's interface (or the fallback) of the client's sink
    };

    IConnectionPointContainer& m_owner;
    IID m_iid;
    IID m_iidFallback;
    std::vector<Sink> m_sinks;
    DWORD m_dwNextCookie = 1;
};

}  // namespace qv::com
