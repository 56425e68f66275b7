#include "EventConnections.h"

#include "../ComTestSupport.h"
#include "ScriptEventSink.h"
#include "SourceInterface.h"

namespace qv::scripthost {

using com::test::ComRef;

HRESULT EventConnections::Connect(IUnknown* pObject, const std::wstring& sPrefix,
                                  IDispatch* pScript) {
    SourceInterface source;
    HRESULT hr = FindSourceInterface(pObject, source);
    if (FAILED(hr)) return hr;
    ComRef<IConnectionPointContainer> container;
    ComRef<IConnectionPoint> point;
    hr = pObject->QueryInterface(IID_IConnectionPointContainer, container.OutVoid());
    if (SUCCEEDED(hr)) hr = container->FindConnectionPoint(source.iid, point.Out());
    if (FAILED(hr)) return hr;
    auto* pSink =
        new ScriptEventSink(pScript, sPrefix, std::move(source.eventNames), source.iid, m_state);
    DWORD nCookie = 0;
    hr = point->Advise(pSink, &nCookie);
    pSink->Release();
    if (FAILED(hr)) return hr;
    point->AddRef();
    m_connections.push_back({point.Get(), nCookie});
    return S_OK;
}

void EventConnections::DisconnectAll() {
    for (const Connection& connection : m_connections) {
        connection.pPoint->Unadvise(connection.nCookie);
        connection.pPoint->Release();
    }
    m_connections.clear();
}

}  // namespace qv::scripthost
