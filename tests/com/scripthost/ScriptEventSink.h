#pragma once

#include <oaidl.h>

#include <map>
#include <string>

#include "ComObject.h"
#include "HostState.h"

namespace qv::scripthost {

// An object's events as calls of the script's Subs named prefix + event name. The
// arguments go to the Sub as the object passed them, so what the Sub stores into a
// by-reference argument reaches the object. An event without a Sub is ignored.
class ScriptEventSink : public ComObject<IDispatch> {
  public:
    ScriptEventSink(IDispatch* pScript, std::wstring sPrefix,
                    std::map<::DISPID, std::wstring> eventNames, REFIID sourceIid,
                    HostState& state);

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP GetTypeInfoCount(UINT* pnCount) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, ::DISPID*) override;
    STDMETHODIMP Invoke(::DISPID nEvent, REFIID, LCID nLocale, WORD, DISPPARAMS* pParams,
                        VARIANT* pResult, EXCEPINFO*, UINT*) override;

  private:
    ~ScriptEventSink() override;
    void ReportFailure(const std::wstring& sSub, HRESULT hr, const EXCEPINFO& error) const;

    IDispatch* m_pScript;
    std::wstring m_sPrefix;
    std::map<::DISPID, std::wstring> m_eventNames;
    IID m_sourceIid;
    HostState& m_state;
};

}  // namespace qv::scripthost
