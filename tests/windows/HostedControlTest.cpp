// The control hosted in real windows of the system: painted, clicked, typed into and
// subclassed, with what it reports checked against what our own runtime reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "control/ColorListBox.h"
#include "platform/win32/User.h"
#include "platform/windows/host/ControlSite.h"
#include "platform/windows/host/Form.h"

// The system headers name the same index as a macro.
constexpr int kWndProcIndex = qv::win32::GWL_WNDPROC;
constexpr qv::win32::DWORD kTrackHover = qv::win32::TME_HOVER;

#include "platform/windows/SystemApi.h"

namespace qv {
namespace {

// Records the notifications and events of one control in the order they come.
class EventLog : public site::IHostObserver, public ColorListBoxEvents {
  public:
    void OnPaintDelivered(site::ControlSiteCore&) override { ++nPaints; }
    void MouseDown(Integer& nButton, Integer& nShift, float& fX, float& fY) override {
        Add("MouseDown", nButton, nShift, fX, fY);
    }
    void MouseUp(Integer& nButton, Integer& nShift, float& fX, float& fY) override {
        Add("MouseUp", nButton, nShift, fX, fY);
    }
    void KeyDown(Integer& nCode, Integer& nShift) override {
        lines.push_back("KeyDown " + std::to_string(nCode) + " " + std::to_string(nShift));
    }
    void KeyPress(Integer& nAscii) override {
        lines.push_back("KeyPress " + std::to_string(nAscii));
    }
    void ItemCheck(Long& nIndex) override {
        lines.push_back("ItemCheck " + std::to_string(nIndex));
    }
    void Scroll() override { lines.push_back("Scroll"); }
    void Click() override { lines.push_back("Click"); }

    int nPaints = 0;
    std::vector<std::string> lines;

  private:
    void Add(const char* pszName, Integer nButton, Integer nShift, float fX, float fY) {
        lines.push_back(std::string(pszName) + " " + std::to_string(nButton) + " " +
                        std::to_string(nShift) + " " + std::to_string(static_cast<int>(fX)) + "," +
                        std::to_string(static_cast<int>(fY)));
    }
};

::HWND Real(win32::HWND hWnd) {
    return windows::ToReal<::HWND>(hWnd);
}

LPARAM PointParam(int nX, int nY) {
    return MAKELPARAM(nX, nY);
}

class HostedControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        site.Attach(&control);
        control.Events().Connect(&log);
        site.Initialize();
        site.InitProperties();
        site.Show();
        form.RunUntilIdle();
    }
    void TearDown() override { site.Terminate(); }

    void Fill(int nCount) {
        for (int i = 0; i < nCount; ++i) control.AddItem("Item " + std::to_string(i));
        form.RunUntilIdle();
        log.lines.clear();
    }

    void Send(UINT uMsg, WPARAM wParam, LPARAM lParam) {
        ::SendMessageA(Real(site.hWnd()), uMsg, wParam, lParam);
        form.RunUntilIdle();
    }

    void ClickAt(int nX, int nY) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(nX, nY));
        Send(WM_LBUTTONUP, 0, PointParam(nX, nY));
    }

    // A client pixel as red, green, blue.
    COLORREF PixelAt(int nX, int nY) {
        ::HWND hWnd = Real(site.hWnd());
        ::HDC hDC = ::GetDC(hWnd);
        const COLORREF clr = ::GetPixel(hDC, nX, nY);
        ::ReleaseDC(hWnd, hDC);
        return clr;
    }

    Long RowHeight() { return static_cast<Long>(site.ScaleHeight()) / 10; }

    EventLog log;
    windows::Form form{320, 240, &log};
    windows::ControlSite site{form, 10, 10, 200, 154};
    ColorListBox control{site};
};

TEST_F(HostedControlTest, ShowingTheControlPaintsIt) {
    EXPECT_GT(log.nPaints, 0);
    const int nBefore = log.nPaints;
    site.Refresh();
    EXPECT_EQ(log.nPaints, nBefore + 1);
}

TEST_F(HostedControlTest, ClickOnARowSelectsItWithEventsInOrder) {
    Fill(5);
    ClickAt(20, 1);
    const std::vector<std::string> expected = {"MouseDown 1 0 20,1", "MouseUp 1 0 20,1", "Click"};
    EXPECT_EQ(log.lines, expected);
    EXPECT_EQ(control.ListIndex(), 0);
}

TEST_F(HostedControlTest, ReleaseOutsideTheClientAreaIsNoClick) {
    Fill(5);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 1));
    Send(WM_LBUTTONUP, 0, PointParam(20, 400));
    for (const std::string& sLine : log.lines) EXPECT_NE(sLine, "Click");
}

TEST_F(HostedControlTest, PressTakesFocusAndCapture) {
    Fill(3);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5));
    EXPECT_EQ(::GetFocus(), Real(site.hWnd()));
    EXPECT_EQ(::GetCapture(), Real(site.hWnd()));
    Send(WM_LBUTTONUP, 0, PointParam(5, 5));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(HostedControlTest, NavigationKeysMoveTheCurrentItem) {
    Fill(8);
    ClickAt(20, 1);
    struct KeyCase {
        WPARAM nKey;
        Long nExpectedIndex;
    };
    const std::vector<KeyCase> cases = {
        {VK_DOWN, 1}, {VK_DOWN, 2}, {VK_UP, 1}, {VK_END, 7}, {VK_HOME, 0},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.nKey);
        Send(WM_KEYDOWN, c.nKey, 0);
        Send(WM_KEYUP, c.nKey, 0);
        EXPECT_EQ(control.ListIndex(), c.nExpectedIndex);
    }
}

