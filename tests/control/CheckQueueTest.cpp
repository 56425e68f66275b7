#include <gtest/gtest.h>

#include "control/ControlFixture.h"
#include "properties/MessageBoxLog.h"

namespace qv {
namespace {

// Check style with six items; marks are toggled as a press on the check strip does.
class CheckQueueTest : public ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        control.SetStyle(lsCheck);
        Fill(6);
        recorder.log.clear();
    }
    void Toggle(std::initializer_list<Long> indices) {
        for (Long nIndex : indices) Inspect::SelectByInput(control, nIndex, 0, true);
    }
    std::vector<Long> Queue() const { return Inspect::CheckList(control); }
    static std::vector<std::string> ItemChecks(std::initializer_list<Long> indices) {
        std::vector<std::string> lines;
        for (Long nIndex : indices) lines.push_back("ItemCheck " + std::to_string(nIndex));
        return lines;
    }
};

TEST_F(CheckQueueTest, TheOldestCheckGivesWaySilently) {
    struct Case {
        Long nMaxCheck;
        std::vector<Long> queue;
    };
    for (const Case& c : {Case{2, {1, 2}}, Case{1, {2}}, Case{0, {0, 1, 2}}, Case{3, {0, 1, 2}}}) {
        control.RemoveAll();
        Fill(6);
        Inspect::SetMaxCheck(control, c.nMaxCheck);
        recorder.log.clear();
        Toggle({0, 1, 2});
        EXPECT_EQ(Queue(), c.queue) << "MaxCheck " << c.nMaxCheck;
        EXPECT_EQ(SelectedIndices(), c.queue) << "MaxCheck " << c.nMaxCheck;
        EXPECT_EQ(Inspect::CheckListCount(control), static_cast<Long>(c.queue.size()));
        EXPECT_EQ(recorder.log, ItemChecks({0, 1, 2})) << "MaxCheck " << c.nMaxCheck;
    }
}

TEST_F(CheckQueueTest, OneCheckAtATimeActsAsAGroupOfOptionButtons) {
    Inspect::SetMaxCheck(control, 1);
    for (Long nIndex : {3, 0, 5, 5, 2}) {
        Toggle({nIndex});
        EXPECT_LE(SelectedIndices().size(), 1u);
    }
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{2});
}

TEST_F(CheckQueueTest, CheckingAgainMakesAnItemTheNewest) {
    Toggle({0, 1, 2, 1});
    EXPECT_EQ(Queue(), (std::vector<Long>{0, 2}));
    Toggle({1});
    EXPECT_EQ(Queue(), (std::vector<Long>{0, 2, 1}));
    control.SetMaxCheck(2);  // so the oldest, 0, goes first, and 2 next
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{1, 2}));
    Toggle({4});
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{1, 4}));
}

TEST_F(CheckQueueTest, LoweringMaxCheckUnchecksTheOldestWithOneRedrawAndNoEvents) {
    Toggle({4, 1, 3});
    PaintsWhenIdle();
    recorder.log.clear();
    control.SetMaxCheck(1);
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{3});
    EXPECT_EQ(Queue(), std::vector<Long>{3});
    EXPECT_EQ(PaintsWhenIdle(), 1);
    EXPECT_EQ(recorder.log, std::vector<std::string>{"PropertyChanged MaxCheck"});
    control.SetMaxCheck(3);  // raising the cap checks nothing again
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{3});
    control.SetMaxCheck(0);
    Toggle({0, 1, 2, 4, 5});
    EXPECT_EQ(control.SelCount(), 6);
}

TEST_F(CheckQueueTest, MaxCheckRefusesValuesOutOfRange) {
    struct Case {
        Long nValue;
        std::vector<std::string> boxes;
        std::vector<std::string> log;
    };
    const std::string sBox = "16 0　～　30000 の数字を設定してください";
    const Case cases[] = {
        {30001, {sBox}, {}},
        {-1, {sBox}, {}},
        {5, {}, {}},  // the value it already has
        {30000, {}, {"PropertyChanged MaxCheck"}},
        {0, {}, {"PropertyChanged MaxCheck"}},
    };
    control.SetMaxCheck(5);
    for (const Case& c : cases) {
        const Long nBefore = control.MaxCheck();
        MessageBoxLog boxes;
        recorder.log.clear();
        control.SetMaxCheck(c.nValue);
        EXPECT_EQ(boxes.shown, c.boxes) << c.nValue;
        EXPECT_EQ(recorder.log, c.log) << c.nValue;
        EXPECT_EQ(control.MaxCheck(), c.log.empty() ? nBefore : c.nValue) << c.nValue;
    }
}

