// The list as a screen reader walks it on Windows: the IAccessible the control's window
// hands out through AccessibleObjectFromWindow, its tree, states, places and actions.
#include "AccessibleListFixture.h"

namespace qv {

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

}  // namespace qv
