#include <gtest/gtest.h>

#include "control/ControlFixture.h"
#include "platform/soft/user/WindowSystem.h"

namespace qv {
namespace {

using win32::WM_KEYDOWN;

constexpr int kHome = 36, kEnd = 35, kPageUp = 33, kPageDown = 34, kUp = 38, kDown = 40;
constexpr int kSpace = 32, kA = 65;

struct KeyLog : ColorListBoxEvents {
    std::vector<std::string> lines;
    void KeyDown(Integer& nCode, Integer& nShift) override {
        lines.push_back("KeyDown " + std::to_string(nCode) + " " + std::to_string(nShift));
    }
};

// Rows 17 pixels high; the client area 100 pixels (five whole rows and a partial one) or,
// with bExact, 68 pixels (four whole rows).
class KeyboardInputTest : public ControlTest {
  protected:
    void Layout(int nItems, bool bExact = false) {
        site.ResizeOuter(200, bExact ? 72 : 104);
        Inspect::SetItemHeight(control, 17);
        Fill(nItems);
        form.Windows().SetFocus(site.hWnd());
        control.Events().Connect(&keys);
    }
    void TearDown() override {
        control.Events().Disconnect(&keys);
        ControlTest::TearDown();
    }
    void Press(int nCode, int nShift = 0) {
        form.Windows().Key(WM_KEYDOWN, nCode, nShift);
        form.RunUntilIdle();
    }
    Long ListIndex() const { return Inspect::ListIndex(control); }
    Long TopIndex() const { return Inspect::TopIndex(control); }

    KeyLog keys;
};

TEST_F(KeyboardInputTest, PageDownStopsAtTheLastWholeRow) {
    Layout(20);
    Press(kHome);
    Press(kPageDown);
    EXPECT_EQ(ListIndex(), 4);
    EXPECT_EQ(TopIndex(), 0);
    Press(kPageDown);
    EXPECT_EQ(ListIndex(), 8);
    EXPECT_EQ(TopIndex(), 4);
    Press(kPageUp);  // the top row becomes current, no scrolling
    EXPECT_EQ(ListIndex(), 4);
    EXPECT_EQ(TopIndex(), 4);
    Press(kPageUp);  // a page up, and it becomes the top row
    EXPECT_EQ(ListIndex(), 0);
    EXPECT_EQ(TopIndex(), 0);
}

TEST_F(KeyboardInputTest, PageDownWithRowsThatFitExactly) {
    Layout(20, true);
    Press(kHome);
    Press(kPageDown);
    EXPECT_EQ(ListIndex(), 3);
}

TEST_F(KeyboardInputTest, HomeEndAndTheArrowsStayWithinTheList) {
    Layout(100);
    struct Step {
        int nKey;
        Long nListIndex, nTopIndex;
    };
    const Step steps[] = {
        {kEnd, 99, 95},                // the last item in the last whole row
        {kDown, 99, 95},               // on the last item: stays
        {kHome, 0, 0},   {kUp, 0, 0},  // on the first: stays
        {kDown, 1, 0},
    };
    for (const Step& step : steps) {
        Press(step.nKey);
        EXPECT_EQ(ListIndex(), step.nListIndex) << "key " << step.nKey;
        EXPECT_EQ(TopIndex(), step.nTopIndex) << "key " << step.nKey;
    }
}

TEST_F(KeyboardInputTest, ShiftExtendsAndCtrlMovesLikeThePlainKeyInExtendedSelection) {
    control.SetMultiSelect(msExtend);
    Layout(10);
    Press(kDown);  // item 0
    Press(kDown);  // item 1, the anchor
    Press(kDown, win32::kShiftMask);
    Press(kDown, win32::kShiftMask);
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{1, 2, 3}));
    Press(kDown, win32::kCtrlMask);
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{4});
}

TEST_F(KeyboardInputTest, SpaceTogglesOnlyWhereItMeansSomething) {
    struct Case {
        enmStyle eStyle;
        enmMultiSelect eMode;
        std::vector<Long> before, after;
    };
    const Case cases[] = {
        {lsCheck, msSingle, {}, {2}}, {lsNormal, msMulti, {}, {2}}, {lsNormal, msSingle, {2}, {2}}};
    for (const Case& c : cases) {
        control.RemoveAll();
        control.SetStyle(c.eStyle);
        control.SetMultiSelect(c.eMode);
        control.Events().Disconnect(&keys);
        Layout(5);
        keys.lines.clear();
        Press(kDown);
        Press(kDown);
        Press(kDown);  // item 2 current
        EXPECT_EQ(SelectedIndices(), c.before) << c.eStyle << " " << c.eMode;
        Press(kSpace);
        EXPECT_EQ(SelectedIndices(), c.after) << c.eStyle << " " << c.eMode;
        EXPECT_EQ(keys.lines.size(), 3u);  // Space is never reported going down
    }
}

TEST_F(KeyboardInputTest, CtrlASelectsEverythingOnlyInExtendedSelection) {
    for (enmMultiSelect eMode : {msExtend, msMulti}) {
        control.RemoveAll();
        control.SetMultiSelect(eMode);
        control.Events().Disconnect(&keys);
        Layout(4);
        keys.lines.clear();
        Press(kA, win32::kCtrlMask);
        EXPECT_EQ(control.SelCount(), eMode == msExtend ? 4 : 0);
        EXPECT_EQ(keys.lines, std::vector<std::string>{"KeyDown 65 2"});
    }
}

}  // namespace
}  // namespace qv
