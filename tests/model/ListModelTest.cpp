// The list model on its own, without a window: random sequences of edits and input, and
// listeners that edit the list while a check is reported, must keep every rule.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "model/ModelFixture.h"
#include "platform/win32/Input.h"

namespace qv {
namespace {

class RandomSteps {
  public:
    RandomSteps(ListModel& model, unsigned nSeed) : m_model(model), m_random(nSeed) {}

    std::string Next() {
        std::ostringstream text;
        const Long nIndex = Pick(-2, m_model.ListCount() + 1);
        switch (Pick(0, 10)) {
            case 0:
            case 1:
                text << "InsertItem " << nIndex << " -> "
                     << m_model.InsertItem(nIndex, ListItem{"x", -1, VbFalse, {}});
                break;
            case 2:
                text << "RemoveItem " << nIndex << " -> " << m_model.RemoveItem(nIndex);
                break;
            case 3:
            case 4: {
                const Integer nShift = static_cast<Integer>(Pick(0, 7));
                const bool bToggle = Pick(0, 1) == 1;
                text << "SelectByInput " << nIndex << " " << nShift << " " << bToggle;
                m_model.SelectByInput(nIndex, nShift, bToggle);
                break;
            }
            case 5: {
                const Boolean b = Pick(0, 2) == 0 ? Boolean(5) : Boolean::FromBool(Pick(0, 1) == 1);
                text << "SetSelectedItem " << nIndex << " " << b.Value();
                m_model.SetSelectedItem(nIndex, b);
                break;
            }
            case 6: {
                const Long nMax = Pick(0, 4);
                text << "SetMaxCheck " << nMax;
                m_model.SetMaxCheck(nMax);
                break;
            }
            case 7: {
                const auto eStyle = static_cast<enmStyle>(Pick(0, 1));
                const auto eMode = static_cast<enmMultiSelect>(Pick(0, 2));
                text << "SetStyle " << eStyle << ", SetMultiSelect " << eMode;
                m_model.SetStyle(eStyle);
                m_model.SetMultiSelect(eMode);
                break;
            }
            case 8:
                text << "SelectAll";
                if (m_model.Style() == lsNormal && m_model.MultiSelect() == msExtend)
                    m_model.SelectAll();
                break;
            case 9:
                text << "SetCurrentIndex " << nIndex;
                m_model.SetCurrentIndex(nIndex, Pick(0, 1) == 1);
                break;
            default:
                text << "SetListIndex " << nIndex << " -> " << m_model.SetListIndex(nIndex);
                break;
        }
        return text.str();
    }

  private:
    Long Pick(Long nLow, Long nHigh) {
        return std::uniform_int_distribution<Long>(nLow, nHigh)(m_random);
    }

    ListModel& m_model;
    std::mt19937 m_random;
};

TEST(ListModel, KeepsItsRulesThroughRandomSequences) {
    for (unsigned nSeed = 1; nSeed <= 40; ++nSeed) {
        RecordedChecks events;
        ListModel model(events);
        model.SetStyle(static_cast<enmStyle>(nSeed % 2));
        RandomSteps steps(model, nSeed);
        for (int nStep = 0; nStep < 300; ++nStep) {
            const std::string sStep = steps.Next();
            SCOPED_TRACE("seed " + std::to_string(nSeed) + " step " + std::to_string(nStep) + ": " +
                         sStep);
            ExpectModelConsistent(model);
            if (::testing::Test::HasFailure()) return;
        }
    }
}

// A listener that edits the list while a check is reported: the model has finished the
// toggle, the eviction and the move of the current item before it hears of the check.
TEST(ListModel, KeepsItsRulesWhenTheCheckListenerEditsTheList) {
    struct Edit {
        const char* sName;
        std::function<void(ListModel&)> apply;
    };
    const Edit edits[] = {
        {"RemoveAll", [](ListModel& m) { m.RemoveAll(); }},
        {"RemoveItem of the toggled item", [](ListModel& m) { m.RemoveItem(4); }},
        {"RemoveItem before it", [](ListModel& m) { m.RemoveItem(0); }},
        {"InsertItem before it",
         [](ListModel& m) {
             m.InsertItem(0, ListItem{"new", -1, VbFalse, {}});
         }},
        {"a lower cap and a new style",
         [](ListModel& m) {
             m.SetMaxCheck(1);
             m.SetStyle(lsNormal);
         }},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.sName);
        RecordedChecks events;
        ListModel model(events);
        model.SetStyle(lsCheck);
        model.SetMaxCheck(2);
        FillModel(model, 5);
        for (Long nIndex : {1, 2}) model.SelectByInput(nIndex, 0, true);
        events.edit = [&] { edit.apply(model); };
        model.SelectByInput(4, 0, true);  // 1 gives way, then the listener edits
        events.edit = nullptr;
        ExpectModelConsistent(model);
        for (Long nIndex : {0, 1, 2, 3}) model.SelectByInput(nIndex, 0, true);
        ExpectModelConsistent(model);
        EXPECT_EQ(events.checks.front(), 1);
    }
}

// The checking order: the oldest mark gives way at the cap, a lower cap unchecks the
// oldest ones, and edits keep the order naming the same items.
TEST(ListModel, TheOldestCheckGivesWay) {
    RecordedChecks events;
    ListModel model(events);
    model.SetStyle(lsCheck);
    FillModel(model, 6);
    model.SetMaxCheck(2);
    for (Long nIndex : {4, 1, 3}) model.ToggleItemCheck(nIndex);
    EXPECT_EQ(model.CheckList(), (std::vector<Long>{1, 3}));
    EXPECT_EQ(FlaggedItems(model), (std::vector<Long>{1, 3}));
    EXPECT_EQ(events.checks, (std::vector<Long>{4, 1, 3}));
    model.InsertItem(0, ListItem{"first", -1, VbFalse, {}});
    EXPECT_EQ(model.CheckList(), (std::vector<Long>{2, 4}));
    model.RemoveItem(2);
    EXPECT_EQ(model.CheckList(), (std::vector<Long>{3}));
    model.ToggleItemCheck(0);
    model.SetMaxCheck(1);
    EXPECT_EQ(model.CheckList(), (std::vector<Long>{0}));
    EXPECT_EQ(FlaggedItems(model), (std::vector<Long>{0}));
}

// Extended selection with Shift, at the model: the range memory is replaced, not added to.
TEST(ListModel, AShiftRangeReplacesThePreviousOne) {
    RecordedChecks events;
    ListModel model(events);
    model.SetMultiSelect(msExtend);
    FillModel(model, 8);
    model.SelectByInput(5, win32::kCtrlMask, false);
    model.SelectByInput(2, 0, false);
    model.SelectByInput(4, win32::kShiftMask, false);
    EXPECT_EQ(FlaggedItems(model), (std::vector<Long>{2, 3, 4}));
    EXPECT_EQ(model.SelList(), (std::vector<Long>{3, 4}));
    EXPECT_TRUE(model.SelectByInput(3, win32::kShiftMask, false));
    EXPECT_EQ(FlaggedItems(model), (std::vector<Long>{2, 3}));
    EXPECT_EQ(model.AnchorIndex(), 2);
    EXPECT_EQ(model.ListIndex(), 3);
}

}  // namespace
}  // namespace qv
