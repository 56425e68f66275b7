// The list as a screen reader meets it on Windows: the IAccessible the control's window
// hands out through AccessibleObjectFromWindow, and the accessibility events a listener
// hooked with SetWinEventHook hears while the list is clicked, typed into and acted on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/ColorListBox.h"
#include "platform/windows/host/ControlSite.h"
#include "platform/windows/host/Form.h"

#include "com/access/AccessServer.h"
#include "com/access/WinEventQueue.h"
#include "platform/windows/SystemApi.h"

#include <oleacc.h>

namespace qv {
namespace {

// What the listener heard for the control's client area, as "event child" lines.
std::vector<std::string> g_heard;
HWND g_hListened = nullptr;

const char* EventName(DWORD dwEvent) {
    switch (dwEvent) {
        case EVENT_OBJECT_FOCUS:
            return "focus";
        case EVENT_OBJECT_SELECTION:
            return "selection";
        case EVENT_OBJECT_SELECTIONADD:
            return "selectionadd";
        case EVENT_OBJECT_SELECTIONREMOVE:
            return "selectionremove";
        case EVENT_OBJECT_STATECHANGE:
            return "statechange";
        case EVENT_OBJECT_SELECTIONWITHIN:
            return "selectionwithin";
        case EVENT_OBJECT_REORDER:
            return "reorder";
        case EVENT_SYSTEM_SCROLLINGEND:
            return "scrollingend";
        default:
            return nullptr;
    }
}

void CALLBACK HearEvent(HWINEVENTHOOK, DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild, DWORD,
                        DWORD) {
    const char* pszName = EventName(dwEvent);
    if (hWnd != g_hListened || idObject != OBJID_CLIENT || !pszName) return;
    g_heard.push_back(std::string(pszName) + " " + std::to_string(idChild));
}

using Lines = std::vector<std::string>;

VARIANT Child(LONG nId) {
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_I4;
    var.lVal = nId;
    return var;
}

std::string Narrow(BSTR bstr) {
    std::string sOut;
    for (const wchar_t* p = bstr; p && *p; ++p) sOut += static_cast<char>(*p);
    return sOut;
}

class AccessibilityTest : public ::testing::Test {
  public:
    void ClickRowAt(int nRow, WPARAM wKeys) { ClickRow(nRow, wKeys); }
    void PressKey(WPARAM wKey) { Key(wKey); }
    HRESULT DoDefault(LONG nId) {
        const HRESULT hr = acc->accDoDefaultAction(Child(nId));
        Pump();
        return hr;
    }

  protected:
    void SetUp() override {
        ::CoInitialize(nullptr);
        site.Attach(&control);
        site.Initialize();
        site.InitProperties();
        site.Show();
        form.RunUntilIdle();
        hWnd = windows::ToReal<::HWND>(site.hWnd());
        server = com::ServeAccessibility(control, hWnd);
        ASSERT_EQ(::AccessibleObjectFromWindow(hWnd, static_cast<DWORD>(OBJID_CLIENT),
                                               IID_IAccessible, reinterpret_cast<void**>(&acc)),
                  S_OK);
        g_hListened = hWnd;
        hHook = ::SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, &HearEvent,
                                  ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hHook, nullptr);
    }
    void TearDown() override {
        if (hHook) ::UnhookWinEvent(hHook);
        if (acc) acc->Release();
        server.reset();
        site.Terminate();
        g_heard.clear();
        ::CoUninitialize();
    }

