#include <gtest/gtest.h>

#include "access/AccessModel.h"
#include "access/AccessSink.h"
#include "control/AccessView.h"
#include "control/ControlFixture.h"

namespace qv {
namespace {

class NoticeLog : public access::IAccessSink {
  public:
    void OnAccessNotice(const access::AccessNotice& notice) override {
        std::string sLine = std::string(access::AccessEventName(notice.eEvent)) + " " +
                            std::to_string(notice.nIndex);
        if (notice.nCause != -1) sLine += " by " + std::to_string(notice.nCause);
        lines.push_back(sLine);
    }
    std::vector<std::string> lines;
};

using Lines = std::vector<std::string>;

// Ten items, the list focused, the model and a listener connected.
class AccessNoticeTest : public ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        Fill(10);
        control.UserControl_GotFocus();
        control.SetAccessSink(&log);
    }
    void TearDown() override {
        control.SetAccessSink(nullptr);
        ControlTest::TearDown();
    }
    void Press(Long nIndex, Integer nShift = 0, bool bOnCheck = false) {
        Inspect::SelectByInput(control, nIndex, nShift, bOnCheck);
    }
    Lines Take() { return std::exchange(log.lines, {}); }

    NoticeLog log;
    ColorListBoxAccess view{control};
    access::AccessModel model{view, view};
};

TEST_F(AccessNoticeTest, SelectionChangesAreHeardPerItemInEachMode) {
    struct Case {
        enmMultiSelect eMode;
        std::vector<std::pair<Long, Integer>> presses;  // index, shift
        Lines heard;
    };
    const Case cases[] = {
        {msSingle,
         {{2, 0}, {4, 0}},
         {"focus 2", "selectionadd 2", "focus 4", "selectionremove 2", "selectionadd 4"}},
        {msMulti, {{2, 0}, {2, 0}}, {"focus 2", "selectionadd 2", "selectionremove 2"}},
        {msExtend,
         {{1, 0}, {3, 1}},
         {"focus 1", "selectionadd 1", "focus 3", "selectionadd 2", "selectionadd 3"}},
        {msExtend,
         {{1, 0}, {3, 1}, {2, 1}},
         {"focus 1", "selectionadd 1", "focus 3", "selectionadd 2", "selectionadd 3", "focus 2",
          "selectionremove 3"}},
        {msExtend, {{1, 0}, {3, 2}}, {"focus 1", "selectionadd 1", "focus 3", "selectionadd 3"}},
    };
    for (const Case& c : cases) {
        control.SetMultiSelect(c.eMode);
        Press(0);
        Press(0, 2);  // clears every flag but leaves 0 current, in each mode
        for (Long i = 0; i < 10; ++i) control.SetSelectedItem(i, VbFalse);
        Take();
        for (const auto& [nIndex, nShift] : c.presses) Press(nIndex, nShift);
        EXPECT_EQ(Take(), c.heard) << "MultiSelect " << c.eMode;
    }
}

TEST_F(AccessNoticeTest, TheCheckThatGivesWayIsHeardAfterTheNewCheck) {
    control.SetStyle(lsCheck);
    control.SetMaxCheck(2);
    Take();
    Press(0, 0, true);
    Press(1, 0, true);
    Press(2, 0, true);
    Press(2, 0, true);
    EXPECT_EQ(Take(), (Lines{"focus 0", "statechange 0", "focus 1", "statechange 1", "focus 2",
                             "statechange 2", "evict 0 by 2", "statechange 2"}));
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{1});
    // A lower cap unchecks the oldest as well, without a new check to name.
    Press(3, 0, true);
    Press(4, 0, true);
    Take();
    control.SetMaxCheck(1);
    EXPECT_EQ(Take(), (Lines{"statechange 3"}));
}

