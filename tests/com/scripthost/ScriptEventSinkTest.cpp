// The script host hands each event to the script's Sub named prefix + event with the
// raiser's own arguments: what the Sub stores into a by-reference argument goes back to
// the control's connection point, an event without a Sub is ignored, and an error in a
// Sub is reported as a script error.
#include "com/server/EventPoint.h"  // first: the control's headers precede the system's

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "../ComTestSupport.h"
#include "../CountingContainer.h"
#include "ScriptEngine.h"
#include "ScriptEventSink.h"
#include "ScriptSite.h"
#include "WScriptObject.h"

namespace qv::scripthost {
namespace {

using com::test::ComRef;
using com::test::CountingContainer;

const IID kEvents = {0xAB31A743, 0x66A6, 0x4B28, {0x9E, 0x50, 0xCC, 0xDF, 0xA1, 0xC8, 0x8A, 0xD6}};

std::map<::DISPID, std::wstring> EventNames() {
    std::map<::DISPID, std::wstring> names;
    for (const EventInfo& event : ColorListBoxEventInfo())
        names[event.nDispId] = std::wstring(event.sName.begin(), event.sName.end());
    return names;
}

// A script engine with the given text running, its Subs connected under the prefix
// "List_" to a connection point of the control's event interface.
class ConnectedScript {
  public:
    explicit ConnectedScript(const wchar_t* sScript) {
        if (FAILED(CreateVBScriptEngine(m_engine, m_parse))) return;
        ComRef<IDispatch> wscript(new WScriptObject(*m_engine.Get(), m_connections, state));
        ComRef<IActiveScriptSite> site(new ScriptSite(L"test.vbs", *wscript.Get(), state));
        ComRef<IDispatch> script;
        if (FAILED(m_engine->SetScriptSite(site.Get())) ||
            FAILED(m_engine->AddNamedItem(L"WScript", SCRIPTITEM_ISVISIBLE)) ||
            FAILED(m_parse->ParseScriptText(sScript, nullptr, nullptr, nullptr, 0, 0,
                                            SCRIPTTEXT_ISVISIBLE, nullptr, nullptr)) ||
            FAILED(m_engine->SetScriptState(SCRIPTSTATE_CONNECTED)) ||
            FAILED(m_engine->GetScriptDispatch(nullptr, script.Out())))
            return;
        ComRef<IDispatch> sink(
            new ScriptEventSink(script.Get(), L"List_", EventNames(), kEvents, state));
        bConnected = SUCCEEDED(point.Advise(sink.Get(), &m_nCookie));
    }
    ~ConnectedScript() {
        if (bConnected) point.Unadvise(m_nCookie);
        if (m_engine.Get()) m_engine->Close();
    }

    HostState state;
    CountingContainer container;
    com::EventPoint point{container, kEvents};
    bool bConnected = false;

  private:
    EventConnections m_connections{state};
    ComRef<IActiveScript> m_engine;
    ComRef<IActiveScriptParse> m_parse;
    DWORD m_nCookie = 0;
};

struct EventCase {
    const char* sWhat;
    const wchar_t* sScript;
    ::DISPID nEvent;
    std::vector<Long> argsIn;
    std::vector<Long> argsOut;
    int nErrors;
};

const EventCase kCases[] = {
    {"a key swallowed by its handler",
     L"Sub List_KeyDown(KeyCode, Shift)\nKeyCode = 0\nEnd Sub\n",
     6,
     {65, 2},
     {0, 2},
     0},
    {"an item index changed by its handler",
     L"Sub List_ItemCheck(nItemIndex)\nnItemIndex = nItemIndex + 1\nEnd Sub\n",
     8,
     {7},
     {8},
     0},
    {"both mouse coordinates written",
     L"Sub List_MouseUp(Button, Shift, X, Y)\nX = Y * 2 : Y = Button\nEnd Sub\n",
     4,
     {1, 0, 10, 20},
     {1, 0, 40, 1},
     0},
    {"no Sub for the event",
     L"Sub List_KeyDown(KeyCode, Shift)\nKeyCode = 0\nEnd Sub\n",
     7,
     {65, 2},
     {65, 2},
     0},
    {"a Sub of another prefix",
     L"Sub Other_KeyPress(KeyAscii)\nKeyAscii = 0\nEnd Sub\n",
     5,
     {97},
     {97},
     0},
    {"an error in the Sub",
     L"Sub List_KeyPress(KeyAscii)\nKeyAscii = 0\nErr.Raise 5\nEnd Sub\n",
     5,
     {97},
     {97},
     1},
    {"a Sub with too few parameters",
     L"Sub List_KeyUp(KeyCode)\nKeyCode = 0\nEnd Sub\n",
     7,
     {65, 2},
     {65, 2},
     1},
};

TEST(ScriptEventSinkTest, ArgumentsGoToTheSubAndBack) {
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));  // the engine is a COM class
    for (const EventCase& c : kCases) {
        SCOPED_TRACE(c.sWhat);
        ConnectedScript script(c.sScript);
        ASSERT_TRUE(script.bConnected);
        const EventInfo& event = ColorListBoxEventInfo().at(static_cast<size_t>(c.nEvent - 1));
        std::vector<Variant> args;
        for (size_t i = 0; i < c.argsIn.size(); ++i) {
            if (event.params[i].eType == ParamType::Long)
                args.emplace_back(c.argsIn[i]);
            else if (event.params[i].eType == ParamType::Single)
                args.emplace_back(static_cast<float>(c.argsIn[i]));
            else
                args.emplace_back(static_cast<Integer>(c.argsIn[i]));
        }
        script.point.Fire(event, args);
        std::vector<Long> argsOut;
        for (const Variant& arg : args) argsOut.push_back(CLng(arg));
        EXPECT_EQ(argsOut, c.argsOut);
        EXPECT_EQ(script.state.nErrors, c.nErrors);
    }
    ::CoUninitialize();
}

}  // namespace
}  // namespace qv::scripthost
