#include "ScriptEngine.h"

namespace qv::scripthost {

HRESULT CreateVBScriptEngine(com::test::ComRef<IActiveScript>& engine,
                             com::test::ComRef<IActiveScriptParse>& parse) {
    CLSID clsid{};
    HRESULT hr = ::CLSIDFromProgID(L"VBScript", &clsid);
    if (SUCCEEDED(hr))
        hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveScript,
                                engine.OutVoid());
    if (SUCCEEDED(hr)) hr = engine->QueryInterface(IID_IActiveScriptParse, parse.OutVoid());
    if (SUCCEEDED(hr)) hr = parse->InitNew();
    return hr;
}

}  // namespace qv::scripthost
