// Random sequences of what the host and the user can do, and host handlers that change the
// list while the control raises an event: the list model must stay consistent throughout.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>

#include "control/ControlFixture.h"
#include "model/ModelFixture.h"
#include "properties/MessageBoxLog.h"

namespace qv {
namespace {

class ListModelInvariants : public ControlTest {
  protected:
    // What the host reads agrees with the model, and the model keeps its rules.
    void ExpectConsistent() {
        EXPECT_GE(control.ListIndex(), -1);
        EXPECT_LT(control.ListIndex(), control.ListCount());
        EXPECT_EQ(SelectedIndices(), FlaggedItems(Inspect::Model(control)));
        ExpectModelConsistent(Inspect::Model(control));
    }
};

// One random action; returns a description for the trace of a failure.
class RandomActions {
  public:
    RandomActions(ColorListBox& control, unsigned nSeed) : m_control(control), m_random(nSeed) {}

    std::string Next() {
        std::ostringstream text;
        const Long nCount = m_control.ListCount();
        const Long nIndex = Pick(-2, nCount + 1);
        switch (Pick(0, 11)) {
            case 0:
            case 1:
                text << "AddItem -> " << m_control.AddItem("x");
                break;
            case 2:
                text << "InsertItem " << nIndex << " -> " << m_control.InsertItem(nIndex, "y");
                break;
            case 3:
                text << "RemoveItem " << nIndex;
                m_control.RemoveItem(nIndex);
                break;
            case 4:
                if (Pick(0, 9) == 0) {
                    text << "RemoveAll";
                    m_control.RemoveAll();
                    break;
                }
                [[fallthrough]];
            case 5:
            case 6: {
                const Integer nShift = static_cast<Integer>(Pick(0, 7));
                const bool bToggle = Pick(0, 1) == 1;
                text << "SelectByInput " << nIndex << " " << nShift << " " << bToggle;
                ColorListBoxInspector::SelectByInput(m_control, nIndex, nShift, bToggle);
                break;
            }
            case 7: {
                const Boolean bValue[] = {VbTrue, VbFalse, Boolean(5)};
                const Boolean b = bValue[Pick(0, 2)];
                text << "SetSelectedItem " << nIndex << " " << b.Value();
                m_control.SetSelectedItem(nIndex, b);
                break;
            }
            case 8: {
                const Long nMax = Pick(0, 12) == 0 ? Long{-1} : Pick(0, 4);
                text << "MaxCheck " << nMax;
                m_control.SetMaxCheck(nMax);
                break;
            }
            case 9:
                text << StyleOrMode();
                break;
            case 10: {
                const bool bAllowNone = Pick(0, 1) == 1;
                text << "SetCurrentIndex " << nIndex << " " << bAllowNone;
                ColorListBoxInspector::SetCurrentIndex(m_control, nIndex, bAllowNone);
                break;
            }
            default:
                text << "ListIndex " << nIndex;
                m_control.SetListIndex(nIndex);
                break;
        }
        return text.str();
    }

  private:
    Long Pick(Long nLow, Long nHigh) {
        return std::uniform_int_distribution<Long>(nLow, nHigh)(m_random);
    }

    std::string StyleOrMode() {
        if (Pick(0, 2) == 0) {
            const Long nStyle = Pick(0, 1);
            m_control.SetStyle(nStyle);
            return "Style " + std::to_string(nStyle);
        }
        const Long nMode = Pick(0, 2);
        m_control.SetMultiSelect(nMode);
        if (m_control.Style() == lsNormal && nMode == msExtend && Pick(0, 1) == 1) {
            ColorListBoxInspector::SelectAll(m_control);  // Ctrl+A
            return "MultiSelect 2, SelectAll";
        }
        return "MultiSelect " + std::to_string(nMode);
    }

