#include <gtest/gtest.h>

#include "control/ControlFixture.h"
#include "platform/win32/User.h"

namespace qv {
namespace {

class ListStore : public ControlTest {};

TEST_F(ListStore, AddItemAppendsAndReturnsTheNewIndex) {
    EXPECT_EQ(control.AddItem("a"), 0);
    EXPECT_EQ(control.AddItem("b"), 1);
    EXPECT_EQ(control.ListCount(), 2);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(ListStore, InsertItemWithAnIndexThatNamesNoItemAppends) {
    for (Long nIndex : {-7, -1, 3, 4, 1000}) {
        control.RemoveAll();
        Fill(3);
        EXPECT_EQ(control.InsertItem(nIndex, "new"), 3) << "index " << nIndex;
        EXPECT_EQ(Texts().back(), "new") << "index " << nIndex;
    }
}

TEST_F(ListStore, InsertItemKeepsTheCurrentItemPointingAtTheSameItem) {
    struct Case {
        Long nInsertAt;
        Long nExpectedListIndex;
    };
    for (const Case& c : {Case{0, 6}, Case{4, 6}, Case{5, 5}, Case{6, 5}, Case{-1, 5}}) {
        control.RemoveAll();
        Fill(10);
        Inspect::SetListIndex(control, 5);
        control.InsertItem(c.nInsertAt, "new");
        EXPECT_EQ(Inspect::ListIndex(control), c.nExpectedListIndex) << "insert at " << c.nInsertAt;
    }
}

TEST_F(ListStore, InsertItemWithoutACurrentItemLeavesNoneCurrent) {
    Fill(3);
    control.InsertItem(0, "new");
    EXPECT_EQ(Inspect::ListIndex(control), -1);
}

TEST_F(ListStore, TheListHoldsAtMost30001Items) {
    for (int i = 0; i < 30000; ++i) control.AddItem("x");
    EXPECT_EQ(control.AddItem("last"), 30000);
    EXPECT_EQ(control.AddItem("too many"), -1);
    EXPECT_EQ(control.InsertItem(0, "too many"), -1);
    EXPECT_EQ(control.ListCount(), 30001);
    std::string sFirst;
    control.GetText(0, sFirst);
    EXPECT_EQ(sFirst, "x");
}

TEST_F(ListStore, RemoveItemMovesTheCurrentItemWithTheList) {
    struct Case {
        Long nRemove;
        Long nListIndexBefore;
        Long nExpectedListIndex;
    };
    const Case cases[] = {
        {3, 5, 4},  // before the current item
        {5, 5, 5},  // the current item: the next one becomes current
        {7, 5, 5},  // after it
        {9, 9, 8},  // the current and last item: the new last item becomes current
        {0, -1, -1},
    };
    for (const Case& c : cases) {
        control.RemoveAll();
        Fill(10);
        Inspect::SetListIndex(control, c.nListIndexBefore);
        EXPECT_EQ(control.RemoveItem(c.nRemove), VbTrue);
        EXPECT_EQ(control.ListCount(), 9);
        EXPECT_EQ(Inspect::ListIndex(control), c.nExpectedListIndex) << "remove " << c.nRemove;
    }
}

TEST_F(ListStore, RemovingTheOnlyItemLeavesNoCurrentItem) {
    Fill(1);
    Inspect::SetListIndex(control, 0);
    control.RemoveItem(0);
    EXPECT_EQ(Inspect::ListIndex(control), -1);
    EXPECT_EQ(control.ListCount(), 0);
}

TEST_F(ListStore, RemoveItemWithABadIndexChangesNothingAndDoesNotRedraw) {
    Fill(3);
    Inspect::SetListIndex(control, 1);
    for (Long nIndex : {-1, 3, 100}) {
        EXPECT_EQ(control.RemoveItem(nIndex), VbFalse);
        EXPECT_EQ(PaintsWhenIdle(), 0);
    }
    EXPECT_EQ(control.ListCount(), 3);
    EXPECT_EQ(Inspect::ListIndex(control), 1);
}

TEST_F(ListStore, InSingleSelectionTheItemThatBecomesCurrentIsSelected) {
    Fill(5);
    Inspect::SetListIndex(control, 2);
    control.SetSelectedItem(2, VbTrue);
    control.RemoveItem(2);
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{2});
    EXPECT_EQ(Texts()[2], "Item 3");
    control.RemoveItem(3);
    control.RemoveItem(2);  // current and last: the new last item is current and selected
    EXPECT_EQ(Inspect::ListIndex(control), 1);
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{1});
}

TEST_F(ListStore, InMultiSelectionRemovalKeepsTheOtherFlags) {
    Inspect::SetMultiSelect(control, msMulti);
    Fill(5);
    control.SetSelectedItem(1, VbTrue);
    control.SetSelectedItem(3, VbTrue);
    Inspect::SetListIndex(control, 0);
    control.RemoveItem(0);
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{0, 2}));
}

TEST_F(ListStore, ReadersLeaveTheirArgumentAloneForABadIndex) {
    Fill(3);
    for (Long nIndex : {-1, 3, 5}) {
        std::string sText = "kept";
        Long nImage = 42;
        Variant vData("kept");
        Boolean bSelected(7);
        EXPECT_EQ(control.GetText(nIndex, sText), VbFalse);
        EXPECT_EQ(control.GetImageIndex(nIndex, nImage), VbFalse);
        EXPECT_EQ(control.GetItemData(nIndex, vData), VbFalse);
        EXPECT_EQ(control.GetSelectedItem(nIndex, bSelected), VbFalse);
        EXPECT_EQ(sText, "kept");
        EXPECT_EQ(nImage, 42);
        EXPECT_EQ(vData, Variant("kept"));
        EXPECT_EQ(bSelected, Boolean(7));
    }
}

