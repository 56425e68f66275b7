// What a listener hooked with SetWinEventHook hears while the list is clicked, typed into,
// edited and acted on, and how the served list lives with its window.
#include "AccessibleListFixture.h"

namespace qv {

TEST_F(AccessibilityTest, ClickingARowIsHeardAsSelectionAndFocus) {
    Fill(5);
    ClickRow(2);
    EXPECT_EQ(g_heard, (Lines{"focus 3", "selection 3"}));
}

struct EventCase {
    const char* pszName;
    Long nStyle;
    Long nMultiSelect;
    Long nMaxCheck;
    std::vector<Step> steps;
    Lines heard;
};

TEST_F(AccessibilityTest, EventsInOrderInEachSelectionModeAndInCheckStyle) {
    using enum Step::Kind;
    const EventCase cases[] = {
        {"single: click, click",
         lsNormal,
         msSingle,
         0,
         {{ClickRow, 1}, {ClickRow, 3}},
         {"focus 2", "selection 2", "focus 4", "selectionremove 2", "selection 4"}},
        {"single: a key moves the selection up",
         lsNormal,
         msSingle,
         0,
         {{ClickRow, 3}, {Key, VK_UP}},
         {"focus 4", "selection 4", "focus 3", "selection 3", "selectionremove 4"}},
        {"multi: clicks toggle",
         lsNormal,
         msMulti,
         0,
         {{ClickRow, 1}, {ClickRow, 3}, {ClickRow, 1}},
         {"focus 2", "selectionadd 2", "focus 4", "selectionadd 4", "focus 2",
          "selectionremove 2"}},
        {"extended: a Shift range, then a shorter one",
         lsNormal,
         msExtend,
         0,
         {{ClickRow, 1}, {ClickRow, 3, MK_SHIFT}, {ClickRow, 2, MK_SHIFT}},
         {"focus 2", "selectionadd 2", "focus 4", "selectionadd 3", "selectionadd 4", "focus 3",
          "selectionremove 4"}},
        {"extended: Ctrl adds, a plain click leaves one",
         lsNormal,
         msExtend,
         0,
         {{ClickRow, 1}, {ClickRow, 4, MK_CONTROL}, {ClickRow, 2}},
         {"focus 2", "selectionadd 2", "focus 5", "selectionadd 5", "focus 3", "selectionremove 2",
          "selectionadd 3", "selectionremove 5"}},
        {"check: Space toggles, a click moves only",
         lsCheck,
         msSingle,
         0,
         {{Key, VK_SPACE}, {ClickRow, 2}, {Key, VK_SPACE}, {Key, VK_SPACE}},
         {"focus 1", "statechange 1", "focus 3", "statechange 3", "statechange 3"}},
        {"check with a cap of 2: the oldest gives way after the new check",
         lsCheck,
         msSingle,
         2,
         {{DefaultAction, 1}, {DefaultAction, 2}, {DefaultAction, 3}, {DefaultAction, 5}},
         {"focus 1", "statechange 1", "focus 2", "statechange 2", "focus 3", "statechange 3",
          "statechange 1", "focus 5", "statechange 5", "statechange 2"}},
    };
    for (const EventCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        control.RemoveAll();
        control.SetStyle(c.nStyle);
        control.SetMultiSelect(c.nMultiSelect);
        control.SetMaxCheck(c.nMaxCheck);
        Fill(6);
        for (const Step& step : c.steps) Perform(*this, step);
        EXPECT_EQ(g_heard, c.heard);
    }
}

TEST_F(AccessibilityTest, EditsAndScrollingAreHeard) {
    Fill(30);
    control.InsertItem(0, "New");
    Pump();
    control.RemoveItem(3);
    control.SetTopIndex(4);
    Pump();
    EXPECT_EQ(g_heard, (Lines{"reorder 0", "reorder 0", "scrollingend 5"}));
}

// Filling a list and selecting all of it are each one change for a listener, heard once
// the change is over. (Under Wine every item added costs a few system calls of the
// backend, hence not the longest list here.)
TEST_F(AccessibilityTest, FloodsAreHeardAsOneChange) {
    control.SetMultiSelect(msExtend);
    Fill(1);
    ClickRow(0);
    g_heard.clear();
    for (Long i = 1; i < 300; ++i) control.AddItem("Item");
    EXPECT_TRUE(g_heard.empty());  // nothing during the change
    Pump();
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    Key('A');
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(control.SelCount(), 300);
    ClickRow(1);
    EXPECT_EQ(g_heard, (Lines{"reorder 0", "selectionwithin 0", "focus 2", "selectionwithin 0"}));
}

int g_nLaterSubclassMessages = 0;
WNDPROC g_pBeforeLaterSubclass = nullptr;

LRESULT CALLBACK LaterSubclass(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    ++g_nLaterSubclassMessages;
    return ::CallWindowProcA(g_pBeforeLaterSubclass, hWnd, uMsg, wParam, lParam);
}

// A subclass made after ours must keep its messages when our server goes, and a new
// server on the same window must answer again without looping through the old hook.
TEST_F(AccessibilityTest, ASubclassAfterOursKeepsWorkingWhenTheServerGoes) {
    Fill(3);
    nRowHeight = RowHeight();
    g_pBeforeLaterSubclass = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
    acc->Release();
    acc = nullptr;
    server.reset();
    g_nLaterSubclassMessages = 0;
    ClickRow(1);
    EXPECT_GT(g_nLaterSubclassMessages, 0);
    EXPECT_EQ(control.ListIndex(), 1);
    IAccessible* pProxy = nullptr;  // the system's own object for a window nobody serves
    ASSERT_EQ(::AccessibleObjectFromWindow(hWnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                           reinterpret_cast<void**>(&pProxy)),
              S_OK);
    EXPECT_NE(Role(CHILDID_SELF, pProxy), ROLE_SYSTEM_LIST);
    pProxy->Release();

    server = com::ServeAccessibility(control, hWnd);
    ASSERT_EQ(::AccessibleObjectFromWindow(hWnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                           reinterpret_cast<void**>(&acc)),
              S_OK);
    EXPECT_EQ(Role(CHILDID_SELF), ROLE_SYSTEM_LIST);
    long nCount = 0;
    EXPECT_EQ(acc->get_accChildCount(&nCount), S_OK);
    EXPECT_EQ(nCount, 3);
    server.reset();
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pBeforeLaterSubclass));
}

