// The system's property frame (OleCreatePropertyFrame) shows the control's two pages.
// The frame is modal: a timer of this thread looks at it from inside its loop, edits the
// first page as a user would (the page tells the frame's site it is dirty) and presses OK.
// Wine 8's frame applies no page on OK, so what reaches the control is not checked here;
// Apply itself is tested in ComPagesTest.
#include "PageTestSupport.h"  // first: <commctrl.h> needs the system's headers before it

#include <commctrl.h>
#include <gtest/gtest.h>
#include <olectl.h>

#include <string>
#include <vector>

namespace qv::com::test {
namespace {

struct FrameSeen {
    int nTicks = 0;
    bool bFound = false;
    std::vector<std::string> tabs;
    int nPageWindows = 0;
    int nVisiblePages = 0;
    bool bEdited = false;
};
FrameSeen g_seen;

constexpr int kGiveUpTicks = 50;

bool HasClass(HWND hWnd, const wchar_t* sClass) {
    wchar_t szClass[64] = L"";
    ::GetClassNameW(hWnd, szClass, 64);
    return ::lstrcmpiW(szClass, sClass) == 0;
}

struct WindowSearch {
    const wchar_t* sClass;
    HWND hFound;
};

BOOL CALLBACK TakeVisibleOfClass(HWND hWnd, LPARAM lParam) {
    auto& search = *reinterpret_cast<WindowSearch*>(lParam);
    if (!::IsWindowVisible(hWnd) || !HasClass(hWnd, search.sClass)) return TRUE;
    search.hFound = hWnd;
    return FALSE;
}

HWND FindThreadWindow(const wchar_t* sClass) {
    WindowSearch search{sClass, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), TakeVisibleOfClass,
                        reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

std::vector<HWND> Descendants(HWND hParent) {
    std::vector<HWND> found;
    ::EnumChildWindows(hParent, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

void LookAtFrame(HWND hFrame) {
    for (HWND hWnd : Descendants(hFrame)) {
        if (HasClass(hWnd, WC_TABCONTROLW)) {
            const auto nTabs = ::SendMessageA(hWnd, TCM_GETITEMCOUNT, 0, 0);
            for (int i = 0; i < nTabs; ++i) {
                char szText[64] = "";
                TCITEMA item{};
                item.mask = TCIF_TEXT;
                item.pszText = szText;
                item.cchTextMax = sizeof szText;
                ::SendMessageA(hWnd, TCM_GETITEMA, static_cast<WPARAM>(i),
                               reinterpret_cast<LPARAM>(&item));
                g_seen.tabs.emplace_back(szText);
            }
        }
        if (!HasClass(hWnd, L"QvPropertyPage")) continue;
        ++g_seen.nPageWindows;
        if (!::IsWindowVisible(hWnd)) continue;
        ++g_seen.nVisiblePages;
        // The first page: the user picks "1 - 一行おき" as the background.
        const std::vector<HWND> children = Children(hWnd);
        if (children.size() != 12) continue;
        HWND hBackStyle = children[7];
        ::SendMessageW(hBackStyle, CB_SETCURSEL, 1, 0);
        ::SendMessageW(hWnd, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hBackStyle), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(hBackStyle));
        g_seen.bEdited = true;
    }
}

void CALLBACK CloseFrame(HWND, UINT, UINT_PTR nTimer, DWORD) {
    ++g_seen.nTicks;
    HWND hFrame = FindThreadWindow(L"#32770");
    if (!hFrame && g_seen.nTicks < kGiveUpTicks) return;
    ::KillTimer(nullptr, nTimer);
    if (!hFrame) return;
    g_seen.bFound = true;
    LookAtFrame(hFrame);
    ::PostMessageW(hFrame, WM_COMMAND, IDOK, 0);
}

// The pages' classes, made known to this thread's COM without the registry.
class RegisteredPages {
  public:
    explicit RegisteredPages(const ServerLibrary& library) {
        for (const CLSID* pClass : {&kGeneralPageClass, &kCheckPageClass}) {
            ComRef<IClassFactory> factory;
            EXPECT_EQ(library.GetClassObject(*pClass, factory.Out()), S_OK);
            DWORD dwCookie = 0;
            EXPECT_EQ(::CoRegisterClassObject(*pClass, factory.Get(), CLSCTX_INPROC_SERVER,
                                              REGCLS_MULTIPLEUSE, &dwCookie),
                      S_OK);
            m_cookies.push_back(dwCookie);
        }
    }
    ~RegisteredPages() {
        for (DWORD dwCookie : m_cookies) ::CoRevokeClassObject(dwCookie);
    }

  private:
    std::vector<DWORD> m_cookies;
};

TEST(PropertyFrameTest, TheSystemsFrameShowsBothPagesAndLetsThemGo) {
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    {
        ServerLibrary library;
        ASSERT_TRUE(library.IsLoaded());
        ComRef<IUnknown> control;
        ASSERT_EQ(library.CreateControl(IID_IUnknown, control.OutVoid()), S_OK);
        {
            RegisteredPages pages(library);
            CLSID classes[] = {kGeneralPageClass, kCheckPageClass};
            IUnknown* objects[] = {control.Get()};
            ::SetTimer(nullptr, 0, 100, CloseFrame);
            const HRESULT hr = ::OleCreatePropertyFrame(nullptr, 0, 0, L"ColorListBox", 1, objects,
                                                        2, classes, 0x409, 0, nullptr);
            EXPECT_EQ(hr, S_OK);
        }
        ASSERT_TRUE(g_seen.bFound) << "no frame after " << g_seen.nTicks << " ticks";
        EXPECT_EQ(g_seen.tabs,
                  (std::vector<std::string>{
                      "\x91\x53\x91\xcc", "\xc1\xaa\xaf\xb8\xce\xde\xaf\xb8\xbd\xbd\xc0\xb2\xd9"}));
        EXPECT_GE(g_seen.nPageWindows, 1);
        EXPECT_EQ(g_seen.nVisiblePages, 1);
        EXPECT_TRUE(g_seen.bEdited);
        control.Reset();
        EXPECT_EQ(library.CanUnloadNow(), S_OK) << "the frame released every page";
    }
    ::OleUninitialize();
}

}  // namespace
}  // namespace qv::com::test
