#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "access/AccessModel.h"
#include "access/AccessSink.h"

namespace qv::access {
namespace {

// A list of texts with marks, standing in for the control.
class FakeList : public IListView, public IListActions {
  public:
    ListFacts List() const override { return facts; }
    ItemFacts Item(Long nIndex) const override {
        ++nItemReads;
        return ItemFacts{"Item " + std::to_string(nIndex), marked.count(nIndex) != 0};
    }
    void ActOnItem(Long nIndex) override { acted.push_back(nIndex); }

    ListFacts facts{30001, 2, 1, 5, 16, 180, false, SelectMode::Single, true, true};
    std::map<Long, bool> marked;
    std::vector<Long> acted;
    mutable int nItemReads = 0;
};

class AccessModelTest : public ::testing::Test {
  protected:
    FakeList list;
    AccessModel model{list, list};
};

TEST_F(AccessModelTest, TheListSaysHowItSelectsAndWhetherItCanBeUsed) {
    struct Case {
        bool bCheckStyle;
        SelectMode eMode;
        bool bFocused, bEnabled;
        const char* pStates;
    };
    const Case cases[] = {
        {false, SelectMode::Single, true, true, "focused"},
        {false, SelectMode::Multi, false, true, "multiselectable"},
        {false, SelectMode::Extended, true, true, "focused,multiselectable,extselectable"},
        {true, SelectMode::Extended, false, true, "none"},
        {false, SelectMode::Single, false, false, "disabled"},
    };
    model.SetName("Fruit");
    for (const Case& c : cases) {
        list.facts.bCheckStyle = c.bCheckStyle;
        list.facts.eMode = c.eMode;
        list.facts.bFocused = c.bFocused;
        list.facts.bEnabled = c.bEnabled;
        const AccessibleList result = model.List();
        EXPECT_EQ(result.eRole, Role::List);
        EXPECT_EQ(result.sName, "Fruit");
        EXPECT_EQ(StateNames(result.states), c.pStates) << c.pStates;
        EXPECT_EQ(result.nCount, 30001);
    }
}

TEST_F(AccessModelTest, ItemsTakeTheirRoleAndStatesFromStyleMarkAndCurrentItem) {
    struct Case {
        bool bCheckStyle;
        bool bMarked;
        Long nIndex;
        bool bListFocused, bEnabled;
        Role eRole;
        const char* pStates;
    };
    const Case cases[] = {
        {false, false, 1, true, true, Role::ListItem, "none"},
        {false, true, 1, true, true, Role::ListItem, "selected"},
        {false, true, 2, true, true, Role::ListItem, "selected,focused"},
        {false, false, 2, false, true, Role::ListItem, "none"},  // focus is elsewhere
        {true, true, 2, true, true, Role::CheckBox, "focused,checked"},
        {true, false, 3, true, true, Role::CheckBox, "none"},
        {false, false, 0, true, true, Role::ListItem, "offscreen"},  // above the top row
        {false, false, 6, true, true, Role::ListItem, "offscreen"},  // below the rows
        {true, true, 5, true, false, Role::CheckBox, "checked,disabled"},
    };
    for (const Case& c : cases) {
        list.facts.bCheckStyle = c.bCheckStyle;
        list.facts.bFocused = c.bListFocused;
        list.facts.bEnabled = c.bEnabled;
        list.marked = {{c.nIndex, true}};
        if (!c.bMarked) list.marked.clear();
        const std::optional<AccessibleItem> item = model.Item(c.nIndex);
        ASSERT_TRUE(item);
        EXPECT_EQ(item->eRole, c.eRole) << c.nIndex << " " << c.pStates;
        EXPECT_EQ(StateNames(item->states), c.pStates) << c.nIndex;
        EXPECT_EQ(item->sName, "Item " + std::to_string(c.nIndex));
    }
}

TEST_F(AccessModelTest, BoundsFollowTheTopRowAndPositionCountsFromOne) {
    struct Case {
        Long nIndex;
        Bounds bounds;
        Long nPosition;
    };
    const Case cases[] = {
        {1, {0, 0, 180, 16}, 2},
        {3, {0, 32, 180, 16}, 4},
        {5, {0, 64, 180, 16}, 6},
        {0, {0, -16, 180, 16}, 1},
        {30000, {0, 479984, 180, 16}, 30001},
    };
    for (const Case& c : cases) {
        const std::optional<AccessibleItem> item = model.Item(c.nIndex);
        ASSERT_TRUE(item);
        EXPECT_EQ(item->bounds, c.bounds) << c.nIndex;
        EXPECT_EQ(item->nIndex, c.nIndex);
        EXPECT_EQ(item->nPosition, c.nPosition);
        EXPECT_EQ(item->nCount, 30001);
    }
    EXPECT_FALSE(model.Item(-1));
    EXPECT_FALSE(model.Item(30001));
}

TEST_F(AccessModelTest, AskingForOneItemReadsOnlyThatItem) {
    model.Item(30000);
    model.List();
    EXPECT_EQ(list.nItemReads, 1);
}

TEST_F(AccessModelTest, RowsInViewStopAtTheEndOfTheList) {
    struct Case {
        Long nCount, nTop, nRows;
        Long nFirst, nShown;
    };
    for (const Case& c :
         {Case{30001, 1, 5, 1, 5}, Case{4, 1, 5, 1, 3}, Case{0, 0, 0, 0, 0}, Case{3, 0, 7, 0, 3}}) {
        list.facts.nCount = c.nCount;
        list.facts.nTop = c.nTop;
        list.facts.nRowsInView = c.nRows;
        const RowsInView rows = model.VisibleRows();
        EXPECT_EQ(rows.nFirst, c.nFirst) << c.nCount;
        EXPECT_EQ(rows.nCount, c.nShown) << c.nCount;
    }
}

TEST_F(AccessModelTest, HitTestFindsTheRowUnderAPoint) {
    struct Case {
        Long nX, nY, nIndex;
    };
    for (const Case& c : {Case{0, 0, 1}, Case{179, 15, 1}, Case{10, 16, 2}, Case{10, 79, 5},
                          Case{10, 80, -1}, Case{180, 0, -1}, Case{-1, 0, -1}, Case{0, -1, -1}}) {
        EXPECT_EQ(model.HitTest(c.nX, c.nY), c.nIndex) << c.nX << "," << c.nY;
    }
    list.facts.nCount = 3;  // rows below the last item are empty
    EXPECT_EQ(model.HitTest(10, 40), -1);
}

TEST_F(AccessModelTest, DefaultActionIsNamedByWhatItWouldDoAndActsOnlyOnAUsableItem) {
    struct Case {
        bool bCheckStyle;
        SelectMode eMode;
        bool bMarked;
        const char* pAction;
    };
    const Case cases[] = {
        {false, SelectMode::Single, false, "Select"}, {false, SelectMode::Single, true, "Select"},
        {false, SelectMode::Multi, true, "Deselect"}, {false, SelectMode::Extended, true, "Select"},
        {true, SelectMode::Single, false, "Check"},   {true, SelectMode::Multi, true, "Uncheck"},
    };
    for (const Case& c : cases) {
        list.facts.bCheckStyle = c.bCheckStyle;
        list.facts.eMode = c.eMode;
        list.marked.clear();
        if (c.bMarked) list.marked[4] = true;
        EXPECT_EQ(model.Item(4)->sDefaultAction, c.pAction);
    }
    EXPECT_TRUE(model.DoDefaultAction(4));
    EXPECT_FALSE(model.DoDefaultAction(30001));
    EXPECT_FALSE(model.DoDefaultAction(-1));
    list.facts.bEnabled = false;
    EXPECT_FALSE(model.DoDefaultAction(3));
    EXPECT_EQ(list.acted, std::vector<Long>{4});
}

TEST(AccessNames, EventWordsAreDistinct) {
    const AccessEvent events[] = {AccessEvent::Focus,           AccessEvent::SelectionAdd,
                                  AccessEvent::SelectionRemove, AccessEvent::StateChange,
                                  AccessEvent::Evict,           AccessEvent::Scroll,
                                  AccessEvent::Reorder};
    std::set<std::string> words;
    for (AccessEvent eEvent : events) words.insert(AccessEventName(eEvent));
    EXPECT_EQ(words.size(), std::size(events));
    EXPECT_STREQ(AccessEventName(AccessEvent::SelectionAdd), "selectionadd");
}

}  // namespace
}  // namespace qv::access
