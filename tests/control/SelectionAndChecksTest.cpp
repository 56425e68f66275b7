#include <gtest/gtest.h>

#include "control/ControlFixture.h"

namespace qv {
namespace {

class SetSelectedItemTest : public ControlTest {};

TEST_F(SetSelectedItemTest, SingleSelectionAndCheckStyleKeepOneFlag) {
    struct Case {
        enmStyle eStyle;
        enmMultiSelect eMode;
        std::vector<Long> expected;
    };
    const Case cases[] = {
        {lsNormal, msSingle, {3}}, {lsNormal, msMulti, {1, 3}}, {lsNormal, msExtend, {1, 3}},
        {lsCheck, msSingle, {3}},  {lsCheck, msMulti, {3}},
    };
    for (const Case& c : cases) {
        control.RemoveAll();
        Inspect::SetStyle(control, c.eStyle);
        Inspect::SetMultiSelect(control, c.eMode);
        Fill(5);
        EXPECT_EQ(control.SetSelectedItem(1, VbTrue), VbTrue);
        EXPECT_EQ(control.SetSelectedItem(3, VbTrue), VbTrue);
        EXPECT_EQ(SelectedIndices(), c.expected) << "style " << c.eStyle << " mode " << c.eMode;
        EXPECT_EQ(Inspect::CheckListCount(control), 0);  // marks set directly bypass the queue
    }
}

TEST_F(SetSelectedItemTest, ReportsNoChangeForTheSameValueOrABadIndex) {
    Fill(3);
    EXPECT_EQ(control.SetSelectedItem(0, VbFalse), VbFalse);
    EXPECT_EQ(control.SetSelectedItem(3, VbTrue), VbFalse);
    EXPECT_EQ(control.SetSelectedItem(0, Boolean(1)), VbTrue);
    EXPECT_EQ(control.SetSelectedItem(0, VbTrue), VbTrue);  // -1 differs from 1
    EXPECT_EQ(Inspect::ListIndex(control), -1);             // the current item never moves
}

class CheckQueueTest : public ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        Inspect::SetStyle(control, lsCheck);
        Fill(6);
    }
};

TEST_F(CheckQueueTest, TheOldestCheckGivesWaySilently) {
    Inspect::SetMaxCheck(control, 2);
    for (Long nIndex : {0, 1, 2}) Inspect::ToggleItemCheck(control, nIndex);
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{1, 2}));
    EXPECT_EQ(Inspect::CheckList(control), (std::vector<Long>{1, 2}));
    EXPECT_EQ(recorder.log,
              (std::vector<std::string>{"ItemCheck 0", "ItemCheck 1", "ItemCheck 2"}));
}

TEST_F(CheckQueueTest, InsertionAndRemovalKeepEntriesOnTheirItems) {
    for (Long nIndex : {4, 1, 2}) Inspect::ToggleItemCheck(control, nIndex);
    recorder.log.clear();
    control.InsertItem(2, "new");  // entries 2 and 4 name items now at 3 and 5
    EXPECT_EQ(Inspect::CheckList(control), (std::vector<Long>{5, 1, 3}));
    control.RemoveItem(1);  // a checked item leaves the queue without an event
    EXPECT_EQ(Inspect::CheckList(control), (std::vector<Long>{4, 2}));
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{2, 4}));
    EXPECT_TRUE(recorder.log.empty());
}

TEST_F(CheckQueueTest, CheckingAgainMakesAnItemTheNewest) {
    for (Long nIndex : {0, 1, 2, 1, 1}) Inspect::ToggleItemCheck(control, nIndex);
    EXPECT_EQ(Inspect::CheckList(control), (std::vector<Long>{0, 2, 1}));
}

TEST_F(CheckQueueTest, TheHandlerSeesTheNewMark) {
    struct Reader : ColorListBoxEvents {
        ColorListBox* pControl = nullptr;
        std::vector<Boolean> seen;
        void ItemCheck(Long& nItemIndex) override {
            Boolean bValue;
            pControl->GetSelectedItem(nItemIndex, bValue);
            seen.push_back(bValue);
        }
    } reader;
    reader.pControl = &control;
    control.Events().Connect(&reader);
    Inspect::ToggleItemCheck(control, 3);
    Inspect::ToggleItemCheck(control, 3);
    control.Events().Disconnect(&reader);
    EXPECT_EQ(reader.seen, (std::vector<Boolean>{VbTrue, VbFalse}));
}

TEST_F(CheckQueueTest, NormalStyleAndBadIndicesToggleNothing) {
    EXPECT_FALSE(Inspect::ToggleItemCheck(control, 6));
    EXPECT_FALSE(Inspect::ToggleItemCheck(control, -1));
    Inspect::SetStyle(control, lsNormal);
    EXPECT_FALSE(Inspect::ToggleItemCheck(control, 0));
    EXPECT_TRUE(recorder.log.empty());
}

}  // namespace
}  // namespace qv
