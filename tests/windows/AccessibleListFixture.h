#pragma once

// A control in a real window with its list served to assistive technology, the list's
// IAccessible as a client gets it, and a listener hooked with SetWinEventHook.
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

// What the listener heard for the control's client area, as "event child" lines.
inline std::vector<std::string> g_heard;
inline HWND g_hListened = nullptr;

inline const char* EventName(DWORD dwEvent) {
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

inline void CALLBACK HearEvent(HWINEVENTHOOK, DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild,
                               DWORD, DWORD) {
    const char* pszName = EventName(dwEvent);
    if (hWnd != g_hListened || idObject != OBJID_CLIENT || !pszName) return;
    g_heard.push_back(std::string(pszName) + " " + std::to_string(idChild));
}

using Lines = std::vector<std::string>;

inline VARIANT Child(LONG nId) {
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_I4;
    var.lVal = nId;
    return var;
}

inline std::string Narrow(BSTR bstr) {
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

// One thing a user does: a click on a row (with MK_SHIFT/MK_CONTROL), a key, or a
// reader's default action on a child id.
struct Step {
    enum Kind { ClickRow, Key, DefaultAction } eKind;
    int n;
    WPARAM wKeys = 0;
};

inline void Perform(AccessibilityTest& test, const Step& step) {
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

}  // namespace qv