TEST_F(AccessibilityTest, AWindowDestroyedFirstLeavesADisconnectedObject) {
    HWND hOther = ::CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50,
                                  ::GetParent(hWnd), nullptr, nullptr, nullptr);
    ASSERT_NE(hOther, nullptr);
    g_hListened = hOther;
    server = com::ServeAccessibility(control, hOther);
    IAccessible* pOther = nullptr;
    ASSERT_EQ(::AccessibleObjectFromWindow(hOther, static_cast<DWORD>(OBJID_CLIENT),
                                           IID_IAccessible, reinterpret_cast<void**>(&pOther)),
              S_OK);
    control.AddItem("waiting");  // an event waits for the pump when the window goes
    ::DestroyWindow(hOther);
    Pump();
    long nCount = 0;
    EXPECT_EQ(pOther->get_accChildCount(&nCount), RPC_E_DISCONNECTED);
    control.AddItem("after");
    Pump();
    server.reset();
    pOther->Release();
    EXPECT_TRUE(g_heard.empty());
}

// Runs of the same event as (event, times in a row), spelled out.
using EventRuns = std::vector<std::pair<com::WinEventCall, std::size_t>>;

std::vector<com::WinEventCall> SpellOut(const EventRuns& runs) {
    std::vector<com::WinEventCall> calls;
    for (const auto& [call, nTimes] : runs) calls.insert(calls.end(), nTimes, call);
    return calls;
}

TEST(WinEventQueueTest, RunsOfSelectionsAndReordersCollapse) {
    using com::WinEventCall;
    using com::WinEventQueue;
    const WinEventCall kAdd{EVENT_OBJECT_SELECTIONADD, 3}, kRemove{EVENT_OBJECT_SELECTIONREMOVE, 4},
        kFocus{EVENT_OBJECT_FOCUS, 3}, kReorder{EVENT_OBJECT_REORDER, CHILDID_SELF},
        kWithin{EVENT_OBJECT_SELECTIONWITHIN, CHILDID_SELF};
    const std::size_t kRun = WinEventQueue::kMostInARun;
    struct Case {
        const char* pszName;
        EventRuns added;
        EventRuns taken;
    };
    const Case cases[] = {
        {"a short run stays",
         {{kAdd, 1}, {kRemove, 1}, {kFocus, 1}},
         {{kAdd, 1}, {kRemove, 1}, {kFocus, 1}}},
        {"reorders in a row are one",
         {{kReorder, 3}, {kFocus, 1}, {kReorder, 2}},
         {{kReorder, 1}, {kFocus, 1}, {kReorder, 1}}},
        {"a run of exactly the limit stays",
         {{kFocus, 1}, {kAdd, kRun}},
         {{kFocus, 1}, {kAdd, kRun}}},
        {"a longer run is one change within",
         {{kFocus, 1}, {kAdd, kRun}, {kRemove, 5000}, {kFocus, 1}},
         {{kFocus, 1}, {kWithin, 1}, {kFocus, 1}}},
        {"a focus splits runs",
         {{kAdd, kRun}, {kFocus, 1}, {kRemove, kRun + 1}},
         {{kAdd, kRun}, {kFocus, 1}, {kWithin, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        WinEventQueue queue;
        bool bFirst = true;
        for (const WinEventCall& call : SpellOut(c.added)) {
            EXPECT_EQ(queue.Add(call), bFirst);  // only the first asks for a delivery
            bFirst = false;
        }
        EXPECT_EQ(queue.Take(), SpellOut(c.taken));
        EXPECT_TRUE(queue.Take().empty());
        EXPECT_TRUE(queue.Add(kFocus));
    }
}

TEST_F(AccessibilityTest, AClientKeepingTheObjectHearsItIsDisconnected) {
    Fill(3);
    acc->AddRef();
    IAccessible* pKept = acc;
    server.reset();
    long nCount = 0;
    EXPECT_EQ(pKept->get_accChildCount(&nCount), RPC_E_DISCONNECTED);
    VARIANT var;
    EXPECT_EQ(pKept->get_accRole(Child(1), &var), RPC_E_DISCONNECTED);
    EXPECT_EQ(pKept->accDoDefaultAction(Child(1)), RPC_E_DISCONNECTED);
    pKept->Release();
    control.AddItem("after");  // no listener left to tell
    Pump();
    EXPECT_TRUE(g_heard.empty());
}

}  // namespace qv
