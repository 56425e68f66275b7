#include <gtest/gtest.h>

#include "control/ControlFixture.h"
#include "platform/soft/user/WindowSystem.h"

namespace qv {
namespace {

// The user's mouse on a control whose rows are 17 pixels high in a 100-pixel client area:
// five whole rows and a partial sixth.
class MouseInputTest : public ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        site.ResizeOuter(200, 104);
        Inspect::SetItemHeight(control, 17);
        recorder.log.clear();
    }
    win32::POINT At(int nX, int nY) {
        const win32::POINT ptOrigin = form.Windows().ClientOrigin(site.hWnd());
        return {ptOrigin.x + nX, ptOrigin.y + nY};
    }
    void Press(int nX, int nY, int nButton = win32::kLeftButton, int nShift = 0) {
        form.Windows().MouseDown(At(nX, nY), nButton, nShift);
        form.RunUntilIdle();
    }
    void Release(int nX, int nY, int nButton = win32::kLeftButton) {
        form.Windows().MouseUp(At(nX, nY), nButton, 0);
        form.RunUntilIdle();
    }
    void Move(int nX, int nY) {
        form.Windows().MouseMove(At(nX, nY), 0);
        form.RunUntilIdle();
    }
    Long ListIndex() const { return Inspect::ListIndex(control); }
    Long TopIndex() const { return Inspect::TopIndex(control); }
};

TEST_F(MouseInputTest, APressSelectsTheRowUnderItOrNothingBelowTheItems) {
    struct Case {
        int nY;
        int nButton;
        Long nExpectedListIndex;
    };
    const Case cases[] = {
        {60, win32::kLeftButton, -1},   // below the third item
        {51, win32::kLeftButton, 2},    // the bottom edge of the third row counts as on it
        {20, win32::kRightButton, -1},  // other buttons never select
        {20, win32::kMiddleButton, -1}, {0, win32::kLeftButton, 0},
    };
    for (const Case& c : cases) {
        control.RemoveAll();
        Fill(3);
        recorder.log.clear();
        Press(5, c.nY, c.nButton);
        Release(5, c.nY, c.nButton);
        EXPECT_EQ(ListIndex(), c.nExpectedListIndex) << "y " << c.nY << " button " << c.nButton;
        EXPECT_EQ(SelectedIndices(), c.nExpectedListIndex < 0
                                         ? std::vector<Long>{}
                                         : std::vector<Long>{c.nExpectedListIndex});
    }
}

TEST_F(MouseInputTest, InCheckStyleTheCheckStripAndTheCurrentRowToggle) {
    control.SetStyle(lsCheck);
    Inspect::SetItemHeight(control, 17);
    Fill(4);
    Press(16, 20);  // row 1, beside the strip: selects only
    Release(16, 20);
    EXPECT_EQ(ListIndex(), 1);
    EXPECT_EQ(control.SelCount(), 0);
    Press(15, 40);  // row 2, on the strip's edge: toggles
    Release(15, 40);
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{2});
    Press(80, 40);  // anywhere on the current row toggles
    Release(80, 40);
    EXPECT_EQ(control.SelCount(), 0);
}

TEST_F(MouseInputTest, DraggingFollowsTheModeOfSelection) {
    struct Case {
        enmMultiSelect eMode;
        std::vector<Long> expected;
    };
    for (const Case& c : {Case{msSingle, {3}}, Case{msMulti, {1}}, Case{msExtend, {1, 2, 3}}}) {
        control.RemoveAll();
        control.SetMultiSelect(c.eMode);
        Fill(8);
        Press(5, 20);
        Move(5, 40);
        Move(5, 60);
        Release(5, 60);
        EXPECT_EQ(ListIndex(), 3) << c.eMode;
        EXPECT_EQ(SelectedIndices(), c.expected) << c.eMode;
    }
}

TEST_F(MouseInputTest, RestingBelowTheListScrollsOneRowPerHoverUntilTheLastItemShows) {
    Fill(10);
    Press(5, 80);  // row 4
    Move(5, 130);  // below: the row after the last one shown
    EXPECT_EQ(ListIndex(), 6);
    for (int i = 0; i < 10; ++i) form.Windows().AdvanceTime(100);
    EXPECT_EQ(ListIndex(), 9);
    EXPECT_EQ(TopIndex(), 5);  // the last item in the last whole row
    Move(5, 20);               // back inside the rows: the scrolling stops
    form.Windows().AdvanceTime(1000);
    EXPECT_EQ(TopIndex(), 5);
    Release(5, 20);
}

TEST_F(MouseInputTest, RestingAboveTheListScrollsUpUntilTheFirstItem) {
    Fill(20);
    control.SetTopIndex(10);
    Press(5, 5);
    Move(5, -10);
    EXPECT_EQ(ListIndex(), 9);
    form.Windows().AdvanceTime(5000);
    EXPECT_EQ(ListIndex(), 0);
    EXPECT_EQ(TopIndex(), 0);
    Release(5, -10);
}

TEST_F(MouseInputTest, LosingTheFocusEndsADrag) {
    control.SetMultiSelect(msExtend);
    Fill(6);
    Press(5, 5);
    form.Windows().SetFocus(win32::HWND{});
    Move(5, 60);
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{0});
    Release(5, 60);
}

TEST_F(MouseInputTest, EveryPressMoveAndReleaseReachesTheHost) {
    struct Log : ColorListBoxEvents {
        std::vector<std::string> lines;
        void MouseDown(Integer& b, Integer& s, float& x, float& y) override {
            Add("Down", b, s, x, y);
        }
        void MouseMove(Integer& b, Integer& s, float& x, float& y) override {
            Add("Move", b, s, x, y);
        }
        void MouseUp(Integer& b, Integer& s, float& x, float& y) override { Add("Up", b, s, x, y); }
        void Add(const char* sName, Integer b, Integer s, float x, float y) {
            lines.push_back(std::string(sName) + " " + std::to_string(b) + " " + std::to_string(s) +
                            " " + std::to_string(static_cast<int>(x)) + " " +
                            std::to_string(static_cast<int>(y)));
        }
    } log;
    control.Events().Connect(&log);
    Press(5, 50, win32::kRightButton, win32::kShiftMask);  // on an empty list
    Move(300, -5);
    Release(300, -5, win32::kRightButton);
    control.Events().Disconnect(&log);
    const std::vector<std::string> expected = {"Down 2 1 5 50", "Move 2 0 300 -5", "Up 2 0 300 -5"};
    EXPECT_EQ(log.lines, expected);
}

}  // namespace
}  // namespace qv
