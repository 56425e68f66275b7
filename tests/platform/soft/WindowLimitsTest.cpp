#include "platform/soft/user/WindowLimits.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/soft/MessageLog.h"
#include "platform/soft/host/ControlSite.h"
#include "platform/soft/user/ClientPixels.h"
#include "platform/soft/user/WindowSystem.h"
#include "platform/win32/User.h"

namespace qv::soft {
namespace {

using namespace win32;

constexpr LONG kLongMax = std::numeric_limits<LONG>::max();
constexpr LONG kLongMin = std::numeric_limits<LONG>::min();
constexpr std::uint32_t kNewWindow = 0xC8D0D4;
constexpr std::uint32_t kPainted = 0x123456;

LRESULT Quiet(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

TEST(WindowLimitsTest, SizesAndPositionsAreClampedSoThatNothingOverflows) {
    struct Case {
        LONG nLeft, nTop;
        std::int64_t nWidth, nHeight;
        RECT rcExpected;
    };
    const Case cases[] = {
        {10, 20, 100, 80, {10, 20, 110, 100}},
        {1, 0, kLongMax, 10, {1, 0, 32768, 10}},
        {0, 0, 8000, 8000, {0, 0, 8000, 4194}},
        {0, 0, 32767, 32767, {0, 0, 32767, 1024}},
        {0, 0, 32767, 1028, {0, 0, 32767, 1024}},
        {0, 0, 0, 99999, {0, 0, 0, 32767}},
        {kLongMax, kLongMax, 10, 10, {kLongMax - 10, kLongMax - 10, kLongMax, kLongMax}},
        {2147483646, 0, 0, 0, {2147483646, 0, 2147483646, 0}},
        {kLongMin, kLongMin, 5, 5, {kLongMin, kLongMin, kLongMin + 5, kLongMin + 5}},
        {5, 5, -3, -100000, {5, 5, 5, 5}},
    };
    for (const Case& c : cases) {
        const RECT rc = LimitWindowRect(c.nLeft, c.nTop, c.nWidth, c.nHeight);
        EXPECT_EQ(rc, c.rcExpected)
            << c.nLeft << "," << c.nTop << " " << c.nWidth << "x" << c.nHeight;
    }
    EXPECT_EQ(LimitWindowRect(RECT{kLongMin, 0, kLongMax, 10}),
              (RECT{kLongMin, 0, kLongMin + 32767, 10}));
    EXPECT_EQ(LimitWindowRect(RECT{50, 50, 10, 10}), (RECT{50, 50, 50, 50}));
}

TEST(WindowLimitsTest, PointsArePinnedToThirtyTwoBits) {
    EXPECT_EQ(OffsetPoint({kLongMax, kLongMin}, 1, -1).x, kLongMax);
    EXPECT_EQ(OffsetPoint({kLongMax, kLongMin}, 1, -1).y, kLongMin);
    EXPECT_EQ(OffsetPoint({-5, 7}, 2, 3).x, -3);
    EXPECT_EQ(OffsetPoint({-5, 7}, 2, 3).y, 10);
}

// What a client area shows after a run of size changes, whether the pixels followed each
// change at once or only when they were looked at.
TEST(ClientPixelsTest, PixelsKeepWhatFitsEverySizePassedThrough) {
    struct Probe {
        int nX, nY;
        std::uint32_t nExpected;
    };
    struct Case {
        const char* sName;
        std::vector<std::pair<int, int>> sizes;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {"narrower and back",
         {{84, 80}, {100, 80}},
         {{83, 79, kPainted}, {84, 0, kNewWindow}, {99, 79, kNewWindow}}},
        {"lower and back", {{100, 30}, {100, 80}}, {{99, 29, kPainted}, {0, 30, kNewWindow}}},
        {"larger", {{120, 90}}, {{99, 79, kPainted}, {100, 0, kNewWindow}, {0, 80, kNewWindow}}},
        {"both ways",
         {{50, 90}, {90, 40}, {100, 80}},
         {{49, 39, kPainted}, {50, 0, kNewWindow}, {0, 40, kNewWindow}}},
        {"no change", {{100, 80}}, {{99, 79, kPainted}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sName);
        ClientPixels client;
        client.Resize(100, 80);
        Surface& surface = *client;
        for (int nY = 0; nY < 80; ++nY)
            for (int nX = 0; nX < 100; ++nX) surface.SetPixel(nX, nY, kPainted);
        for (const auto& [nWidth, nHeight] : c.sizes) client.Resize(nWidth, nHeight);
        EXPECT_EQ(client->Width(), c.sizes.back().first);
        EXPECT_EQ(client->Height(), c.sizes.back().second);
        for (const Probe& probe : c.probes)
            EXPECT_EQ(client->Pixel(probe.nX, probe.nY), probe.nExpected)
                << probe.nX << "," << probe.nY;
    }
}

TEST(ClientPixelsTest, ASizeThatComesBackKeepsItsSurfaceAndCountsAsAChange) {
    ClientPixels client;
    client.Resize(100, 80);
    const Surface* pBefore = client.Get().get();
    const unsigned nGeneration = client.Generation();
    client.Resize(84, 80);
    client.Resize(100, 80);
    EXPECT_EQ(client.Get().get(), pBefore);
    EXPECT_EQ(client.Generation(), nGeneration + 2);
    client.Resize(100, 80);
    EXPECT_EQ(client.Generation(), nGeneration + 2);
}

class WindowGrowthTest : public ::testing::Test {
  protected:
    // The pixels the window really has, the size it reports and the budget agree.
    void ExpectBacked(HWND hWnd) {
        const Window& window = *windows.Find(hWnd);
        const Surface& client = *window.pClient;
        EXPECT_EQ(client.Width(), window.ClientWidth());
        EXPECT_EQ(client.Height(), window.ClientHeight());
        const RECT& rc = window.rcOuter;
        EXPECT_LE(std::int64_t{rc.right - rc.left} * (rc.bottom - rc.top), kMaxWindowPixels);
        EXPECT_LE(rc.right - rc.left, kMaxWindowSide);
        EXPECT_LE(rc.bottom - rc.top, kMaxWindowSide);
    }
    WindowSystem windows;
};

TEST_F(WindowGrowthTest, EveryWayAWindowGrowsStaysWithinThePixelBudget) {
    const HWND hWnd = windows.CreateWindowAt(HWND{}, {0, 0, 10, 10}, Quiet);
    windows.SetBorderWidth(hWnd, 2);
    ExpectBacked(hWnd);
    windows.MoveWindow(hWnd, {0, 0, 8000, 8000});
    ExpectBacked(hWnd);
    windows.MoveWindow(hWnd, {1, 0, kLongMax, 10});
    ExpectBacked(hWnd);
    windows.MoveWindow(hWnd, {0, 0, 32767, 1028});
    ShowScrollBar(hWnd, SB_VERT, TRUE);
    ExpectBacked(hWnd);
    windows.SetBorderWidth(hWnd, 0);
    ExpectBacked(hWnd);
    ShowScrollBar(hWnd, SB_VERT, FALSE);
    ExpectBacked(hWnd);
    EXPECT_EQ(windows.Find(hWnd)->ClientWidth(), 32767);
    EXPECT_EQ(windows.Find(hWnd)->ClientHeight(), 1024);
    const HWND hHuge = windows.CreateWindowAt(HWND{}, {0, 0, kLongMax, kLongMax}, Quiet);
    ExpectBacked(hHuge);
}

// The host tells the control the client size its window really has.
TEST(ControlSiteLimitsTest, ScaleSizesAreTheClientPixelsTheWindowHas) {
    struct Case {
        int nX, nWidth, nHeight;
        float fScaleWidth, fScaleHeight;
    };
    const Case cases[] = {
        {0, 32767, 32767, 32763.0f, 1020.0f},
        {0, 8000, 8000, 7996.0f, 4190.0f},
        {1, kLongMax, 10, 32763.0f, 6.0f},
        {kLongMax, 100, 50, 96.0f, 46.0f},
    };
    for (const Case& c : cases) {
        Form form{640, 480};
        ControlSite site{form, c.nX, 0, c.nWidth, c.nHeight};
        site.SetBorderStyle(1);
        EXPECT_EQ(site.ScaleWidth(), c.fScaleWidth) << c.nWidth;
        EXPECT_EQ(site.ScaleHeight(), c.fScaleHeight) << c.nHeight;
        const Surface& client = *form.Windows().Find(site.hWnd())->pClient;
        EXPECT_EQ(client.Width(), static_cast<int>(site.ScaleWidth()));
        EXPECT_EQ(client.Height(), static_cast<int>(site.ScaleHeight()));
        site.ResizeOuter(c.nWidth, c.nHeight);
        EXPECT_EQ(site.ScaleWidth(), c.fScaleWidth) << c.nWidth;
        EXPECT_EQ(site.Height(), (c.fScaleHeight + 4) * 15.0f);
    }
}

// A form at 0,0 with a 4-pixel border holding N (10,10 100x80, no border) and F at the far
// end of the 32-bit range with a 2-pixel border.
class FarPointTest : public ::testing::Test {
  protected:
    void SetUp() override {
        hForm = windows.CreateWindowAt(HWND{}, {0, 0, 400, 300}, Quiet);
        hNear = windows.CreateWindowAt(hForm, {10, 10, 110, 90}, MessageLog::RecordingProc);
        hFar = windows.CreateWindowAt(hForm, {kLongMax - 10, kLongMax - 10, kLongMax, kLongMax},
                                      MessageLog::RecordingProc);
        windows.SetBorderWidth(hForm, 4);
        windows.SetBorderWidth(hFar, 2);
        for (HWND hWnd : {hForm, hNear, hFar}) windows.SetVisible(hWnd, true);
        windows.RunUntilIdle();
        MessageLog::Take();
    }
    std::string In(HWND hWnd, const std::string& sLine) {
        return std::to_string(HandleValue(hWnd)) + " " + sLine;
    }

    WindowSystem windows;
    HWND hForm{}, hNear{}, hFar{};
};

TEST_F(FarPointTest, PressesAndCapturedMovesAtTheEdgesOfThirtyTwoBits) {
    windows.MouseDown({kLongMax, kLongMax}, kLeftButton, 0);  // client 4,4 of F
    windows.MouseUp({kLongMin, kLongMin}, kLeftButton, 0);
    windows.MouseDown({20, 20}, kLeftButton, 0);  // client 6,6 of N
    windows.MouseMove({kLongMin, kLongMax}, 0);
    windows.MouseUp({kLongMax, kLongMin}, kLeftButton, 0);
    const std::vector<std::string> expected = {
        In(hFar, "SETFOCUS from=0"),
        In(hFar, "LBUTTONDOWN 4,4"),
        In(hFar, "LBUTTONUP -32768,-32768"),
        In(hFar, "KILLFOCUS to=" + std::to_string(HandleValue(hNear))),
        In(hNear, "SETFOCUS from=" + std::to_string(HandleValue(hFar))),
        In(hNear, "LBUTTONDOWN 6,6"),
        In(hNear, "MOUSEMOVE -32768,32767 keys=1"),
        In(hNear, "LBUTTONUP 32767,-32768"),
    };
    EXPECT_EQ(MessageLog::Take(), expected);
}

TEST_F(FarPointTest, ADraggedThumbFollowsThePointerToTheEndsOfItsTrack) {
    SetScrollRange(hNear, SB_VERT, 0, 100, FALSE);
    ShowScrollBar(hNear, SB_VERT, TRUE);
    windows.MouseDown({106, 32}, kLeftButton, 0);  // on the thumb, 2 pixels below its top
    windows.MouseMove({106, kLongMax}, 0);
    windows.MouseMove({106, kLongMin}, 0);
    windows.MouseUp({kLongMin, kLongMin}, kLeftButton, 0);
    const std::vector<std::string> expected = {
        In(hNear, "VSCROLL 5 pos=100"),
        In(hNear, "VSCROLL 5 pos=0"),
        In(hNear, "VSCROLL 4 pos=0"),
        In(hNear, "VSCROLL 8 pos=0"),
    };
    EXPECT_EQ(MessageLog::Take(), expected);
}

TEST(FarOriginTest, AClientOriginBeyondThirtyTwoBitsIsPinnedAndNoPointReachesIt) {
    WindowSystem windows;
    const HWND hForm = windows.CreateWindowAt(HWND{}, {kLongMax - 400, 0, kLongMax, 300}, Quiet);
    const HWND hBeyond =
        windows.CreateWindowAt(hForm, {kLongMax - 10, 0, kLongMax, 10}, MessageLog::RecordingProc);
    for (HWND hWnd : {hForm, hBeyond}) windows.SetVisible(hWnd, true);
    MessageLog::Take();
    EXPECT_EQ(windows.ClientOrigin(hBeyond).x, kLongMax);
    for (const POINT pt : {POINT{kLongMax, 5}, POINT{kLongMax - 5, 5}, POINT{kLongMin, 5}}) {
        windows.MouseDown(pt, kLeftButton, 0);
        windows.MouseUp(pt, kLeftButton, 0);
    }
    EXPECT_TRUE(MessageLog::Take().empty());
}

TEST(ScrollBarLimitsTest, TheWidestRangesAndPagesLayOutWithoutOverflow) {
    ScrollBarState wide{true, kLongMin, kLongMax, 0, 0};
    const ScrollBarLayout layout = ScrollBarLayout::Of(wide, kScrollBarWidth, 100);
    EXPECT_EQ(layout.nThumbLength, 8);
    EXPECT_EQ(layout.nThumbTop, layout.nTrackTop + (layout.nTrackLength - 8) / 2);
    EXPECT_EQ(layout.PositionForThumbTop(wide, kLongMax), kLongMax);
    EXPECT_EQ(layout.PositionForThumbTop(wide, kLongMin), kLongMin);
    ScrollBarState hugePage{true, 0, 10, 0xFFFFFFFFu, 5};
    EXPECT_EQ(HighestPosition(hugePage), 0);
    EXPECT_EQ(ScrollBarLayout::Of(hugePage, kScrollBarWidth, 100).nThumbLength, 0);
}

}  // namespace
}  // namespace qv::soft
