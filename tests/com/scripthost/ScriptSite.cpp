#include "ScriptSite.h"

#include <cstdio>

#include "HostOutput.h"

namespace qv::scripthost {

ScriptSite::ScriptSite(std::wstring sScriptName, IDispatch& wscript, HostState& state)
    : ComObject<IActiveScriptSite>(IID_IActiveScriptSite),
      m_sScriptName(std::move(sScriptName)),
      m_wscript(wscript),
      m_state(state) {
    m_wscript.AddRef();
}

ScriptSite::~ScriptSite() {
    m_wscript.Release();
}

STDMETHODIMP ScriptSite::GetLCID(LCID*) {
    return E_NOTIMPL;
}

STDMETHODIMP ScriptSite::GetItemInfo(LPCOLESTR sName, DWORD nMask, IUnknown** ppItem,
                                     ITypeInfo** ppType) {
    if (ppItem) *ppItem = nullptr;
    if (ppType) *ppType = nullptr;
    if (::lstrcmpiW(sName, L"WScript") != 0) return TYPE_E_ELEMENTNOTFOUND;
    if (!(nMask & SCRIPTINFO_IUNKNOWN)) return E_NOTIMPL;  // it has no type information
    m_wscript.AddRef();
    *ppItem = &m_wscript;
    return S_OK;
}

STDMETHODIMP ScriptSite::GetDocVersionString(BSTR*) {
    return E_NOTIMPL;
}

STDMETHODIMP ScriptSite::OnScriptTerminate(const VARIANT*, const EXCEPINFO*) {
    return S_OK;
}

STDMETHODIMP ScriptSite::OnStateChange(SCRIPTSTATE) {
    return S_OK;
}

// "file(line, column) error CODE: description"; the failure WScript.Quit uses to stop
// the script is not an error.
STDMETHODIMP ScriptSite::OnScriptError(IActiveScriptError* pError) {
    if (m_state.bQuit) return S_OK;
    EXCEPINFO error{};
    DWORD nContext = 0;
    ULONG nLine = 0;
    LONG nColumn = 0;
    pError->GetExceptionInfo(&error);
    if (error.pfnDeferredFillIn) error.pfnDeferredFillIn(&error);
    pError->GetSourcePosition(&nContext, &nLine, &nColumn);
    wchar_t sPosition[64];
    std::swprintf(sPosition, 64, L"(%lu, %ld) error %08lX: ", nLine + 1, nColumn + 1,
                  static_cast<unsigned long>(error.scode));
    WriteErrorLine(m_sScriptName + sPosition +
                   (error.bstrDescription ? error.bstrDescription : L"(no description)"));
    ::SysFreeString(error.bstrSource);
    ::SysFreeString(error.bstrDescription);
    ::SysFreeString(error.bstrHelpFile);
    ++m_state.nErrors;
    return S_OK;
}

STDMETHODIMP ScriptSite::OnEnterScript() {
    return S_OK;
}

STDMETHODIMP ScriptSite::OnLeaveScript() {
    return S_OK;
}

}  // namespace qv::scripthost
