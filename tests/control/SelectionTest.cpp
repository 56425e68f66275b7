#include <gtest/gtest.h>

#include "platform/win32/Input.h"

#include "control/ControlFixture.h"
#include "model/ModelFixture.h"

namespace qv {
namespace {

constexpr Integer kShift = win32::kShiftMask;
constexpr Integer kCtrl = win32::kCtrlMask;
constexpr Integer kAlt = win32::kAltMask;

struct Step {
    Long nIndex;
    Integer nShift = 0;
    bool bToggleCheck = false;
};

// Presses given to SelectByInput on a new list of ten items (none on an empty list), and
// what the list holds afterwards.
struct InputCase {
    const char* sName;
    std::vector<Step> steps;
    std::vector<Long> selected;  // items with their flag set (check marks in check style)
    Long nAnchor;
    Long nListIndex;
    std::vector<Long> selList;
};

class SelectByInputTest : public ControlTest {
  protected:
    // The rules are the list model's: each case runs on a new model, without a window.
    void Run(enmStyle eStyle, enmMultiSelect eMode, const InputCase& c, int nItems = 10) {
        SCOPED_TRACE(c.sName);
        RecordedChecks events;
        ListModel model(events);
        model.RemoveAll();  // no current item, as in a list the host emptied
        model.LoadStyle(eStyle);
        model.LoadMultiSelect(eMode);
        FillModel(model, nItems);
        for (const Step& step : c.steps)
            model.SelectByInput(step.nIndex, step.nShift, step.bToggleCheck);
        EXPECT_EQ(FlaggedItems(model), c.selected);
        EXPECT_EQ(model.AnchorIndex(), c.nAnchor);
        EXPECT_EQ(model.ListIndex(), c.nListIndex);
        EXPECT_EQ(model.SelList(), c.selList);
        EXPECT_EQ(model.SelListCount(), static_cast<Long>(c.selList.size()));
    }
};

// clang-format off
TEST_F(SelectByInputTest, ExtendedSelection) {
    const InputCase cases[] = {
        // presses, then: selected items; anchor; current item; range list
        {"plain press",
         {{3}},                                      {3}, 3, 3, {}},
        {"a second plain press",
         {{3}, {6}},                                 {6}, 6, 6, {}},
        {"Shift selects from the anchor",
         {{2}, {5, kShift}},                         {2, 3, 4, 5}, 2, 5, {3, 4, 5}},
        {"a shorter Shift range undoes the longer one",
         {{2}, {5, kShift}, {3, kShift}},            {2, 3}, 2, 3, {3}},
        {"Shift above the anchor",
         {{5}, {2, kShift}},                         {2, 3, 4, 5}, 5, 2, {2, 3, 4}},
        {"Ctrl moves the anchor, Shift ranges from it",
         {{2}, {7, kCtrl}, {9, kShift}},             {2, 7, 8, 9}, 7, 9, {8, 9}},
        {"Ctrl+Shift toggles and keeps the anchor",
         {{2}, {5, kShift}, {8, kCtrl | kShift}},    {2, 3, 4, 5, 8}, 2, 8, {}},
        {"Ctrl+Shift on a selected item",
         {{2}, {2, kCtrl | kShift}},                 {}, 2, 2, {}},
        {"Ctrl toggles, the others stay",
         {{1, kCtrl}, {4, kCtrl}, {1, kCtrl}},       {4}, 1, 1, {}},
        {"after Ctrl the earlier range stays",
         {{2}, {6, kShift}, {4, kCtrl}, {8, kShift}}, {2, 3, 4, 5, 6, 7, 8}, 4, 8, {4, 7, 8}},
        {"Shift from the first anchor",
         {{3, kShift}},                              {0, 1, 2, 3}, 0, 3, {0, 1, 2, 3}},
        {"Alt is ignored",
         {{2}, {4, kShift | kAlt}},                  {2, 3, 4}, 2, 4, {3, 4}},
        {"indices are clamped into the list",
         {{-5}, {99, kShift}},
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0, 9, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const InputCase& c : cases) Run(lsNormal, msExtend, c);
}

TEST_F(SelectByInputTest, SingleSelection) {
    const InputCase cases[] = {
        // presses, then: selected items; anchor; current item; range list
        {"the pressed item alone, whatever the keys",
         {{3}, {6, kShift}, {1, kCtrl}},             {1}, 0, 1, {}},
        {"clamped below",
         {{-1}},                                     {0}, 0, 0, {}},
        {"clamped above",
         {{10}},                                     {9}, 0, 9, {}},
    };
    for (const InputCase& c : cases) Run(lsNormal, msSingle, c);
}

TEST_F(SelectByInputTest, MultipleSelection) {
    const InputCase cases[] = {
        // presses, then: selected items; anchor; current item; range list
        {"each press toggles its item",
         {{1}, {4}, {1}},                            {4}, 0, 1, {}},
        {"Shift and Ctrl change nothing",
         {{3, kShift}, {5, kCtrl}, {7, kCtrl | kShift}}, {3, 5, 7}, 0, 7, {}},
    };
    for (const InputCase& c : cases) Run(lsNormal, msMulti, c);
}

TEST_F(SelectByInputTest, CheckStyleTogglesOnlyWhenAsked) {
    const InputCase cases[] = {
        // presses, then: selected items; anchor; current item; range list
        {"without toggle only the current item moves",
         {{4}, {6, kShift}},                         {}, 0, 6, {}},
        {"toggle checks",
         {{4, 0, true}, {6, 0, true}},               {4, 6}, 0, 6, {}},
        {"toggle twice unchecks",
         {{4, 0, true}, {4, 0, true}},               {}, 0, 4, {}},
        {"the keys change nothing",
         {{2, 0, true}, {5, kShift, true}, {7, kCtrl}}, {2, 5}, 0, 7, {}},
    };
    for (const InputCase& c : cases) {
        for (enmMultiSelect eMode : {msSingle, msMulti, msExtend}) Run(lsCheck, eMode, c);
    }
}
// clang-format on

TEST_F(SelectByInputTest, AnEmptyListHasNoCurrentItemAndNoFlags) {
    const std::vector<Step> presses = {{0}, {3}, {4, kShift}, {1, kCtrl}};
    Run(lsNormal, msSingle, {"single", presses, {}, 0, -1, {}}, 0);
    Run(lsNormal, msMulti, {"multi", presses, {}, 0, -1, {}}, 0);
    Run(lsNormal, msExtend, {"extended", presses, {}, -1, -1, {}}, 0);
    Run(lsCheck, msSingle, {"check", {{0, 0, true}, {2, kShift, true}}, {}, 0, -1, {}}, 0);
}

TEST_F(SelectByInputTest, RedrawsWhenTheCurrentItemOrAFlagChanged) {
    struct Case {
        const char* sName;
        enmStyle eStyle;
        enmMultiSelect eMode;
        Step first, second;
        int nPaints;  // after the second press
    };
    const Case cases[] = {
        {"single, the same item again", lsNormal, msSingle, {3}, {3}, 0},
        {"single, another item", lsNormal, msSingle, {3}, {4}, 1},
        {"multi, the same item toggles", lsNormal, msMulti, {3}, {3}, 1},
        {"check, the same item without toggle", lsCheck, msSingle, {3}, {3}, 0},
        {"check, the same item toggled", lsCheck, msSingle, {3}, {3, 0, true}, 1},
        {"extended, the same plain press", lsNormal, msExtend, {3}, {3}, 0},
    };
    for (const Case& c : cases) {
        control.RemoveAll();
        Inspect::SetStyle(control, c.eStyle);
        Inspect::SetMultiSelect(control, c.eMode);
        Fill(6);
        Inspect::SelectByInput(control, c.first.nIndex, c.first.nShift, c.first.bToggleCheck);
        PaintsWhenIdle();
        Inspect::SelectByInput(control, c.second.nIndex, c.second.nShift, c.second.bToggleCheck);
        EXPECT_EQ(PaintsWhenIdle(), c.nPaints) << c.sName;
    }
}

TEST_F(SelectByInputTest, UndoingAShiftRangeRedrawsEvenWhenNothingNewIsSelected) {
    Inspect::SetMultiSelect(control, msExtend);
    Fill(10);
    Inspect::SelectByInput(control, 2, 0, false);
    Inspect::SelectByInput(control, 5, kShift, false);
    Inspect::SetListIndex(control, 2);  // as the host's ListIndex would
    PaintsWhenIdle();
    Inspect::SelectByInput(control, 2, kShift, false);
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{2});
    EXPECT_EQ(PaintsWhenIdle(), 1);
}

TEST_F(SelectByInputTest, RaisesNoEvents) {
    Inspect::SetMultiSelect(control, msExtend);
    Fill(5);
    recorder.log.clear();
    for (Integer nShift : {0, 1, 2, 3}) Inspect::SelectByInput(control, nShift, nShift, false);
    EXPECT_TRUE(recorder.log.empty());
}

class CurrentIndexTest : public ControlTest {};

TEST_F(CurrentIndexTest, SetCurrentIndexClampsAndReportsAChange) {
    struct Case {
        int nItems;
        Long nStart, nIndex;
        bool bAllowNone;
        bool bChanged;
        Long nExpected;
    };
    const Case cases[] = {
        {5, 2, 3, false, true, 3},     {5, 2, 2, true, false, 2},  {5, 2, -3, true, true, -1},
        {5, 2, -3, false, true, 0},    {5, 2, 5, true, true, -1},  {5, 2, 99, false, true, 4},
        {5, -1, -1, true, false, -1},  {5, 4, 7, false, false, 4}, {0, -1, 0, false, false, -1},
        {0, -1, -5, false, false, -1},
    };
    for (const Case& c : cases) {
        control.RemoveAll();
        Inspect::SetMultiSelect(control, msMulti);
        Fill(c.nItems);
        control.SetSelectedItem(1, VbTrue);
        Inspect::SetListIndex(control, c.nStart);
        const std::vector<Long> before = SelectedIndices();
        PaintsWhenIdle();
        EXPECT_EQ(Inspect::SetCurrentIndex(control, c.nIndex, c.bAllowNone), c.bChanged)
            << c.nIndex << " from " << c.nStart;
        EXPECT_EQ(Inspect::ListIndex(control), c.nExpected) << c.nIndex << " from " << c.nStart;
        EXPECT_EQ(SelectedIndices(), before);
        EXPECT_EQ(PaintsWhenIdle(), 0);  // the caller redraws
    }
}

TEST_F(CurrentIndexTest, SelectAllKeepsTheCurrentItemAndTheAnchor) {
    Inspect::SetMultiSelect(control, msExtend);
    Fill(6);
    control.SetSelectedItem(0, Boolean(5));  // an odd value becomes plain True
    Inspect::SelectByInput(control, 2, kCtrl, false);
    Inspect::SelectByInput(control, 4, kShift, false);
    ASSERT_EQ(Inspect::SelList(control), (std::vector<Long>{3, 4}));
    Inspect::SelectAll(control);
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{0, 1, 2, 3, 4, 5}));
    Boolean bValue;
    control.GetSelectedItem(0, bValue);
    EXPECT_EQ(bValue, VbTrue);
    EXPECT_TRUE(Inspect::SelList(control).empty());
    EXPECT_EQ(Inspect::ListIndex(control), 4);
    EXPECT_EQ(Inspect::AnchorIndex(control), 2);
}

