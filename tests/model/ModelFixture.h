#pragma once

#include <functional>
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

}  // namespace qv