    // Items "Item 0" .. in a list of ten rows in view, focused, with nothing heard yet.
    void Fill(int nCount) {
        for (int i = 0; i < nCount; ++i) control.AddItem("Item " + std::to_string(i));
        ::SetFocus(hWnd);
        Pump();
        g_heard.clear();
    }
    void Pump() {
        form.RunUntilIdle();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    void Send(UINT uMsg, WPARAM wParam, LPARAM lParam) {
        ::SendMessageA(hWnd, uMsg, wParam, lParam);
        Pump();
    }
    void ClickRow(int nRow, WPARAM wKeys = 0) {
        if (nRowHeight == 0) nRowHeight = RowHeight();
        const LPARAM lPoint = MAKELPARAM(30, nRow * nRowHeight + 2);
        Send(WM_LBUTTONDOWN, MK_LBUTTON | wKeys, lPoint);
        Send(WM_LBUTTONUP, wKeys, lPoint);
    }
    void Key(WPARAM wKey) { Send(WM_KEYDOWN, wKey, 0); }
    int RowHeight() {
        long nX = 0, nY = 0, nWidth = 0, nHeight = 0;
        acc->accLocation(&nX, &nY, &nWidth, &nHeight, Child(1));
        return static_cast<int>(nHeight);
    }

    LONG Role(LONG nId, IAccessible* pAcc = nullptr) {
        VARIANT var;
        EXPECT_EQ((pAcc ? pAcc : acc)->get_accRole(Child(nId), &var), S_OK);
        return var.lVal;
    }
    LONG State(LONG nId) {
        VARIANT var;
        EXPECT_EQ(acc->get_accState(Child(nId), &var), S_OK);
        return var.lVal;
    }
    std::string Text(HRESULT (STDMETHODCALLTYPE IAccessible::*pGet)(VARIANT, BSTR*), LONG nId) {
        BSTR bstr = nullptr;
        (acc->*pGet)(Child(nId), &bstr);
        std::string sText = Narrow(bstr);
        ::SysFreeString(bstr);
        return sText;
    }

    // The child ids get_accSelection names, in its order.
    std::vector<LONG> SelectedIds() {
        VARIANT var;
        acc->get_accSelection(&var);
        if (var.vt == VT_I4) return {var.lVal};
        std::vector<LONG> ids;
        if (var.vt != VT_UNKNOWN) return ids;
        IEnumVARIANT* pEnum = nullptr;
        var.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&pEnum));
        var.punkVal->Release();
        VARIANT item;
        while (pEnum && pEnum->Next(1, &item, nullptr) == S_OK) ids.push_back(item.lVal);
        if (pEnum) pEnum->Release();
        return ids;
    }
    LONG FocusId() {
        VARIANT var;
        acc->get_accFocus(&var);
        return var.vt == VT_I4 ? var.lVal : -1;
    }

    windows::Form form{320, 240};
    windows::ControlSite site{form, 10, 10, 200, 154};
    ColorListBox control{site};
    HWND hWnd = nullptr;
    std::unique_ptr<com::AccessServer> server;
    IAccessible* acc = nullptr;
    HWINEVENTHOOK hHook = nullptr;
    int nRowHeight = 0;
};

}  // namespace

TEST_F(AccessibilityTest, TheListAndItsItemsAsAReaderWalksThem) {
    server->SetName("Fruit");
    Fill(30);
    long nCount = 0;
    ASSERT_EQ(acc->get_accChildCount(&nCount), S_OK);
    EXPECT_EQ(nCount, 30);
    EXPECT_EQ(Role(CHILDID_SELF), ROLE_SYSTEM_LIST);
    EXPECT_EQ(Text(&IAccessible::get_accName, CHILDID_SELF), "Fruit");
    EXPECT_EQ(State(CHILDID_SELF), STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE);
    struct Case {
        LONG nId;
        const char* pszName;
        const char* pszDescription;
        LONG nStates;
    };
    const LONG kItem = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    const LONG kOut = kItem | STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_INVISIBLE;
    const Case cases[] = {
        {1, "Item 0", "1 of 30", kItem},
        {5, "Item 4", "5 of 30", kItem},
        {11, "Item 10", "11 of 30", kOut},
        {30, "Item 29", "30 of 30", kOut},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nId);
        EXPECT_EQ(Role(c.nId), ROLE_SYSTEM_LISTITEM);
        EXPECT_EQ(Text(&IAccessible::get_accName, c.nId), c.pszName);
        EXPECT_EQ(Text(&IAccessible::get_accDescription, c.nId), c.pszDescription);
        EXPECT_EQ(State(c.nId), c.nStates);
        IDispatch* pChild = reinterpret_cast<IDispatch*>(1);
        EXPECT_EQ(acc->get_accChild(Child(c.nId), &pChild), S_FALSE);  // a simple element
        EXPECT_EQ(pChild, nullptr);
    }
    VARIANT var;
    for (LONG nBad : {-1L, 31L, 1000L}) {
        EXPECT_EQ(acc->get_accRole(Child(nBad), &var), E_INVALIDARG) << nBad;
        EXPECT_EQ(acc->accDoDefaultAction(Child(nBad)), E_INVALIDARG) << nBad;
    }
}

