#include "ScriptRunner.h"

#include <activscp.h>

#include <cstdio>

#include "../ComTestSupport.h"
#include "EventConnections.h"
#include "HostOutput.h"
#include "ScriptEngine.h"
#include "ScriptSite.h"
#include "WScriptObject.h"

namespace qv::scripthost {

using com::test::ComRef;

namespace {

// A failure the engine returned without telling the site (which prints errors itself).
void ReportUnexplained(const wchar_t* sStep, HRESULT hr, HostState& state) {
    if (SUCCEEDED(hr) || state.bQuit || state.nErrors > 0) return;
    wchar_t sLine[96];
    std::swprintf(sLine, 96, L"the script engine failed (%ls): %08lX", sStep,
                  static_cast<unsigned long>(hr));
    WriteErrorLine(sLine);
    ++state.nErrors;
}

void Execute(IActiveScript& engine, IActiveScriptParse& parse, const std::wstring& sText,
             HostState& state) {
    EXCEPINFO error{};
    HRESULT hr = parse.ParseScriptText(sText.c_str(), nullptr, nullptr, nullptr, 0, 0,
                                       SCRIPTTEXT_ISVISIBLE, nullptr, &error);
    ReportUnexplained(L"parse", hr, state);
    if (FAILED(hr) || state.nErrors > 0 || state.bQuit) return;
    hr = engine.SetScriptState(SCRIPTSTATE_CONNECTED);
    ReportUnexplained(L"run", hr, state);
}

}  // namespace

int RunScript(const std::wstring& sScriptName, const std::wstring& sText) {
    HostState state;
    ComRef<IActiveScript> engine;
    ComRef<IActiveScriptParse> parse;
    HRESULT hr = CreateVBScriptEngine(engine, parse);
    if (FAILED(hr)) {
        ReportUnexplained(L"start", hr, state);
        return state.ExitCode();
    }
    EventConnections connections(state);
    ComRef<IDispatch> wscript(new WScriptObject(*engine.Get(), connections, state));
    ComRef<IActiveScriptSite> site(new ScriptSite(sScriptName, *wscript.Get(), state));
    hr = engine->SetScriptSite(site.Get());
    if (SUCCEEDED(hr)) hr = engine->AddNamedItem(L"WScript", SCRIPTITEM_ISVISIBLE);
    ReportUnexplained(L"site", hr, state);
    if (SUCCEEDED(hr)) Execute(*engine.Get(), *parse.Get(), sText, state);
    connections.DisconnectAll();
    engine->Close();
    return state.ExitCode();
}

}  // namespace qv::scripthost
