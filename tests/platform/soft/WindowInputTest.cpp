#include <gtest/gtest.h>

#include "platform/soft/MessageLog.h"
#include "platform/soft/user/WindowSystem.h"
#include "platform/win32/User.h"

namespace qv::soft {
namespace {

using namespace win32;

// A form with two child windows side by side: A at (10,10) 100x80 with a 2-pixel border,
// B at (150,10) 100x80 without one.
class WindowInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_hForm = windows.CreateWindowAt(HWND{}, {0, 0, 400, 300}, MessageLog::RecordingProc);
        hA = windows.CreateWindowAt(m_hForm, {10, 10, 110, 90}, MessageLog::RecordingProc);
        hB = windows.CreateWindowAt(m_hForm, {150, 10, 250, 90}, MessageLog::RecordingProc);
        windows.SetBorderWidth(hA, 2);
        for (HWND hWnd : {m_hForm, hA, hB}) windows.SetVisible(hWnd, true);
        windows.RunUntilIdle();
        MessageLog::Take();
    }
    std::string A(const std::string& sLine) {
        return std::to_string(HandleValue(hA)) + " " + sLine;
    }
    std::string B(const std::string& sLine) {
        return std::to_string(HandleValue(hB)) + " " + sLine;
    }

    WindowSystem windows;
    HWND m_hForm{}, hA{}, hB{};
};

TEST_F(WindowInputTest, APressCapturesTheMouseUntilItsRelease) {
    windows.MouseDown({22, 32}, kLeftButton, 0);  // client 10,20 of A
    windows.MouseMove({400, 5}, 0);               // far outside A, over nothing of A
    windows.MouseUp({-30, 200}, kLeftButton, 0);
    windows.MouseMove({160, 20}, 0);  // no capture any more: B
    const std::vector<std::string> expected = {
        A("SETFOCUS from=0"),   A("LBUTTONDOWN 10,20"),      A("MOUSEMOVE 388,-7 keys=1"),
        A("LBUTTONUP -42,188"), B("MOUSEMOVE 10,10 keys=0"),
    };
    EXPECT_EQ(MessageLog::Take(), expected);
}

TEST_F(WindowInputTest, OnlyALeftPressMovesTheFocus) {
    windows.MouseDown({160, 20}, kRightButton, 0);
    windows.MouseUp({160, 20}, kRightButton, 0);
    EXPECT_EQ(windows.Focus(), HWND{});
    windows.MouseDown({160, 20}, kLeftButton, 0);
    EXPECT_EQ(windows.Focus(), hB);
}

TEST_F(WindowInputTest, FocusMovesWithKillThenSetAndKeysFollowIt) {
    windows.SetFocus(hA);
    windows.SetFocus(hB);
    windows.Key(WM_KEYDOWN, 40, win32::kShiftMask);
    windows.SetFocus(HWND{});
    windows.Key(WM_KEYDOWN, 40, 0);  // no focus: nobody hears it
    const std::string sA = std::to_string(HandleValue(hA));
    const std::string sB = std::to_string(HandleValue(hB));
    const std::vector<std::string> expected = {
        A("SETFOCUS from=0"), A("KILLFOCUS to=" + sB), B("SETFOCUS from=" + sA),
        B("KEYDOWN 40"),      B("KILLFOCUS to=0"),
    };
    EXPECT_EQ(MessageLog::Take(), expected);
}

TEST_F(WindowInputTest, DisabledWindowsTakeNeitherFocusNorMouse) {
    windows.EnableWindow(hB, false);
    windows.SetFocus(hB);
    windows.MouseDown({160, 20}, kLeftButton, 0);  // lands on the form instead
    windows.MouseUp({160, 20}, kLeftButton, 0);
    EXPECT_NE(windows.Focus(), hB);
    for (const std::string& sLine : MessageLog::Take())
        EXPECT_EQ(sLine.rfind(std::to_string(HandleValue(hB)), 0), std::string::npos) << sLine;
}

class ScrollBarInputTest : public WindowInputTest {
  protected:
    void SetUp() override {
        WindowInputTest::SetUp();
        // B's bar: client 84x80, bar at x 84..99; arrows 16 high; track 16..63.
        SetScrollRange(hB, SB_VERT, 0, 9, FALSE);
        SCROLLINFO info;
        info.fMask = SIF_PAGE;
        info.nPage = 1;
        SetScrollInfo(hB, SB_VERT, &info, FALSE);
        ShowScrollBar(hB, SB_VERT, TRUE);
        MessageLog::Take();
    }
    POINT Bar(int nY) { return {150 + 84 + 8, 10 + nY}; }
};

