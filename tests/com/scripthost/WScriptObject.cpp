#include "WScriptObject.h"

#include <array>

#include "../ComTestSupport.h"
#include "HostOutput.h"
#include "VariantArguments.h"

namespace qv::scripthost {

using com::test::ComRef;

namespace {

enum Member : ::DISPID { kEcho = 1, kQuit, kCreateObject, kConnectObject };

struct MemberName {
    const wchar_t* sName;
    ::DISPID nId;
};
constexpr std::array<MemberName, 4> kMembers = {{{L"Echo", kEcho},
                                                 {L"Quit", kQuit},
                                                 {L"CreateObject", kCreateObject},
                                                 {L"ConnectObject", kConnectObject}}};

}  // namespace

WScriptObject::WScriptObject(IActiveScript& engine, EventConnections& connections, HostState& state)
    : ComObject<IDispatch>(IID_IDispatch),
      m_engine(engine),
      m_connections(connections),
      m_state(state) {}

STDMETHODIMP WScriptObject::GetTypeInfoCount(UINT* pnCount) {
    *pnCount = 0;
    return S_OK;
}

STDMETHODIMP WScriptObject::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

STDMETHODIMP WScriptObject::GetIDsOfNames(REFIID, LPOLESTR* pNames, UINT nNames, LCID,
                                          ::DISPID* pIds) {
    for (UINT i = 0; i < nNames; ++i) pIds[i] = DISPID_UNKNOWN;
    for (const MemberName& member : kMembers) {
        if (nNames > 0 && ::lstrcmpiW(pNames[0], member.sName) == 0) {
            pIds[0] = member.nId;
            return nNames == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

// After Quit every call fails, so that nothing of the script runs on.
STDMETHODIMP WScriptObject::Invoke(::DISPID nMember, REFIID, LCID, WORD, DISPPARAMS* pParams,
                                   VARIANT* pResult, EXCEPINFO*, UINT*) {
    if (m_state.bQuit) return kQuitRequested;
    switch (nMember) {
        case kEcho:
            return Echo(*pParams);
        case kQuit:
            return Quit(*pParams);
        case kCreateObject:
            return CreateObject(*pParams, pResult);
        case kConnectObject:
            return ConnectObject(*pParams);
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

// The arguments' texts separated by spaces, as one line.
HRESULT WScriptObject::Echo(const DISPPARAMS& params) {
    std::wstring sLine;
    for (UINT i = 0; i < params.cArgs; ++i) {
        std::wstring sText;
        const HRESULT hr = ArgumentText(params, i, sText);
        if (FAILED(hr)) return hr;
        sLine += (i ? L" " : L"") + sText;
    }
    WriteOutputLine(sLine);
    return S_OK;
}

HRESULT WScriptObject::Quit(const DISPPARAMS& params) {
    LONG nCode = 0;
    if (params.cArgs > 1) return DISP_E_BADPARAMCOUNT;
    if (params.cArgs == 1) {
        const HRESULT hr = ArgumentLong(params, 0, nCode);
        if (FAILED(hr)) return hr;
    }
    m_state.bQuit = true;
    m_state.nQuitCode = static_cast<int>(nCode);
    return kQuitRequested;
}

// CreateObject(progid[, prefix]): the object, connected to the script's Subs when a
// prefix is given.
HRESULT WScriptObject::CreateObject(const DISPPARAMS& params, VARIANT* pResult) {
    if (params.cArgs < 1 || params.cArgs > 2) return DISP_E_BADPARAMCOUNT;
    std::wstring sProgId;
    CLSID clsid{};
    ComRef<IDispatch> object;
    HRESULT hr = ArgumentText(params, 0, sProgId);
    if (SUCCEEDED(hr)) hr = ::CLSIDFromProgID(sProgId.c_str(), &clsid);
    if (SUCCEEDED(hr))
        hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IDispatch, object.OutVoid());
    if (SUCCEEDED(hr) && params.cArgs == 2) hr = Connect(object.Get(), Argument(params, 1));
    if (FAILED(hr)) return hr;
    if (pResult) {
        V_VT(pResult) = VT_DISPATCH;
        V_DISPATCH(pResult) = object.Get();
        object.Get()->AddRef();
    }
    return S_OK;
}

// ConnectObject(object, prefix).
HRESULT WScriptObject::ConnectObject(const DISPPARAMS& params) {
    if (params.cArgs != 2) return DISP_E_BADPARAMCOUNT;
    ComRef<IUnknown> object;
    const HRESULT hr = ArgumentObject(params, 0, object);
    if (FAILED(hr)) return hr;
    return Connect(object.Get(), Argument(params, 1));
}

HRESULT WScriptObject::Connect(IUnknown* pObject, VARIANT& prefix) {
    std::wstring sPrefix;
    ComRef<IDispatch> script;
    HRESULT hr = VariantText(prefix, sPrefix);
    if (SUCCEEDED(hr)) hr = m_engine.GetScriptDispatch(nullptr, script.Out());
    if (FAILED(hr)) return hr;
    return m_connections.Connect(pObject, sPrefix, script.Get());
}

}  // namespace qv::scripthost