TEST_F(AccessNoticeTest, ScrollingAndListEditsAreHeard) {
    Fill(30);
    Take();
    const Long nTop = Inspect::TopIndex(control);
    control.SetTopIndex(5);
    EXPECT_EQ(Take(), (Lines{"scroll " + std::to_string(Inspect::TopIndex(control))}));
    EXPECT_NE(Inspect::TopIndex(control), nTop);
    control.InsertItem(3, "New");
    control.RemoveItem(7);
    control.RemoveAll();
    EXPECT_EQ(Take(), (Lines{"reorder 3", "reorder 7", "reorder -1"}));
}

TEST_F(AccessNoticeTest, HostSelectionChangesAreHeardLikeUserOnes) {
    control.SetMultiSelect(msMulti);
    control.SetSelectedItem(4, VbTrue);
    control.SetSelectedItem(4, VbTrue);  // no change, nothing to hear
    control.SetSelectedItem(4, VbFalse);
    control.SetListIndex(6);
    EXPECT_EQ(Take(), (Lines{"selectionadd 4", "selectionremove 4", "focus 6"}));
    control.SetMultiSelect(msSingle);
    control.SetSelectedItem(2, VbTrue);
    control.SetSelectedItem(5, VbTrue);
    EXPECT_EQ(Take(), (Lines{"focus -1", "selectionadd 2", "selectionremove 2", "selectionadd 5"}));
}

TEST_F(AccessNoticeTest, OnlyAFocusedListMovesTheFocus) {
    control.UserControl_LostFocus();
    Press(3);
    EXPECT_EQ(Take(), (Lines{"selectionadd 3"}));
    control.UserControl_GotFocus();
    EXPECT_EQ(Take(), (Lines{"focus 3"}));
}

TEST_F(AccessNoticeTest, WithNoListenerTheControlBehavesAsBefore) {
    control.SetAccessSink(nullptr);
    control.SetStyle(lsCheck);
    control.SetMaxCheck(1);
    Press(1, 0, true);
    Press(2, 0, true);
    EXPECT_TRUE(log.lines.empty());
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{2});
}

TEST_F(AccessNoticeTest, DefaultActionGoesThroughUserInput) {
    struct Case {
        enmStyle eStyle;
        enmMultiSelect eMode;
        Long nIndex;
        std::vector<Long> selected;
        Lines events;
    };
    const Case cases[] = {
        {lsNormal, msSingle, 4, {4}, {}},
        {lsNormal, msMulti, 4, {4}, {}},
        {lsCheck, msSingle, 4, {4}, {"ItemCheck 4"}},
    };
    for (const Case& c : cases) {
        control.RemoveAll();
        Fill(10);
        control.SetStyle(c.eStyle);
        control.SetMultiSelect(c.eMode);
        recorder.log.clear();
        Take();
        EXPECT_TRUE(model.DoDefaultAction(c.nIndex));
        EXPECT_EQ(SelectedIndices(), c.selected) << c.eStyle << " " << c.eMode;
        EXPECT_EQ(Inspect::ListIndex(control), c.nIndex);
        EXPECT_EQ(recorder.log, c.events);
        EXPECT_GT(PaintsWhenIdle(), 0);
        EXPECT_EQ(Take().front(), "focus " + std::to_string(c.nIndex));
    }
}

TEST_F(AccessNoticeTest, TheModelReadsTheControlsRowsAndStates) {
    Fill(30);
    control.SetStyle(lsCheck);
    Press(1, 0, true);
    const Long nHeight = Inspect::ItemHeight(control);
    const std::optional<access::AccessibleItem> item = model.Item(1);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->eRole, access::Role::CheckBox);
    EXPECT_EQ(access::StateNames(item->states), "focused,checked");
    EXPECT_EQ(item->bounds,
              (access::Bounds{0, nHeight, static_cast<Long>(site.ScaleWidth()), nHeight}));
    const Long nLast = Inspect::VisibleCount(control);
    EXPECT_EQ(access::StateNames(model.Item(nLast)->states), "offscreen");
    EXPECT_EQ(model.VisibleRows().nCount, nLast);
}

}  // namespace
}  // namespace qv
