#include <gtest/gtest.h>

#include <algorithm>

#include "control/ControlFixture.h"
#include "platform/HostError.h"

namespace qv {
namespace {

// Thirty rows of 20 pixels in a client area 150 pixels high: rows 0 .. 6 are whole, row 7
// is cut off, and the outer height (2310 twips) is not a whole number of rows.
class ListIndexTest : public ControlTest {
  protected:
    void Prepare(enmStyle eStyle, enmMultiSelect eMode, Long nTop) {
        control.RemoveAll();
        Inspect::SetStyle(control, eStyle);
        Inspect::SetMultiSelect(control, eMode);
        Fill(30);
        Inspect::SetItemHeight(control, 20);
        control.SetTopIndex(nTop);
        control.SetSelectedItem(9, VbTrue);
        Inspect::SetListIndex(control, 9);
        PaintsWhenIdle();
        recorder.log.clear();
    }
};

TEST_F(ListIndexTest, MovesTheCurrentItemAndBringsItIntoView) {
    struct Case {
        const char* sName;
        enmStyle eStyle;
        enmMultiSelect eMode;
        Long nTop, nValue;
        Long nExpectedTop;
        std::vector<Long> selected;
        std::vector<std::string> log;
    };
    const std::string sChanged = "PropertyChanged ListIndex";
    const Case cases[] = {
        {"single: a whole row", lsNormal, msSingle, 0, 4, 0, {4}, {sChanged}},
        {"single: the cut-off row comes in at the bottom",
         lsNormal,
         msSingle,
         0,
         7,
         1,
         {7},
         {"Scroll", sChanged}},
        {"single: a row below the view", lsNormal, msSingle, 0, 20, 14, {20}, {"Scroll", sChanged}},
        {"single: a row above the view becomes the top row",
         lsNormal,
         msSingle,
         12,
         3,
         3,
         {3},
         {"Scroll", sChanged}},
        {"single: the top row itself", lsNormal, msSingle, 12, 12, 12, {12}, {sChanged}},
        {"single: none deselects all", lsNormal, msSingle, 12, -1, 12, {}, {sChanged}},
        {"multi: only the current item moves",
         lsNormal,
         msMulti,
         0,
         25,
         19,
         {9},
         {"Scroll", sChanged}},
        {"extended: only the current item moves", lsNormal, msExtend, 0, 2, 0, {9}, {sChanged}},
        {"check: no mark changes", lsCheck, msSingle, 0, 2, 0, {9}, {sChanged}},
    };
    for (const Case& c : cases) {
        Prepare(c.eStyle, c.eMode, c.nTop);
        control.SetListIndex(c.nValue);
        EXPECT_EQ(control.ListIndex(), c.nValue) << c.sName;
        EXPECT_EQ(control.TopIndex(), c.nExpectedTop) << c.sName;
        EXPECT_EQ(SelectedIndices(), c.selected) << c.sName;
        EXPECT_EQ(recorder.log, c.log) << c.sName;  // and never Click
        EXPECT_EQ(PaintsWhenIdle(), 1) << c.sName;
    }
}

TEST_F(ListIndexTest, AValueOutsideTheListIsIgnoredButStillReported) {
    for (Long nValue : {30, 31, -2, -100}) {
        Prepare(lsNormal, msSingle, 0);
        control.SetListIndex(nValue);
        EXPECT_EQ(control.ListIndex(), 9) << nValue;
        EXPECT_EQ(SelectedIndices(), std::vector<Long>{9}) << nValue;
        EXPECT_EQ(recorder.log, std::vector<std::string>{"PropertyChanged ListIndex"}) << nValue;
        EXPECT_EQ(PaintsWhenIdle(), 0) << nValue;
    }
}

TEST_F(ListIndexTest, CannotBeSetAtDesignTime) {
    Prepare(lsNormal, msSingle, 0);
    form.AmbientProperties().SetUserMode(VbFalse);
    try {
        control.SetListIndex(3);
        ADD_FAILURE() << "ListIndex was set at design time";
    } catch (const HostError& error) {
        EXPECT_EQ(error.Number(), err::kSetNotPermitted);
    }
    EXPECT_EQ(control.ListIndex(), 9);
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{9});
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_EQ(PaintsWhenIdle(), 0);
}

TEST_F(ListIndexTest, AScrollHandlerThatEmptiesTheListLeavesNoCurrentItem) {
    struct Emptying : ColorListBoxEvents {
        ColorListBox* pControl = nullptr;
        void Scroll() override { pControl->RemoveAll(); }
    } handler;
    handler.pControl = &control;
    Prepare(lsNormal, msSingle, 0);
    control.Events().Connect(&handler);
    control.SetListIndex(20);
    control.Events().Disconnect(&handler);
    EXPECT_EQ(control.ListCount(), 0);
    EXPECT_EQ(control.ListIndex(), -1);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"Scroll", "PropertyChanged ListIndex"}));
}

TEST_F(ListIndexTest, ClickComesOnlyFromTheHostsClick) {
    Prepare(lsNormal, msExtend, 0);
    control.SetSelectedItem(3, VbTrue);
    control.SetListIndex(4);
    control.RemoveItem(0);
    EXPECT_EQ(std::count(recorder.log.begin(), recorder.log.end(), "Click"), 0);
    form.Windows().MouseDown({40, 40}, win32::kLeftButton, 0);
    form.Windows().MouseUp({40, 40}, win32::kLeftButton, 0);
    form.Windows().MouseDown({40, 40}, win32::kRightButton, 0);
    form.Windows().MouseUp({40, 40}, win32::kRightButton, 0);
    EXPECT_EQ(std::count(recorder.log.begin(), recorder.log.end(), "Click"), 1);
}

}  // namespace
}  // namespace qv
