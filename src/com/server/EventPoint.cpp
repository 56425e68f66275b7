#include "com/server/EventPoint.h"

#include <olectl.h>

#include "com/server/VariantBridge.h"
#include "platform/HostError.h"

namespace qv::com {

namespace {

// The arguments as by-reference VARIANTs, last first as IDispatch::Invoke takes them.
struct EventArguments {
    explicit EventArguments(const std::vector<Variant>& args)
        : values(args.size()), refs(args.size()) {
        for (size_t i = 0; i < args.size(); ++i) {
            const size_t nSlot = args.size() - 1 - i;
            ToVariant(args[i], values[nSlot]);
            ::VariantInit(&refs[nSlot]);
            V_VT(&refs[nSlot]) = VT_BYREF | VT_VARIANT;
            V_VARIANTREF(&refs[nSlot]) = &values[nSlot];
        }
    }
    ~EventArguments() {
        for (VARIANT& value : values) ::VariantClear(&value);
    }
    EventArguments(const EventArguments&) = delete;
    EventArguments& operator=(const EventArguments&) = delete;

    // What the sink left in the arguments; a value that no longer converts stays as it was.
    void ReadBack(std::vector<Variant>& args) const {
        for (size_t i = 0; i < args.size(); ++i) {
            try {
                args[i] = FromVariant(values[args.size() - 1 - i]);
            } catch (const HostError&) {
            }
        }
    }

    std::vector<VARIANT> values;
    std::vector<VARIANT> refs;
};

}  // namespace

EventPoint::~EventPoint() {
    for (Sink& sink : m_sinks) sink.pDispatch->Release();
}

void EventPoint::Fire(const EventInfo& event, std::vector<Variant>& args) {
    // A sink may unadvise (itself or another) while it handles the event.
    std::vector<Sink> snapshot = m_sinks;
    for (Sink& sink : snapshot) sink.pDispatch->AddRef();
    for (Sink& sink : snapshot) {
        EventArguments arguments(args);
        DISPPARAMS params{arguments.refs.data(), nullptr, static_cast<UINT>(args.size()), 0};
        const HRESULT hr =
            sink.pDispatch->Invoke(event.nDispId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                   &params, nullptr, nullptr, nullptr);
        if (SUCCEEDED(hr)) arguments.ReadBack(args);
    }
    for (Sink& sink : snapshot) sink.pDispatch->Release();
}

STDMETHODIMP EventPoint::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IConnectionPoint) {
        *ppv = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP EventPoint::GetConnectionInterface(IID* pIID) {
    if (!pIID) return E_POINTER;
    *pIID = m_iidEvents;
    return S_OK;
}

STDMETHODIMP EventPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) {
    if (!ppCPC) return E_POINTER;
    *ppCPC = &m_owner;
    m_owner.AddRef();
    return S_OK;
}

// A sink implements the event interface itself or, as script hosts do, IDispatch only.
STDMETHODIMP EventPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
    if (!pdwCookie) return E_POINTER;
    *pdwCookie = 0;
    if (!pUnkSink) return E_POINTER;
    IDispatch* pDispatch = nullptr;
    if (FAILED(pUnkSink->QueryInterface(m_iidEvents, reinterpret_cast<void**>(&pDispatch))) &&
        FAILED(pUnkSink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&pDispatch))))
        return CONNECT_E_CANNOTCONNECT;
    m_sinks.push_back({m_dwNextCookie, pDispatch});
    *pdwCookie = m_dwNextCookie++;
    return S_OK;
}

STDMETHODIMP EventPoint::Unadvise(DWORD dwCookie) {
    for (auto it = m_sinks.begin(); it != m_sinks.end(); ++it) {
        if (it->dwCookie != dwCookie) continue;
        IDispatch* pDispatch = it->pDispatch;
        m_sinks.erase(it);
        pDispatch->Release();
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

// Enumerating the connections is optional for a connection point.
STDMETHODIMP EventPoint::EnumConnections(IEnumConnections** ppEnum) {
    if (ppEnum) *ppEnum = nullptr;
    return E_NOTIMPL;
}

}  // namespace qv::com