TEST_F(AccessibilityTest, ClickingARowIsHeardAsSelectionAndFocus) {
    Fill(5);
    ClickRow(2);
    EXPECT_EQ(g_heard, (Lines{"focus 3", "selection 3"}));
}

// One thing a user does: a click on a row (with MK_SHIFT/MK_CONTROL), a key, or a
// reader's default action on a child id.
struct Step {
    enum Kind { ClickRow, Key, DefaultAction } eKind;
    int n;
    WPARAM wKeys = 0;
};

void Perform(AccessibilityTest& test, const Step& step);

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

void Perform(AccessibilityTest& test, const Step& step) {
    switch (step.eKind) {
        case Step::ClickRow:
            test.ClickRowAt(step.n, step.wKeys);
            break;
        case Step::Key:
            test.PressKey(static_cast<WPARAM>(step.n));
            break;
        case Step::DefaultAction:
            EXPECT_EQ(test.DoDefault(step.n), S_OK);
            break;
    }
}

struct StateCase {
    const char* pszName;
    Long nStyle;
    Long nMultiSelect;
    Long nMaxCheck;
    std::vector<Step> steps;
    LONG nListStates;              // the selection kinds of the list
    std::vector<LONG> itemStates;  // items 1.. : selected, focused and checked only
};

TEST_F(AccessibilityTest, StatesAfterClicksKeysAndDefaultActions) {
    using enum Step::Kind;
    const LONG kSel = STATE_SYSTEM_SELECTED, kFoc = STATE_SYSTEM_FOCUSED,
               kChk = STATE_SYSTEM_CHECKED;
    const LONG kMulti = STATE_SYSTEM_MULTISELECTABLE, kExt = STATE_SYSTEM_EXTSELECTABLE;
    const StateCase cases[] = {
        {"single: a key moves selection and focus",
         lsNormal,
         msSingle,
         0,
         {{ClickRow, 0}, {Key, VK_DOWN}},
         0,
         {0, kSel | kFoc, 0, 0}},
        {"multi: a key moves the focus only",
         lsNormal,
         msMulti,
         0,
         {{ClickRow, 0}, {ClickRow, 2}, {Key, VK_DOWN}},
         kMulti,
         {kSel, 0, kSel, kFoc}},
        {"extended: Shift+Down extends from the anchor",
         lsNormal,
         msExtend,
         0,
         {{ClickRow, 1}, {ClickRow, 3, MK_SHIFT}},
         kMulti | kExt,
         {0, kSel, kSel, kSel | kFoc}},
        {"check: marks are states, never a selection",
         lsCheck,
         msExtend,
         0,
         {{DefaultAction, 1}, {DefaultAction, 3}},
         0,
         {kChk, 0, kChk | kFoc, 0}},
        {"check with a cap of 2: the oldest mark gave way",
         lsCheck,
         msSingle,
         2,
         {{DefaultAction, 1}, {DefaultAction, 2}, {DefaultAction, 4}},
         0,
         {0, kChk, 0, kChk | kFoc}},
        {"check: a second default action unchecks",
         lsCheck,
         msSingle,
         0,
         {{DefaultAction, 2}, {DefaultAction, 2}},
         0,
         {0, kFoc, 0, 0}},
    };
    const LONG kMask = kSel | kFoc | kChk;
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        control.RemoveAll();
        control.SetStyle(c.nStyle);
        control.SetMultiSelect(c.nMultiSelect);
        control.SetMaxCheck(c.nMaxCheck);
        Fill(6);
        for (const Step& step : c.steps) Perform(*this, step);
        EXPECT_EQ(State(CHILDID_SELF) & (kMulti | kExt), c.nListStates);
        for (std::size_t i = 0; i < c.itemStates.size(); ++i)
            EXPECT_EQ(State(static_cast<LONG>(i) + 1) & kMask, c.itemStates[i]) << "item " << i;
        const LONG nRole = c.nStyle == lsCheck ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_LISTITEM;
        EXPECT_EQ(Role(1), nRole);
        EXPECT_EQ((State(1) & STATE_SYSTEM_SELECTABLE) != 0, c.nStyle == lsNormal);
    }
}

