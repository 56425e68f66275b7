#include "com/server/ConnectionPoint.h"

#include <olectl.h>

namespace qv::com {

ConnectionPoint::~ConnectionPoint() {
    for (Sink& sink : m_sinks) sink.pUnknown->Release();
}

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IConnectionPoint) {
        *ppv = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* pIID) {
    if (!pIID) return E_POINTER;
    *pIID = m_iid;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) {
    if (!ppCPC) return E_POINTER;
    *ppCPC = &m_owner;
    m_owner.AddRef();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
    if (!pdwCookie) return E_POINTER;
    *pdwCookie = 0;
    if (!pUnkSink) return E_POINTER;
    IUnknown* pSink = nullptr;
    if (FAILED(pUnkSink->QueryInterface(m_iid, reinterpret_cast<void**>(&pSink))) &&
        (m_iidFallback == IID_NULL ||
         FAILED(pUnkSink->QueryInterface(m_iidFallback, reinterpret_cast<void**>(&pSink)))))
        return CONNECT_E_CANNOTCONNECT;
    m_sinks.push_back({m_dwNextCookie, pSink});
    *pdwCookie = m_dwNextCookie++;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD dwCookie) {
    for (auto it = m_sinks.begin(); it != m_sinks.end(); ++it) {
        if (it->dwCookie != dwCookie) continue;
        IUnknown* pSink = it->pUnknown;
        m_sinks.erase(it);
        pSink->Release();
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

// Enumerating the connections is optional for a connection point.
STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** ppEnum) {
    if (ppEnum) *ppEnum = nullptr;
    return E_NOTIMPL;
}

}  // namespace qv::com
