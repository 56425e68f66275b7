#include "ScriptEventSink.h"

#include <cstdio>

#include "HostOutput.h"

namespace qv::scripthost {

ScriptEventSink::ScriptEventSink(IDispatch* pScript, std::wstring sPrefix,
                                 std::map<::DISPID, std::wstring> eventNames, REFIID sourceIid,
                                 HostState& state)
    : ComObject<IDispatch>(IID_IDispatch),
      m_pScript(pScript),
      m_sPrefix(std::move(sPrefix)),
      m_eventNames(std::move(eventNames)),
      m_sourceIid(sourceIid),
      m_state(state) {
    m_pScript->AddRef();
}

ScriptEventSink::~ScriptEventSink() {
    m_pScript->Release();
}

// The connection point may ask for its own interface before it connects a sink.
STDMETHODIMP ScriptEventSink::QueryInterface(REFIID riid, void** ppv) {
    if (riid == m_sourceIid) return ComObject<IDispatch>::QueryInterface(IID_IDispatch, ppv);
    return ComObject<IDispatch>::QueryInterface(riid, ppv);
}

STDMETHODIMP ScriptEventSink::GetTypeInfoCount(UINT* pnCount) {
    *pnCount = 0;
    return S_OK;
}

STDMETHODIMP ScriptEventSink::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

STDMETHODIMP ScriptEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, ::DISPID*) {
    return E_NOTIMPL;
}

STDMETHODIMP ScriptEventSink::Invoke(::DISPID nEvent, REFIID, LCID nLocale, WORD,
                                     DISPPARAMS* pParams, VARIANT* pResult, EXCEPINFO*, UINT*) {
    const auto event = m_eventNames.find(nEvent);
    if (event == m_eventNames.end() || m_state.bQuit) return S_OK;
    std::wstring sSub = m_sPrefix + event->second;
    LPOLESTR pName = sSub.data();
    ::DISPID nSub = DISPID_UNKNOWN;
    if (FAILED(m_pScript->GetIDsOfNames(IID_NULL, &pName, 1, nLocale, &nSub))) return S_OK;
    EXCEPINFO error{};
    UINT nBadArgument = 0;
    const int nErrorsBefore = m_state.nErrors;
    const HRESULT hr = m_pScript->Invoke(nSub, IID_NULL, nLocale, DISPATCH_METHOD, pParams, pResult,
                                         &error, &nBadArgument);
    // The engine may have told the site already.
    if (FAILED(hr) && !m_state.bQuit && m_state.nErrors == nErrorsBefore)
        ReportFailure(sSub, hr, error);
    ::SysFreeString(error.bstrSource);
    ::SysFreeString(error.bstrDescription);
    ::SysFreeString(error.bstrHelpFile);
    return hr;
}

void ScriptEventSink::ReportFailure(const std::wstring& sSub, HRESULT hr,
                                    const EXCEPINFO& error) const {
    EXCEPINFO filled = error;
    if (filled.pfnDeferredFillIn) filled.pfnDeferredFillIn(&filled);
    const HRESULT nCode = filled.scode ? filled.scode : hr;
    wchar_t sCode[16];
    std::swprintf(sCode, 16, L"%08lX", static_cast<unsigned long>(nCode));
    WriteErrorLine(L"error in Sub " + sSub + L": " + sCode + L" " +
                   (filled.bstrDescription ? filled.bstrDescription : L""));
    ++m_state.nErrors;
}

}  // namespace qv::scripthost