    ColorListBox& m_control;
    std::mt19937 m_random;
};

TEST_F(ListModelInvariants, HoldAfterEveryStepOfRandomSequences) {
    MessageBoxLog boxes;  // answers the range messages of refused MaxCheck values
    for (unsigned nSeed = 1; nSeed <= 40; ++nSeed) {
        control.RemoveAll();
        control.SetStyle(static_cast<Long>(nSeed % 2));
        RandomActions actions(control, nSeed);
        for (int nStep = 0; nStep < 300; ++nStep) {
            const std::string sAction = actions.Next();
            SCOPED_TRACE("seed " + std::to_string(nSeed) + " step " + std::to_string(nStep) + ": " +
                         sAction);
            ExpectConsistent();
            if (HasFailure()) return;
        }
        form.RunUntilIdle();
    }
}

// A host handler that changes the list from inside an event.
class EditingHandler : public ColorListBoxEvents {
  public:
    std::function<void()> edit;
    void ItemCheck(Long&) override { edit(); }
    void Click() override { edit(); }
};

struct Edit {
    const char* sName;
    std::function<void(ColorListBox&)> apply;
};

std::vector<Edit> ListEdits() {
    return {
        {"RemoveAll", [](ColorListBox& c) { c.RemoveAll(); }},
        {"RemoveItem of the toggled item", [](ColorListBox& c) { c.RemoveItem(4); }},
        {"RemoveItem before it", [](ColorListBox& c) { c.RemoveItem(0); }},
        {"RemoveItem of the last item", [](ColorListBox& c) { c.RemoveItem(c.ListCount() - 1); }},
        {"AddItem", [](ColorListBox& c) { c.AddItem("added"); }},
        {"InsertItem before it", [](ColorListBox& c) { c.InsertItem(0, "inserted"); }},
        {"RemoveAll and AddItem",
         [](ColorListBox& c) {
             c.RemoveAll();
             c.AddItem("alone");
         }},
        {"MaxCheck 1 and a new style",
         [](ColorListBox& c) {
             c.SetMaxCheck(1);
             c.SetStyle(lsNormal);
         }},
    };
}

TEST_F(ListModelInvariants, HoldWhenAnItemCheckHandlerEditsTheList) {
    EditingHandler handler;
    control.Events().Connect(&handler);
    for (const Edit& edit : ListEdits()) {
        SCOPED_TRACE(edit.sName);
        control.RemoveAll();
        control.SetStyle(lsCheck);
        control.SetMaxCheck(2);
        Fill(5);
        handler.edit = [] {};
        for (Long nIndex : {1, 2}) Inspect::SelectByInput(control, nIndex, 0, true);
        handler.edit = [&] { edit.apply(control); };
        Inspect::SelectByInput(control, 4, 0, true);  // evicts 1, then the handler runs
        ExpectConsistent();
        handler.edit = [] {};
        for (Long nIndex : {0, 1, 2, 3}) Inspect::SelectByInput(control, nIndex, 0, true);
        ExpectConsistent();
    }
    control.Events().Disconnect(&handler);
}

TEST_F(ListModelInvariants, TheCurrentItemFollowsItsItemThroughEditsInTheHandler) {
    EditingHandler handler;
    control.Events().Connect(&handler);
    control.SetStyle(lsCheck);
    Fill(8);
    handler.edit = [&] {
        control.RemoveItem(0);
        control.RemoveItem(0);
        control.InsertItem(6, "inserted after it");
    };
    Inspect::SelectByInput(control, 5, 0, true);
    std::string sCurrent;
    control.GetText(control.ListIndex(), sCurrent);
    EXPECT_EQ(sCurrent, "Item 5");
    EXPECT_EQ(Inspect::CheckList(control), std::vector<Long>{control.ListIndex()});
    control.Events().Disconnect(&handler);
}

TEST_F(ListModelInvariants, HoldWhenAClickHandlerEditsTheList) {
    EditingHandler handler;
    control.Events().Connect(&handler);
    for (const Edit& edit : ListEdits()) {
        SCOPED_TRACE(edit.sName);
        control.RemoveAll();
        control.SetStyle(lsNormal);
        control.SetMultiSelect(msExtend);
        Fill(5);
        Inspect::SelectByInput(control, 1, 0, false);
        Inspect::SelectByInput(control, 4, 1, false);
        handler.edit = [&] { edit.apply(control); };
        form.Windows().MouseDown({40, 40}, win32::kLeftButton, 0);
        form.Windows().MouseUp({40, 40}, win32::kLeftButton, 0);
        form.RunUntilIdle();
        ExpectConsistent();
        handler.edit = [] {};
        Inspect::SelectByInput(control, 2, 1, false);
        ExpectConsistent();
    }
    control.Events().Disconnect(&handler);
}

}  // namespace
}  // namespace qv
