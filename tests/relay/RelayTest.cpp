#include <gtest/gtest.h>

#include <vector>

#include "platform/soft/user/WindowSystem.h"
#include "platform/win32/User.h"
#include "relay/WindowRelay.h"

namespace qv {
namespace {

using namespace win32;

std::vector<std::pair<char, UINT>> g_received;

LRESULT ProcA(HWND, UINT uMsg, WPARAM, LPARAM) {
    g_received.push_back({'A', uMsg});
    return 11;
}
LRESULT ProcB(HWND, UINT uMsg, WPARAM, LPARAM) {
    g_received.push_back({'B', uMsg});
    return 22;
}

TEST(Relay, HookedWindowsStillReachTheirOwnProcedures) {
    g_received.clear();
    soft::WindowSystem windows;
    const HWND hA = windows.CreateWindowAt(HWND{}, {0, 0, 10, 10}, ProcA);
    const HWND hB = windows.CreateWindowAt(HWND{}, {0, 0, 10, 10}, ProcB);
    HookWindow(hA);
    HookWindow(hB);
    EXPECT_NE(RelayEvents(), nullptr);
    EXPECT_EQ(GetWindowLongA(hA, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&RelayWindowProc));
    EXPECT_EQ(windows.SendMessage(hA, WM_SETFOCUS, 0, 0), 11);
    EXPECT_EQ(windows.SendMessage(hB, WM_KEYDOWN, 0, 0), 22);
    UnhookWindow(hA);
    UnhookWindow(hB);
    EXPECT_EQ(GetWindowLongA(hA, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&ProcA));
    EXPECT_EQ(GetWindowLongA(hB, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&ProcB));
    const std::vector<std::pair<char, UINT>> expected = {{'A', WM_SETFOCUS}, {'B', WM_KEYDOWN}};
    EXPECT_EQ(g_received, expected);
}

TEST(Relay, WordsAreSigned16BitHalves) {
    struct Case {
        Long nValue;
        Integer nLow, nHigh;
    };
    const Case cases[] = {
        {0x00000000, 0, 0},
        {0x00017FFF, 32767, 1},
        {0x0000FFFF, -1, 0},
        {static_cast<Long>(0xFFFF0001), 1, -1},
        {static_cast<Long>(0x80008000), -32768, -32768},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoWord(c.nValue), c.nLow) << std::hex << c.nValue;
        EXPECT_EQ(HiWord(c.nValue), c.nHigh) << std::hex << c.nValue;
    }
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

using namespace win32;

struct RelayRecorder : clsEventsSink {
    std::vector<std::string> events;
    void OnVScroll(Long hWnd, Long nNewPos) override {
        events.push_back("VScroll " + std::to_string(hWnd) + " " + std::to_string(nNewPos));
    }
    void OnInactive(Long) override { events.push_back("Inactive"); }
    void OnMouseHover(Long) override { events.push_back("MouseHover"); }
    void OnMouseWheel(Long, Long nDelta, Long nX, Long nY) override {
        events.push_back("Wheel " + std::to_string(nDelta) + " " + std::to_string(nX) + "," +
                         std::to_string(nY));
    }
    void OnSetFocus(Long, Long hOld) override {
        events.push_back("SetFocus " + std::to_string(hOld));
    }
};

LRESULT Quiet(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

// The relay object lives while any window of the thread is hooked, so that nothing of it
// is left to keep a library loaded once the last control has gone.
TEST(Relay, TheRelayObjectGoesWithTheLastHookedWindow) {
    soft::WindowSystem windows;
    const HWND hA = windows.CreateWindowAt(HWND{}, {0, 0, 10, 10}, Quiet);
    const HWND hB = windows.CreateWindowAt(HWND{}, {0, 0, 10, 10}, Quiet);
    EXPECT_EQ(RelayEvents(), nullptr);
    HookWindow(hA);
    const std::shared_ptr<clsEvents> oFirst = RelayEvents();
    HookWindow(hB);
    UnhookWindow(hA);
    EXPECT_EQ(RelayEvents(), oFirst) << "one object for every window of the thread";
    UnhookWindow(hB);
    EXPECT_EQ(RelayEvents(), nullptr);
    HookWindow(hA);
    EXPECT_NE(RelayEvents(), nullptr);
    EXPECT_NE(RelayEvents(), oFirst);
    UnhookWindow(hA);
}

class RelayMessages : public ::testing::Test {
  protected:
    void SetUp() override {
        hWnd = windows.CreateWindowAt(HWND{}, {0, 0, 50, 50}, Quiet);
        HookWindow(hWnd);
        SetScrollRange(hWnd, SB_VERT, 0, 10, FALSE);
        oEvents = RelayEvents();
        oEvents->Connect(&recorder);
    }
    void TearDown() override {
        oEvents->Disconnect(&recorder);
        UnhookWindow(hWnd);
    }
    std::string VScroll(int nPos) {
        return "VScroll " + std::to_string(HandleValue(hWnd)) + " " + std::to_string(nPos);
    }

    soft::WindowSystem windows;
    HWND hWnd{};
    RelayRecorder recorder;
    std::shared_ptr<clsEvents> oEvents;
};

TEST_F(RelayMessages, ScrollRequestsRelayOnlyANewPositionInRange) {
    struct Case {
        int nPos, nRequest, nThumb;
        int nExpected;  // -1: nothing relayed
    };
    const Case cases[] = {
        {0, SB_LINEUP, 0, -1},       {0, SB_LINEDOWN, 0, 1},    {5, SB_PAGEDOWN, 0, 6},
        {5, SB_PAGEUP, 0, 4},        {5, SB_THUMBTRACK, 8, -1}, {5, SB_THUMBPOSITION, 5, -1},
        {5, SB_THUMBPOSITION, 8, 8}, {5, SB_TOP, 0, 0},         {5, SB_BOTTOM, 0, 10},
        {10, SB_LINEDOWN, 0, -1},    {10, SB_PAGEDOWN, 0, -1},  {5, SB_ENDSCROLL, 0, -1},
        {0, SB_TOP, 0, -1},
    };
    for (const Case& c : cases) {
        SetScrollPos(hWnd, SB_VERT, c.nPos, FALSE);
        recorder.events.clear();
        windows.SendMessage(hWnd, WM_VSCROLL, soft::ScrollRequest(c.nRequest, c.nThumb), 0);
        const std::vector<std::string> expected =
            c.nExpected < 0 ? std::vector<std::string>{}
                            : std::vector<std::string>{VScroll(c.nExpected)};
        EXPECT_EQ(recorder.events, expected) << "pos " << c.nPos << " request " << c.nRequest;
        EXPECT_EQ(GetScrollPos(hWnd, SB_VERT), c.nPos);  // the relay never moves the bar
    }
}

TEST_F(RelayMessages, ActivationRelaysOnlyTheLossOfIt) {
    for (WPARAM nState : {WA_ACTIVE, WA_CLICKACTIVE, WA_INACTIVE})
        windows.SendMessage(hWnd, WM_ACTIVATE, nState, 0);
    EXPECT_EQ(recorder.events, std::vector<std::string>{"Inactive"});
}

TEST_F(RelayMessages, WheelHoverAndFocusArriveWithTheirArguments) {
    windows.SendMessage(hWnd, WM_MOUSEWHEEL, static_cast<WPARAM>(0xFF880000u),
                        soft::PackPoint(30, -4));
    windows.SendMessage(hWnd, WM_MOUSEHOVER, 0, 0);
    windows.SendMessage(hWnd, WM_SETFOCUS, 77, 0);
    const std::vector<std::string> expected = {"Wheel -120 30,-4", "MouseHover", "SetFocus 77"};
    EXPECT_EQ(recorder.events, expected);
}

TEST_F(RelayMessages, NothingIsRelayedAfterUnhooking) {
    UnhookWindow(hWnd);
    windows.SendMessage(hWnd, WM_VSCROLL, soft::ScrollRequest(SB_LINEDOWN, 0), 0);
    windows.SendMessage(hWnd, WM_MOUSEHOVER, 0, 0);
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(GetWindowLongA(hWnd, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&Quiet));
}

}  // namespace
}  // namespace qv
