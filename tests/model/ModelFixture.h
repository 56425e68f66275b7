#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "model/ListModel.h"

namespace qv {

// Records the checks a list model reports, and runs an edit from inside the report when
// one is given.
class RecordedChecks : public IListModelEvents {
  public:
    void OnItemCheck(Long nIndex) override {
        checks.push_back(nIndex);
        if (edit) edit();
    }
    std::vector<Long> checks;
    std::function<void()> edit;
};

inline void FillModel(ListModel& model, int nCount) {
    for (int i = 0; i < nCount; ++i)
        model.InsertItem(-1, ListItem{"Item " + std::to_string(i), -1, VbFalse, {}});
}

// The items whose flag is set, read item by item.
inline std::vector<Long> FlaggedItems(const ListModel& model) {
    std::vector<Long> indices;
    for (Long i = 0; i < model.ListCount(); ++i)
        if (model.Item(i).bSelected.IsTrue()) indices.push_back(i);
    return indices;
}

// Every rule the list model keeps, read from its state. The current item may be 0 in a
// list that has never held an item.
inline void ExpectModelConsistent(const ListModel& model) {
    EXPECT_GE(model.ListIndex(), -1);
    EXPECT_LT(model.ListIndex(), std::max<Long>(model.ListCount(), 1));
    const std::vector<Long> flagged = FlaggedItems(model);
    EXPECT_EQ(model.SelCount(), static_cast<Long>(flagged.size()));
    const std::set<Long> flaggedSet(flagged.begin(), flagged.end());

    const std::vector<Long>& order = model.CheckList();
    EXPECT_EQ(model.CheckListCount(), static_cast<Long>(order.size()));
    const std::set<Long> orderSet(order.begin(), order.end());
    EXPECT_EQ(orderSet.size(), order.size()) << "an item is in the checking order twice";
    if (model.Style() == lsCheck) {
        EXPECT_EQ(orderSet, flaggedSet);
    } else {
        EXPECT_TRUE(order.empty());
    }
    if (model.MaxCheck() > 0) {
        EXPECT_LE(static_cast<Long>(order.size()), model.MaxCheck());
    }

    const std::vector<Long>& range = model.SelList();
    EXPECT_EQ(model.SelListCount(), static_cast<Long>(range.size()));
    for (std::size_t i = 0; i < range.size(); ++i) {
        EXPECT_TRUE(flaggedSet.contains(range[i])) << "range entry " << range[i];
        if (i > 0) {
            EXPECT_LT(range[i - 1], range[i]);
        }
    }
    if (model.Style() == lsNormal && model.MultiSelect() == msSingle) {
        EXPECT_LE(flagged.size(), 1u);
    }
}

}  // namespace qv
