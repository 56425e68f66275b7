#include "model/ItemStore.h"

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
            // Appended, not prefixed: GCC 12 at -O3 flags the prefixing insert with a false
            // -Wrestrict.
            std::string sText = "t";
            sText += std::to_string(nStep);
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

// The selected count and span against a plain array of flags, under random edits and
// every selection operation: flags read back as stored, the count matches and no selected
// item lies outside the span.
TEST(ItemStore, SelectionBookkeepingMatchesAPlainArray) {
    std::mt19937 random(20261208);
    ItemStore store;
    std::vector<Boolean> model;
    const Boolean aValues[] = {VbTrue, VbFalse, Boolean(5), Boolean(1)};
    for (int nStep = 0; nStep < 20000; ++nStep) {
        const std::size_t nAt = random() % (model.size() + 1);
        const bool bHit = nAt < model.size();
        const Boolean bValue = aValues[random() % 4];
        switch (random() % 8) {
            case 0:
            case 1:
                store.Insert(nAt, ListItem{"", 0, bValue, {}});
                model.insert(model.begin() + static_cast<std::ptrdiff_t>(nAt), bValue);
                break;
            case 2:
                if (!bHit) break;
                store.Erase(nAt);
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(nAt));
                break;
            case 3:
            case 4:
                if (!bHit) break;
                store.SetSelected(nAt, bValue);
                model[nAt] = bValue;
                break;
            case 5: {
                bool bExpected = false;
                for (std::size_t i = 0; i < model.size(); ++i) {
                    const bool bWanted = i == nAt;
                    if (model[i].IsTrue() == bWanted) continue;
                    model[i] = Boolean::FromBool(bWanted);
                    bExpected = true;
                }
                ASSERT_EQ(store.SelectOnly(nAt), bExpected) << "step " << nStep;
                break;
            }
            case 6:
                if (random() % 8 != 0) break;
                store.SetAllSelected(bValue);
                for (Boolean& bFlag : model) bFlag = bValue;
                break;
            default:
                if (random() % 50 != 0) break;
                store.Clear();
                model.clear();
                break;
        }
        ASSERT_EQ(store.Size(), model.size()) << "step " << nStep;
        std::size_t nSelected = 0;
        const ItemStore::Span span = store.SelectedSpan();
        for (std::size_t i = 0; i < model.size(); ++i) {
            ASSERT_EQ(store[i].bSelected, model[i]) << "step " << nStep << " item " << i;
            if (!model[i].IsTrue()) continue;
            ++nSelected;
            ASSERT_TRUE(i >= span.nFirst && i < span.nEnd) << "step " << nStep << " item " << i;
        }
        ASSERT_EQ(store.SelectedCount(), nSelected) << "step " << nStep;
    }
}

// Moving a single selection from item to item keeps the span to that one item, so the next
// move looks at one record however long the list is.
TEST(ItemStore, ASingleSelectionKeepsItsSpanToOneItem) {
    ItemStore store;
    for (int i = 0; i < 1000; ++i) store.Insert(store.Size(), ListItem{"", 0, VbFalse, {}});
    store.SetAllSelected(VbTrue);
    EXPECT_TRUE(store.SelectOnly(500));
    EXPECT_EQ(store.SelectedSpan().nFirst, 500u);
    EXPECT_EQ(store.SelectedSpan().nEnd, 501u);
    EXPECT_TRUE(store.SelectOnly(501));
    EXPECT_FALSE(store.SelectOnly(501));
    EXPECT_EQ(store.SelectedCount(), 1u);
    EXPECT_EQ(store.SelectedSpan().nFirst, 501u);
    EXPECT_EQ(store.SelectedSpan().nEnd, 502u);
    store.Erase(0);
    EXPECT_EQ(store.SelectedSpan().nFirst, 500u);
    EXPECT_TRUE(store[500].bSelected.IsTrue());
}

}  // namespace
}  // namespace qv