TEST_F(AccessibilityTest, DefaultActionsAreNamedForWhatTheyWillDo) {
    struct Case {
        Long nStyle;
        Long nMultiSelect;
        bool bMarkFirst;
        const char* pszAction;
    };
    const Case cases[] = {
        {lsNormal, msSingle, false, "Select"}, {lsNormal, msSingle, true, "Select"},
        {lsNormal, msMulti, false, "Select"},  {lsNormal, msMulti, true, "Deselect"},
        {lsCheck, msSingle, false, "Check"},   {lsCheck, msSingle, true, "Uncheck"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nStyle) + "/" + std::to_string(c.nMultiSelect) + "/" +
                     std::to_string(c.bMarkFirst));
        control.RemoveAll();
        control.SetStyle(c.nStyle);
        control.SetMultiSelect(c.nMultiSelect);
        Fill(3);
        if (c.bMarkFirst) DoDefault(2);
        EXPECT_EQ(Text(&IAccessible::get_accDefaultAction, 2), c.pszAction);
        BSTR bstr = nullptr;
        EXPECT_EQ(acc->get_accDefaultAction(Child(CHILDID_SELF), &bstr), DISP_E_MEMBERNOTFOUND);
        EXPECT_EQ(acc->accDoDefaultAction(Child(CHILDID_SELF)), DISP_E_MEMBERNOTFOUND);
    }
}

TEST_F(AccessibilityTest, ADisabledListRefusesTheDefaultAction) {
    Fill(3);
    control.SetEnabled(VbFalse);
    Pump();
    EXPECT_EQ(acc->accDoDefaultAction(Child(2)), E_FAIL);
    EXPECT_EQ(control.ListIndex(), -1);
    EXPECT_NE(State(CHILDID_SELF) & STATE_SYSTEM_UNAVAILABLE, 0);
    EXPECT_EQ(State(2) & STATE_SYSTEM_FOCUSABLE, 0);
}

TEST_F(AccessibilityTest, HitTestAndLocationAgreeOnEveryRowInView) {
    Fill(30);
    control.SetTopIndex(5);
    Pump();
    RECT rcWindow{};
    ::GetWindowRect(hWnd, &rcWindow);
    long nX = 0, nY = 0, nWidth = 0, nHeight = 0;
    ASSERT_EQ(acc->accLocation(&nX, &nY, &nWidth, &nHeight, Child(CHILDID_SELF)), S_OK);
    POINT origin{0, 0};
    ::ClientToScreen(hWnd, &origin);
    EXPECT_EQ(nX, origin.x);
    EXPECT_EQ(nY, origin.y);
    int nInView = 0;
    for (LONG nId = 1; nId <= 30; ++nId) {
        long nItemX = 0, nItemY = 0, nItemWidth = 0, nItemHeight = 0;
        ASSERT_EQ(acc->accLocation(&nItemX, &nItemY, &nItemWidth, &nItemHeight, Child(nId)), S_OK);
        EXPECT_EQ(nItemY, nY + (nId - 6) * nItemHeight) << nId;
        const bool bOffscreen = (State(nId) & STATE_SYSTEM_OFFSCREEN) != 0;
        VARIANT var;
        const HRESULT hr = acc->accHitTest(nItemX + 3, nItemY + nItemHeight / 2, &var);
        if (nItemY + nItemHeight / 2 < nY || nItemY + nItemHeight / 2 >= nY + nHeight) {
            EXPECT_TRUE(bOffscreen) << nId;
            EXPECT_EQ(hr, S_FALSE) << nId;  // outside the client area
            continue;
        }
        ++nInView;
        EXPECT_FALSE(bOffscreen) << nId;
        ASSERT_EQ(hr, S_OK) << nId;
        EXPECT_EQ(var.vt, VT_I4);
        EXPECT_EQ(var.lVal, nId);
    }
    EXPECT_GE(nInView, 8);
    VARIANT var;
    EXPECT_EQ(acc->accHitTest(rcWindow.right + 5, rcWindow.top + 5, &var), S_FALSE);
    EXPECT_EQ(var.vt, VT_EMPTY);
}

