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
        case EVENT_OBJECT_REORDER:
            return "reorder";
        case EVENT_SYSTEM_SCROLLINGEND:
            return "scrollingend";
        default:
            return nullptr;
    }
}

void CALLBACK HearEvent(HWINEVENTHOOK, DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild,
                        DWORD, DWORD) {
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
        const LPARAM lPoint = MAKELPARAM(30, nRow * RowHeight() + 2);
        Send(WM_LBUTTONDOWN, MK_LBUTTON | wKeys, lPoint);
        Send(WM_LBUTTONUP, wKeys, lPoint);
    }
    void Key(WPARAM wKey) { Send(WM_KEYDOWN, wKey, 0); }
    int RowHeight() {
        long nX = 0, nY = 0, nWidth = 0, nHeight = 0;
        acc->accLocation(&nX, &nY, &nWidth, &nHeight, Child(1));
        return static_cast<int>(nHeight);
    }

    LONG Role(LONG nId) {
        VARIANT var;
        EXPECT_EQ(acc->get_accRole(Child(nId), &var), S_OK);
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

    windows::Form form{320, 240};
    windows::ControlSite site{form, 10, 10, 200, 154};
    ColorListBox control{site};
    HWND hWnd = nullptr;
    std::unique_ptr<com::AccessServer> server;
    IAccessible* acc = nullptr;
    HWINEVENTHOOK hHook = nullptr;
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
        {1, "Item 0", "1 of 30", kItem},  {5, "Item 4", "5 of 30", kItem},
        {11, "Item 10", "11 of 30", kOut}, {30, "Item 29", "30 of 30", kOut},
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

}  // namespace qv
