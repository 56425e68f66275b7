#pragma once

#include <activscp.h>

#include <string>

#include "ComObject.h"
#include "HostState.h"

namespace qv::scripthost {

// The engine's site: it names the WScript item and reports script errors with their
// position in the file.
class ScriptSite : public ComObject<IActiveScriptSite> {
  public:
    ScriptSite(std::wstring sScriptName, IDispatch& wscript, HostState& state);

    STDMETHODIMP GetLCID(LCID*) override;
    STDMETHODIMP GetItemInfo(LPCOLESTR sName, DWORD nMask, IUnknown** ppItem,
                             ITypeInfo** ppType) override;
    STDMETHODIMP GetDocVersionString(BSTR*) override;
    STDMETHODIMP OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override;
    STDMETHODIMP OnStateChange(SCRIPTSTATE) override;
    STDMETHODIMP OnScriptError(IActiveScriptError* pError) override;
    STDMETHODIMP OnEnterScript() override;
    STDMETHODIMP OnLeaveScript() override;

  private:
    ~ScriptSite() override;

    std::wstring m_sScriptName;
    IDispatch& m_wscript;
    HostState& m_state;
};

}  // namespace qv::scripthost