TEST_F(CurrentIndexTest, ToggleTreatsAnyNonZeroValueAsSelected) {
    Inspect::SetMultiSelect(control, msMulti);
    Fill(3);
    control.SetSelectedItem(1, Boolean(5));
    Inspect::SelectByInput(control, 1, 0, false);
    EXPECT_TRUE(SelectedIndices().empty());
    Inspect::SelectByInput(control, 1, 0, false);
    Boolean bValue;
    control.GetSelectedItem(1, bValue);
    EXPECT_EQ(bValue, VbTrue);
}

class SetSelectedItemTest : public ControlTest {};

TEST_F(SetSelectedItemTest, SingleSelectionAndCheckStyleKeepOneFlag) {
    struct Case {
        enmStyle eStyle;
        enmMultiSelect eMode;
        std::vector<Long> expected;
    };
    const Case cases[] = {
        {lsNormal, msSingle, {3}}, {lsNormal, msMulti, {1, 3}}, {lsNormal, msExtend, {1, 3}},
        {lsCheck, msSingle, {3}},  {lsCheck, msMulti, {3}},     {lsCheck, msExtend, {3}},
    };
    for (const Case& c : cases) {
        control.RemoveAll();
        Inspect::SetStyle(control, c.eStyle);
        Inspect::SetMultiSelect(control, c.eMode);
        Fill(5);
        EXPECT_EQ(control.SetSelectedItem(1, VbTrue), VbTrue);
        EXPECT_EQ(control.SetSelectedItem(3, VbTrue), VbTrue);
        EXPECT_EQ(SelectedIndices(), c.expected) << "style " << c.eStyle << " mode " << c.eMode;
        recorder.log.clear();
        EXPECT_EQ(control.SetSelectedItem(3, VbFalse), VbTrue);
        const std::vector<Long> expectedAfter =
            c.expected.size() == 2 ? std::vector<Long>{1} : std::vector<Long>{};
        EXPECT_EQ(SelectedIndices(), expectedAfter) << "style " << c.eStyle << " mode " << c.eMode;
        EXPECT_TRUE(recorder.log.empty());  // no ItemCheck, no Click
    }
}