TEST_F(ListStore, ItemsKeepWhatTheyWereGiven) {
    control.AddItem("first", 4, Variant(2.5));
    control.InsertItem(0, "zeroth");
    Long nImage = 0;
    Variant vData;
    ASSERT_EQ(control.GetImageIndex(1, nImage), VbTrue);
    ASSERT_EQ(control.GetItemData(1, vData), VbTrue);
    EXPECT_EQ(nImage, 4);
    EXPECT_EQ(vData, Variant(2.5));
    ASSERT_EQ(control.GetImageIndex(0, nImage), VbTrue);
    ASSERT_EQ(control.GetItemData(0, vData), VbTrue);
    EXPECT_EQ(nImage, -1);
    EXPECT_EQ(vData, Variant(Integer{0}));
}

TEST_F(ListStore, WritersReportAChangeOnlyWhenTheValueDiffers) {
    Fill(2);
    EXPECT_EQ(control.SetText(0, "Item 0"), VbFalse);
    EXPECT_EQ(control.SetText(0, "item 0"), VbTrue);  // case matters
    EXPECT_EQ(control.SetImageIndex(1, -1), VbFalse);
    EXPECT_EQ(control.SetImageIndex(1, 3), VbTrue);
    EXPECT_EQ(control.SetItemData(1, Variant(Integer{0})), VbTrue);  // no comparison
    EXPECT_EQ(control.SetText(2, "x"), VbFalse);
    EXPECT_EQ(control.SetImageIndex(-1, 1), VbFalse);
    EXPECT_EQ(control.SetItemData(2, Variant(1)), VbFalse);
}

TEST_F(ListStore, WritersRedrawOnlyRowsInView) {
    Inspect::SetItemHeight(control, 50);  // 150 pixels of client height: three rows
    Fill(10);
    EXPECT_EQ(control.SetText(1, "changed"), VbTrue);
    EXPECT_EQ(PaintsWhenIdle(), 1);
    EXPECT_EQ(control.SetText(8, "changed"), VbTrue);
    EXPECT_EQ(control.SetImageIndex(9, 2), VbTrue);
    EXPECT_EQ(control.SetItemData(0, Variant(1)), VbTrue);
    EXPECT_EQ(control.SetText(1, "changed"), VbFalse);
    EXPECT_EQ(PaintsWhenIdle(), 0);
}

TEST_F(ListStore, SeveralChangesBeforeTheLoopRunsGiveOnePaint) {
    control.AddItem("a");
    control.AddItem("b");
    control.RemoveItem(0);
    control.Refresh(VbFalse);
    EXPECT_EQ(PaintsWhenIdle(), 1);
}

TEST_F(ListStore, RefreshWithEraseRepaintsAtOnce) {
    control.Refresh();
    EXPECT_EQ(recorder.nPaints, 1);
    EXPECT_EQ(PaintsWhenIdle(), 0);
}

TEST_F(ListStore, SelCountCountsEveryNonZeroFlag) {
    Inspect::SetMultiSelect(control, msMulti);
    Fill(4);
    control.SetSelectedItem(0, VbTrue);
    control.SetSelectedItem(2, Boolean(5));
    EXPECT_EQ(control.SelCount(), 2);
}

TEST_F(ListStore, NewItemsAreNeitherSelectedNorChecked) {
    Inspect::SetStyle(control, lsCheck);
    Fill(2);
    control.InsertItem(0, "new");
    EXPECT_EQ(control.SelCount(), 0);
}

TEST_F(ListStore, RemoveAllEmptiesTheListAndKeepsTheProperties) {
    Inspect::SetStyle(control, lsCheck);
    Inspect::SetMaxCheck(control, 2);
    Fill(4);
    Inspect::ToggleItemCheck(control, 1);
    Inspect::SetListIndex(control, 2);
    recorder.log.clear();
    control.RemoveAll();
    EXPECT_EQ(control.ListCount(), 0);
    EXPECT_EQ(control.SelCount(), 0);
    EXPECT_EQ(Inspect::ListIndex(control), -1);
    EXPECT_EQ(Inspect::CheckListCount(control), 0);
    EXPECT_TRUE(recorder.log.empty());  // no ItemCheck for marks that go with their items
    EXPECT_EQ(PaintsWhenIdle(), 1);
    Fill(3);
    Inspect::ToggleItemCheck(control, 0);
    Inspect::ToggleItemCheck(control, 1);
    Inspect::ToggleItemCheck(control, 2);
    EXPECT_EQ(SelectedIndices(), (std::vector<Long>{1, 2}));  // the cap is still 2
}

TEST_F(ListStore, TerminatePutsTheWindowsOwnProcedureBack) {
    const win32::LONG_PTR nHooked = win32::GetWindowLongA(site.hWnd(), win32::GWL_WNDPROC);
    site.Terminate();
    const win32::LONG_PTR nAfter = win32::GetWindowLongA(site.hWnd(), win32::GWL_WNDPROC);
    EXPECT_NE(nAfter, nHooked);
    EXPECT_NE(nAfter, 0);
    EXPECT_EQ(control.ListCount(), 0);
    // The runtime's own procedure still delivers paints.
    control.Refresh();
    EXPECT_EQ(recorder.nPaints, 0);  // no control attached any more
}

}  // namespace
}  // namespace qv