TEST_F(ScrollBarInputTest, ArrowAndTrackPressesAskForOneStepEach) {
    struct Case {
        int nY;
        int nRequest;
    };
    SetScrollPos(hB, SB_VERT, 5, TRUE);
    // Thumb: 48 * 1 / 10 = 4 pixels, raised to 8; its top at 16 + 40 * 5 / 9 = 38.
    for (const Case& c :
         {Case{3, SB_LINEUP}, Case{75, SB_LINEDOWN}, Case{20, SB_PAGEUP}, Case{60, SB_PAGEDOWN}}) {
        windows.MouseDown(Bar(c.nY), kLeftButton, 0);
        windows.MouseUp(Bar(c.nY), kLeftButton, 0);
        const std::vector<std::string> expected = {
            B("VSCROLL " + std::to_string(c.nRequest) + " pos=0"), B("VSCROLL 8 pos=0")};
        EXPECT_EQ(MessageLog::Take(), expected) << "y " << c.nY;
    }
    EXPECT_EQ(GetScrollPos(hB, SB_VERT), 5);  // the bar itself does not move
    EXPECT_EQ(windows.Focus(), HWND{});       // nor does the focus
}

TEST_F(ScrollBarInputTest, DraggingTheThumbTracksThenReleasesAtTheLastPosition) {
    windows.MouseDown(Bar(18), kLeftButton, 0);  // thumb at 16..23, grabbed 2 below its top
    windows.MouseMove(Bar(19), 0);               // less than half a step: no request
    windows.MouseMove(Bar(40), 0);               // top 38: position 5
    windows.MouseMove(Bar(500), 0);              // far below: the last position
    windows.MouseUp(Bar(500), kLeftButton, 0);
    const std::vector<std::string> expected = {B("VSCROLL 5 pos=5"), B("VSCROLL 5 pos=9"),
                                               B("VSCROLL 4 pos=9"), B("VSCROLL 8 pos=0")};
    EXPECT_EQ(MessageLog::Take(), expected);
}

class HoverTest : public WindowInputTest {
  protected:
    void Track(HWND hWnd) {
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_HOVER;
        track.hwndTrack = hWnd;
        track.dwHoverTime = 100;
        ASSERT_EQ(TrackMouseEvent(&track), TRUE);
    }
};

TEST_F(HoverTest, OneHoverAfterThePointerRestedForTheHoverTime) {
    windows.MouseMove({160, 20}, 0);
    MessageLog::Take();
    Track(hB);
    windows.AdvanceTime(60);
    windows.MouseMove({161, 21}, 0);  // resting starts again
    windows.AdvanceTime(99);
    EXPECT_EQ(MessageLog::Take(), std::vector<std::string>{B("MOUSEMOVE 11,11 keys=0")});
    windows.AdvanceTime(1);
    windows.AdvanceTime(1000);  // one notification per request
    EXPECT_EQ(MessageLog::Take(), std::vector<std::string>{B("MOUSEHOVER 11,11")});
}

TEST_F(HoverTest, HoverOutsideTheWindowOnlyWithTheCapture) {
    windows.MouseMove({300, 200}, 0);  // over the form, not B
    MessageLog::Take();
    Track(hB);
    windows.AdvanceTime(500);
    EXPECT_TRUE(MessageLog::Take().empty());
    windows.MouseDown({160, 20}, kLeftButton, 0);
    windows.MouseMove({160, 250}, 0);
    Track(hB);
    windows.AdvanceTime(100);
    EXPECT_EQ(MessageLog::Take().back(), B("MOUSEHOVER 10,240"));
}

TEST_F(HoverTest, TimeRunsOutOfRequestsWithoutHanging) {
    windows.MouseMove({160, 20}, 0);
    const unsigned long long nStart = windows.Now();  // the thread's clock may have run before
    windows.AdvanceTime(0);
    windows.AdvanceTime(3600u * 1000u);
    EXPECT_EQ(windows.Now() - nStart, 3600ull * 1000ull);
}

}  // namespace
}  // namespace qv::soft