TEST_F(AccessibilityTest, BelowTheLastRowTheListItselfIsHit) {
    Fill(2);
    long nX = 0, nY = 0, nWidth = 0, nHeight = 0;
    ASSERT_EQ(acc->accLocation(&nX, &nY, &nWidth, &nHeight, Child(CHILDID_SELF)), S_OK);
    VARIANT var;
    ASSERT_EQ(acc->accHitTest(nX + 5, nY + nHeight - 3, &var), S_OK);
    EXPECT_EQ(var.vt, VT_I4);
    EXPECT_EQ(var.lVal, CHILDID_SELF);
}

TEST_F(AccessibilityTest, FocusAndSelectionAsAReaderAsksForThem) {
    control.SetMultiSelect(msMulti);
    Fill(6);
    VARIANT var;
    ASSERT_EQ(acc->get_accFocus(&var), S_OK);
    EXPECT_EQ(var.vt, VT_I4);
    EXPECT_EQ(var.lVal, CHILDID_SELF);  // focused, no current item yet
    EXPECT_EQ(acc->get_accSelection(&var), S_FALSE);
    EXPECT_EQ(var.vt, VT_EMPTY);
    ClickRow(1);
    ASSERT_EQ(acc->get_accSelection(&var), S_OK);
    EXPECT_EQ(var.vt, VT_I4);
    EXPECT_EQ(var.lVal, 2);
    ClickRow(4);
    ClickRow(3);
    ASSERT_EQ(acc->get_accFocus(&var), S_OK);
    EXPECT_EQ(var.lVal, 4);
    ASSERT_EQ(acc->get_accSelection(&var), S_OK);
    ASSERT_EQ(var.vt, VT_UNKNOWN);
    IEnumVARIANT* pEnum = nullptr;
    ASSERT_EQ(var.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&pEnum)),
              S_OK);
    var.punkVal->Release();
    VARIANT ids[4];
    ULONG nFetched = 0;
    EXPECT_EQ(pEnum->Next(4, ids, &nFetched), S_FALSE);
    ASSERT_EQ(nFetched, 3u);
    EXPECT_EQ(ids[0].lVal, 2);
    EXPECT_EQ(ids[1].lVal, 4);
    EXPECT_EQ(ids[2].lVal, 5);
    pEnum->Release();
    ::SetFocus(nullptr);
    Pump();
    EXPECT_EQ(acc->get_accFocus(&var), S_FALSE);
    EXPECT_EQ(var.vt, VT_EMPTY);
}

TEST_F(AccessibilityTest, NavigationWalksTheItemsAndStopsAtTheEnds) {
    Fill(3);
    struct Case {
        LONG nFrom;
        long navDir;
        LONG nTo;  // 0: nothing there
    };
    const Case cases[] = {
        {CHILDID_SELF, NAVDIR_FIRSTCHILD, 1},
        {CHILDID_SELF, NAVDIR_LASTCHILD, 3},
        {1, NAVDIR_NEXT, 2},
        {2, NAVDIR_DOWN, 3},
        {3, NAVDIR_NEXT, 0},
        {3, NAVDIR_PREVIOUS, 2},
        {2, NAVDIR_UP, 1},
        {1, NAVDIR_PREVIOUS, 0},
        {2, NAVDIR_FIRSTCHILD, 0},
        {2, NAVDIR_LEFT, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nFrom) + " dir " + std::to_string(c.navDir));
        VARIANT var;
        const HRESULT hr = acc->accNavigate(c.navDir, Child(c.nFrom), &var);
        if (c.nTo == 0) {
            EXPECT_EQ(hr, S_FALSE);
            EXPECT_EQ(var.vt, VT_EMPTY);
        } else {
            ASSERT_EQ(hr, S_OK);
            EXPECT_EQ(var.vt, VT_I4);
            EXPECT_EQ(var.lVal, c.nTo);
        }
    }
    control.RemoveAll();
    VARIANT var;
    EXPECT_EQ(acc->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &var), S_FALSE);
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

