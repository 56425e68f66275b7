#pragma once

#include <activscp.h>

#include <string>

#include "ComObject.h"
#include "EventConnections.h"
#include "HostState.h"

namespace qv::scripthost {

// The script's WScript object: Echo, Quit, CreateObject and ConnectObject, as the
// system's script host offers them.
class WScriptObject : public ComObject<IDispatch> {
  public:
    WScriptObject(IActiveScript& engine, EventConnections& connections, HostState& state);

    STDMETHODIMP GetTypeInfoCount(UINT* pnCount) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* pNames, UINT nNames, LCID,
                               ::DISPID* pIds) override;
    STDMETHODIMP Invoke(::DISPID nMember, REFIID, LCID, WORD, DISPPARAMS* pParams, VARIANT* pResult,
                        EXCEPINFO*, UINT*) override;

  private:
    HRESULT Echo(const DISPPARAMS& params);
    HRESULT Quit(const DISPPARAMS& params);
    HRESULT CreateObject(const DISPPARAMS& params, VARIANT* pResult);
    HRESULT ConnectObject(const DISPPARAMS& params);
    HRESULT Connect(IUnknown* pObject, VARIANT& prefix);

    IActiveScript& m_engine;
    EventConnections& m_connections;
    HostState& m_state;
};

}  // namespace qv::scripthost
