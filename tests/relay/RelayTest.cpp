#include <gtest/gtest.h>

#include <vector>

#include "platform/soft/user/WindowSystem.h"
#include "platform/win32/User.h"
#include "relay/mduAPI.h"

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