TEST_F(AccessibilityTest, AReaderSetsFocusAndSelection) {
    using enum Step::Kind;
    struct Case {
        const char* pszName;
        Long nStyle;
        Long nMultiSelect;
        std::vector<Step> before;
        LONG nId;
        long nFlags;
        HRESULT hr;
        std::vector<LONG> selected;
        LONG nFocus;
    };
    const long kFocus = SELFLAG_TAKEFOCUS, kTake = SELFLAG_TAKESELECTION,
               kAdd = SELFLAG_ADDSELECTION, kRemove = SELFLAG_REMOVESELECTION;
    const Case cases[] = {
        {"single: focus and selection", lsNormal, msSingle, {}, 3, kFocus | kTake, S_OK, {3}, 3},
        {"single: one selected at most",
         lsNormal,
         msSingle,
         {{ClickRow, 0}},
         4,
         kAdd,
         S_OK,
         {4},
         1},
        {"multi: take leaves one",
         lsNormal,
         msMulti,
         {{ClickRow, 0}, {ClickRow, 2}},
         5,
         kTake,
         S_OK,
         {5},
         3},
        {"multi: add keeps the others",
         lsNormal,
         msMulti,
         {{ClickRow, 0}},
         4,
         kAdd,
         S_OK,
         {1, 4},
         1},
        {"multi: focus alone selects nothing",
         lsNormal,
         msMulti,
         {{ClickRow, 0}},
         5,
         kFocus,
         S_OK,
         {1},
         5},
        {"extended: remove one of a range",
         lsNormal,
         msExtend,
         {{ClickRow, 0}, {ClickRow, 2, MK_SHIFT}},
         2,
         kRemove,
         S_OK,
         {1, 3},
         3},
        {"add and remove at once", lsNormal, msMulti, {}, 2, kAdd | kRemove, E_INVALIDARG, {}, 0},
        {"take with add", lsNormal, msMulti, {}, 2, kTake | kAdd, E_INVALIDARG, {}, 0},
        {"the list itself", lsNormal, msMulti, {}, CHILDID_SELF, kTake, E_INVALIDARG, {}, 0},
        {"extending is not offered",
         lsNormal,
         msExtend,
         {},
         2,
         SELFLAG_EXTENDSELECTION,
         DISP_E_MEMBERNOTFOUND,
         {},
         0},
        {"check: marks are not a selection",
         lsCheck,
         msSingle,
         {},
         2,
         kAdd,
         DISP_E_MEMBERNOTFOUND,
         {},
         0},
        {"check: focus moves", lsCheck, msSingle, {}, 4, kFocus, S_OK, {}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        control.RemoveAll();
        control.SetStyle(c.nStyle);
        control.SetMultiSelect(c.nMultiSelect);
        Fill(6);
        for (const Step& step : c.before) Perform(*this, step);
        EXPECT_EQ(acc->accSelect(c.nFlags, Child(c.nId)), c.hr);
        Pump();
        if (FAILED(c.hr)) continue;
        EXPECT_EQ(SelectedIds(), c.selected);
        EXPECT_EQ(FocusId(), c.nFocus);
    }
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

TEST_F(AccessibilityTest, MembersThroughIDispatchAsScriptsCallThem) {
    Fill(3);
    UINT nCount = 0;
    ASSERT_EQ(acc->GetTypeInfoCount(&nCount), S_OK);
    ASSERT_EQ(nCount, 1u);
    OLECHAR szName[] = L"accName";
    LPOLESTR pszName = szName;
    DISPID dispid = 0;
    ASSERT_EQ(acc->GetIDsOfNames(IID_NULL, &pszName, 1, 0, &dispid), S_OK);
    EXPECT_EQ(dispid, DISPID_ACC_NAME);
    VARIANT arg = Child(2);
    DISPPARAMS params{&arg, nullptr, 1, 0};
    VARIANT result;
    ::VariantInit(&result);
    ASSERT_EQ(acc->Invoke(DISPID_ACC_NAME, IID_NULL, 0, DISPATCH_PROPERTYGET, &params, &result,
                          nullptr, nullptr),
              S_OK);
    ASSERT_EQ(result.vt, VT_BSTR);
    EXPECT_EQ(Narrow(result.bstrVal), "Item 1");
    ::VariantClear(&result);
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
