#include "control/ItemStore.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace qv {
namespace {

std::vector<std::string> Contents(const ItemStore& store) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < store.Size(); ++i) texts.push_back(store[i].sText);
    return texts;
}

// Random insertions and removals at random places must keep the same order as a plain
// array given the same edits, whichever way the gap has to move and however often the
// store grows.
TEST(ItemStore, MatchesAPlainArrayUnderRandomEdits) {
    std::mt19937 random(20261207);
    ItemStore store;
    std::vector<std::string> model;
    for (int nStep = 0; nStep < 5000; ++nStep) {
        const bool bInsert = model.empty() || random() % 3 != 0;
        if (bInsert) {
            const std::size_t nAt = random() % (model.size() + 1);
            const std::string sText = "t" + std::to_string(nStep);
            store.Insert(nAt, ListItem{sText, 0, VbFalse, {}});
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(nAt), sText);
        } else {
            const std::size_t nAt = random() % model.size();
            store.Erase(nAt);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(nAt));
        }
        ASSERT_EQ(store.Size(), model.size()) << "step " << nStep;
    }
    EXPECT_EQ(Contents(store), model);
}

TEST(ItemStore, ForEachVisitsEveryItemInOrderAroundTheGap) {
    ItemStore store;
    for (const char* sText : {"b", "d"})
        store.Insert(store.Size(), ListItem{sText, 0, VbFalse, {}});
    store.Insert(0, ListItem{"a", 0, VbFalse, {}});
    store.Insert(2, ListItem{"c", 0, VbFalse, {}});
    std::string sSeen;
    store.ForEach([&](ListItem& item) { sSeen += item.sText; });
    EXPECT_EQ(sSeen, "abcd");
}

TEST(ItemStore, ErasedRecordsReleaseTheirValues) {
    auto oShared = std::make_shared<int>(1);
    struct Holder : HostObject {
        std::shared_ptr<int> oValue;
        std::string_view TypeName() const override { return "Holder"; }
    };
    auto oHolder = std::make_shared<Holder>();
    oHolder->oValue = oShared;
    ItemStore store;
    store.Insert(0, ListItem{"x", 0, VbFalse, Variant(ObjectRef(oHolder))});
    oHolder.reset();
    store.Erase(0);
    EXPECT_EQ(oShared.use_count(), 1);
}

}  // namespace
}  // namespace qv