TEST_F(SetSelectedItemTest, ReportsNoChangeForTheSameValueOrABadIndex) {
    Fill(3);
    EXPECT_EQ(control.SetSelectedItem(0, VbFalse), VbFalse);
    EXPECT_EQ(control.SetSelectedItem(3, VbTrue), VbFalse);
    EXPECT_EQ(control.SetSelectedItem(-1, VbTrue), VbFalse);
    EXPECT_EQ(control.SetSelectedItem(0, Boolean(1)), VbTrue);
    EXPECT_EQ(control.SetSelectedItem(0, VbTrue), VbTrue);  // -1 differs from 1
    EXPECT_EQ(Inspect::ListIndex(control), -1);             // the current item never moves
}

TEST_F(SetSelectedItemTest, NeverMovesTheCurrentItemOrTheAnchorAndForgetsTheRange) {
    Inspect::SetMultiSelect(control, msExtend);
    Fill(8);
    Inspect::SelectByInput(control, 2, 0, false);
    Inspect::SelectByInput(control, 4, kShift, false);
    control.SetSelectedItem(6, VbTrue);
    EXPECT_TRUE(Inspect::SelList(control).empty());
    Inspect::SelectByInput(control, 3, kShift, false);  // the old range is not undone now
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{2, 3, 4, 6}));
    EXPECT_EQ(Inspect::ListIndex(control), 3);
    EXPECT_EQ(Inspect::AnchorIndex(control), 2);
}

TEST_F(SetSelectedItemTest, MultipleSelectionRedrawsOnlyForARowInView) {
    struct Case {
        enmMultiSelect eMode;
        Long nIndex;
        int nPaints;
    };
    for (const Case& c : {Case{msMulti, 2, 1}, Case{msMulti, 15, 0}, Case{msExtend, 15, 0},
                          Case{msSingle, 15, 1}}) {
        control.RemoveAll();
        Inspect::SetMultiSelect(control, c.eMode);
        Fill(30);
        Inspect::SetItemHeight(control, 20);
        PaintsWhenIdle();
        control.SetSelectedItem(c.nIndex, VbTrue);
        EXPECT_EQ(PaintsWhenIdle(), c.nPaints) << c.eMode << " item " << c.nIndex;
    }
}

}  // namespace
}  // namespace qv