TEST_F(CheckQueueTest, InsertionAndRemovalKeepEntriesOnTheirItems) {
    Toggle({4, 1, 2});
    recorder.log.clear();
    control.InsertItem(2, "new");  // entries 2 and 4 name items now at 3 and 5
    EXPECT_EQ(Queue(), (std::vector<Long>{5, 1, 3}));
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{1, 3, 5}));  // the new item is unchecked
    control.InsertItem(0, "first");
    EXPECT_EQ(Queue(), (std::vector<Long>{6, 2, 4}));
    control.RemoveItem(2);  // a checked item leaves the queue without an event
    EXPECT_EQ(Queue(), (std::vector<Long>{5, 3}));
    control.RemoveItem(0);
    EXPECT_EQ(Queue(), (std::vector<Long>{4, 2}));
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{2, 4}));
    EXPECT_EQ(Texts()[2], "Item 2");
    EXPECT_EQ(Texts()[4], "Item 4");
    EXPECT_TRUE(recorder.log.empty());
    control.RemoveAll();
    EXPECT_TRUE(Queue().empty());
    EXPECT_EQ(Inspect::CheckListCount(control), 0);
}

TEST_F(CheckQueueTest, TheHandlerSeesTheNewMarkAndTheNewCurrentItem) {
    struct Reader : ColorListBoxEvents {
        ColorListBox* pControl = nullptr;
        std::vector<std::string> seen;
        void ItemCheck(Long& nItemIndex) override {
            Boolean bValue;
            pControl->GetSelectedItem(nItemIndex, bValue);
            seen.push_back(std::to_string(nItemIndex) + " " + std::to_string(bValue.Value()) +
                           " current " + std::to_string(pControl->ListIndex()) + " count " +
                           std::to_string(pControl->SelCount()));
        }
    } reader;
    reader.pControl = &control;
    control.Events().Connect(&reader);
    Inspect::SetMaxCheck(control, 1);
    Toggle({3, 3, 1, 4});
    control.Events().Disconnect(&reader);
    EXPECT_EQ(reader.seen,
              (std::vector<std::string>{"3 -1 current 3 count 1", "3 0 current 3 count 0",
                                        "1 -1 current 1 count 1", "4 -1 current 4 count 1"}));
}

TEST_F(CheckQueueTest, NormalStyleAndBadIndicesToggleNothing) {
    EXPECT_FALSE(Inspect::ToggleItemCheck(control, 6));
    EXPECT_FALSE(Inspect::ToggleItemCheck(control, -1));
    Inspect::SetStyle(control, lsNormal);
    EXPECT_FALSE(Inspect::ToggleItemCheck(control, 0));
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_TRUE(Queue().empty());
}

TEST_F(CheckQueueTest, MarksSetByTheHostJoinTheOrderSoTheCapStillHolds) {
    Inspect::SetMaxCheck(control, 1);
    control.SetSelectedItem(2, VbTrue);
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_EQ(Queue(), std::vector<Long>{2});
    Toggle({4});  // the user's choice replaces the host's
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{4});
    Toggle({2});
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{2});
    EXPECT_EQ(Queue(), std::vector<Long>{2});
    control.SetSelectedItem(2, VbFalse);
    EXPECT_TRUE(Queue().empty());
}

TEST_F(CheckQueueTest, ACapBelowOneFromSavedPropertiesMeansNoCap) {
    Inspect::SetMaxCheck(control, -3);
    Toggle({0, 1, 2});
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{0, 1, 2}));
    EXPECT_EQ(Queue(), (std::vector<Long>{0, 1, 2}));
}

TEST_F(CheckQueueTest, ANewStyleEmptiesTheQueue) {
    Toggle({1, 2});
    control.SetStyle(lsNormal);
    EXPECT_TRUE(Queue().empty());
    control.SetStyle(lsCheck);
    Toggle({3});
    EXPECT_EQ(Queue(), std::vector<Long>{3});
    control.SetMultiSelect(msExtend);  // a new mode keeps the marks in check style
    EXPECT_EQ(Queue(), std::vector<Long>{3});
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{3});
}

}  // namespace
}  // namespace qv
