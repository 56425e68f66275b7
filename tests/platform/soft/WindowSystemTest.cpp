#include "platform/soft/user/WindowSystem.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/User.h"

namespace qv::soft {
namespace {

using namespace win32;

struct Received {
    HWND hWnd;
    UINT uMsg;
    friend bool operator==(const Received&, const Received&) = default;
};
std::vector<Received> g_log;
bool g_bInvalidateWhilePainting = false;

LRESULT LoggingProc(HWND hWnd, UINT uMsg, WPARAM, LPARAM) {
    g_log.push_back({hWnd, uMsg});
    if (uMsg == WM_PAINT && g_bInvalidateWhilePainting) InvalidateRect(hWnd, nullptr, FALSE);
    return 0;
}

class WindowSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_log.clear();
        g_bInvalidateWhilePainting = false;
    }
    HWND MakeShownWindow() {
        const HWND hWnd = windows.CreateWindowAt(HWND{}, {0, 0, 100, 80}, LoggingProc);
        windows.SetVisible(hWnd, true);
        windows.RunUntilIdle();
        g_log.clear();
        return hWnd;
    }
    WindowSystem windows;
};

TEST_F(WindowSystemTest, ManyInvalidationsGiveOnePaintWhenIdleAfterPostedMessages) {
    const HWND hWnd = MakeShownWindow();
    const RECT rcPixel{0, 0, 1, 1};
    InvalidateRect(hWnd, &rcPixel, FALSE);
    windows.PostMessage(hWnd, WM_KEYDOWN, 0, 0);
    InvalidateRect(hWnd, nullptr, FALSE);
    EXPECT_TRUE(g_log.empty());
    windows.RunUntilIdle();
    EXPECT_EQ(g_log, (std::vector<Received>{{hWnd, WM_KEYDOWN}, {hWnd, WM_PAINT}}));
}

TEST_F(WindowSystemTest, HiddenWindowsAreNotPainted) {
    const HWND hWnd = windows.CreateWindowAt(HWND{}, {0, 0, 10, 10}, LoggingProc);
    InvalidateRect(hWnd, nullptr, FALSE);
    windows.RunUntilIdle();
    EXPECT_TRUE(g_log.empty());
}

TEST_F(WindowSystemTest, AWindowThatInvalidatesItselfWhilePaintingDoesNotHangTheLoop) {
    const HWND hWnd = MakeShownWindow();
    g_bInvalidateWhilePainting = true;
    InvalidateRect(hWnd, nullptr, FALSE);
    EXPECT_FALSE(windows.RunUntilIdle());
    EXPECT_GT(g_log.size(), 1u);
}

TEST_F(WindowSystemTest, CallsOnUnknownWindowsFailAndChangeNothing) {
    const HWND hGone = MakeShownWindow();
    windows.DestroyWindow(hGone);
    int nMin = 5, nMax = 6;
    EXPECT_EQ(InvalidateRect(hGone, nullptr, FALSE), FALSE);
    EXPECT_EQ(GetWindowLongA(hGone, GWL_WNDPROC), 0);
    EXPECT_EQ(ShowScrollBar(hGone, SB_VERT, TRUE), FALSE);
    EXPECT_EQ(GetScrollRange(hGone, SB_VERT, &nMin, &nMax), FALSE);
    EXPECT_EQ(nMin, 5);
    EXPECT_EQ(nMax, 6);
    EXPECT_EQ(windows.SendMessage(hGone, WM_PAINT, 0, 0), 0);
    EXPECT_TRUE(g_log.empty());
}

TEST_F(WindowSystemTest, TheScrollBarKeepsItsPositionInRangeAndNarrowsTheClientArea) {
    const HWND hWnd = MakeShownWindow();
    windows.SetBorderWidth(hWnd, 2);
    Window& window = *windows.Find(hWnd);
    EXPECT_EQ(window.ClientWidth(), 96);
    SetScrollRange(hWnd, SB_VERT, 0, 15, FALSE);
    ShowScrollBar(hWnd, SB_VERT, TRUE);
    EXPECT_EQ(window.ClientWidth(), 80);
    EXPECT_EQ(window.ClientHeight(), 76);
    struct Case {
        int nSet, nExpected;
    };
    for (const Case& c : {Case{7, 7}, Case{-3, 0}, Case{99, 15}}) {
        SetScrollPos(hWnd, SB_VERT, c.nSet, TRUE);
        EXPECT_EQ(GetScrollPos(hWnd, SB_VERT), c.nExpected) << c.nSet;
    }
    SetScrollRange(hWnd, SB_VERT, 0, 4, FALSE);
    EXPECT_EQ(GetScrollPos(hWnd, SB_VERT), 4);
    EXPECT_EQ(SetScrollRange(hWnd, SB_HORZ, 0, 4, FALSE), FALSE);
}

}  // namespace
}  // namespace qv::soft