TEST_F(HostedControlTest, TypedCharactersArriveAsKeyPress) {
    Fill(2);
    Send(WM_CHAR, 'a', 0);
    const std::vector<std::string> expected = {"KeyPress 97"};
    EXPECT_EQ(log.lines, expected);
}

TEST_F(HostedControlTest, BorderStylesNarrowTheClientArea) {
    struct BorderCase {
        Integer nAppearance;
        Integer nBorderStyle;
        float fClientWidth;
    };
    const std::vector<BorderCase> cases = {{1, 1, 196}, {0, 1, 198}, {1, 0, 200}, {0, 0, 200}};
    for (const BorderCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.nAppearance) + "/" + std::to_string(c.nBorderStyle));
        site.SetAppearance(c.nAppearance);
        site.SetBorderStyle(c.nBorderStyle);
        EXPECT_EQ(site.BorderWidth() * 2 + site.ScaleWidth(), 200);
        EXPECT_EQ(site.ScaleWidth(), c.fClientWidth);
        EXPECT_EQ(site.Height(), 154 * 15);
    }
}

TEST_F(HostedControlTest, SelectedRowIsPaintedInTheHighlightColour) {
    Fill(5);
    ClickAt(20, 1);
    form.RunUntilIdle();
    EXPECT_EQ(PixelAt(60, 2), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(PixelAt(60, 2 + static_cast<int>(site.ScaleHeight()) - 3),
              ::GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(HostedControlTest, ALongListShowsTheSystemScrollBar) {
    const float fWidthBefore = site.ScaleWidth();
    Fill(40);
    EXPECT_EQ(site.ScaleWidth(), fWidthBefore - ::GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(::GetSystemMetrics(SM_CXVSCROLL), 16);
}

// A procedure of ours put in front of the window's system procedure sees its messages
// first and hands them on; putting the old value back ends that.
std::vector<win32::UINT> g_seenMessages;
win32::WNDPROC g_pfnPrevious = nullptr;

win32::LRESULT SpyProc(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                       win32::LPARAM lParam) {
    g_seenMessages.push_back(uMsg);
    return win32::CallWindowProcA(g_pfnPrevious, hWnd, uMsg, wParam, lParam);
}

TEST_F(HostedControlTest, SubclassingChainsToTheSystemProcedure) {
    Fill(5);
    g_seenMessages.clear();
    const win32::LONG_PTR nOld = win32::GetWindowLongA(site.hWnd(), kWndProcIndex);
    g_pfnPrevious = reinterpret_cast<win32::WNDPROC>(
        win32::SetWindowLongA(site.hWnd(), kWndProcIndex, reinterpret_cast<LONG_PTR>(&SpyProc)));
    EXPECT_EQ(reinterpret_cast<win32::LONG_PTR>(g_pfnPrevious), nOld);
    EXPECT_EQ(win32::GetWindowLongA(site.hWnd(), kWndProcIndex),
              reinterpret_cast<LONG_PTR>(&SpyProc));
    ClickAt(20, RowHeight() * 0 + 1);
    Send(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(control.ListIndex(), 1);
    EXPECT_NE(std::find(g_seenMessages.begin(), g_seenMessages.end(), WM_KEYDOWN),
              g_seenMessages.end());

    win32::SetWindowLongA(site.hWnd(), kWndProcIndex, nOld);
    EXPECT_EQ(win32::GetWindowLongA(site.hWnd(), kWndProcIndex), nOld);
    g_seenMessages.clear();
    Send(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(g_seenMessages.empty());
    EXPECT_EQ(control.ListIndex(), 2);
}

// Hover tracking runs on the system's real timers: the form's pump delivers the hover
// message once the pointer has rested on the window for the hover time.
TEST_F(HostedControlTest, HoverTrackingDeliversAfterRealTime) {
    ::HWND hWnd = Real(site.hWnd());
    ::RECT rc{};
    ::GetWindowRect(hWnd, &rc);
    ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    form.RunUntilIdle();
    const win32::LONG_PTR nOld = win32::GetWindowLongA(site.hWnd(), kWndProcIndex);
    g_pfnPrevious = reinterpret_cast<win32::WNDPROC>(
        win32::SetWindowLongA(site.hWnd(), kWndProcIndex, reinterpret_cast<LONG_PTR>(&SpyProc)));
    g_seenMessages.clear();
    win32::TRACKMOUSEEVENT track;
    track.dwFlags = kTrackHover;
    track.hwndTrack = site.hWnd();
    track.dwHoverTime = 50;
    ASSERT_NE(win32::TrackMouseEvent(&track), 0);
    const auto Hovered = [] {
        return std::count(g_seenMessages.begin(), g_seenMessages.end(), WM_MOUSEHOVER);
    };
    EXPECT_EQ(Hovered(), 0);
    form.PumpFor(1000);
    EXPECT_EQ(Hovered(), 1);
    win32::SetWindowLongA(site.hWnd(), kWndProcIndex, nOld);
}

}  // namespace
}  // namespace qv
