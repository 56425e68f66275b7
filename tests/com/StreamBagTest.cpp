// The stream format of the control's saved properties: what is written reads back the
// same, and damaged data is refused without touching the bag.
#include "com/server/StreamBag.h"

#include <gtest/gtest.h>

namespace qv::com {
namespace {

TEST(StreamBagTest, ValuesOfEveryKindReadBackTheSame) {
    const std::pair<const char*, Variant> values[] = {
        {"Integer", Variant(Integer{-7})}, {"Long", Variant(Long{0x7FFFFFFF})},
        {"Single", Variant(1.5f)},         {"Double", Variant(-2.25)},
        {"Text", Variant("日本語 text")},  {"Empty text", Variant("")},
        {"True", Variant(VbTrue)},         {"Odd boolean", Variant(Boolean(Integer{5}))},
    };
    StreamBag written;
    for (const auto& [sName, vValue] : values) written.WriteProperty(sName, vValue, Variant());
    StreamBag read;
    ASSERT_TRUE(read.Deserialize(written.Serialize()));
    EXPECT_EQ(read.Count(), std::size(values));
    for (const auto& [sName, vValue] : values)
        EXPECT_EQ(read.ReadProperty(sName, Variant()), vValue) << sName;
}

TEST(StreamBagTest, DefaultsAndObjectsAreLeftOut) {
    StreamBag bag;
    bag.WriteProperty("Same", Variant(Long{3}), Variant(Long{3}));
    bag.WriteProperty("Object", Variant::Nothing(), Variant(Long{0}));
    bag.WriteProperty("Kept", Variant(Long{4}), Variant(Long{3}));
    EXPECT_EQ(bag.Count(), 1u);
    EXPECT_EQ(bag.ReadProperty("Same", Variant(Long{9})), Variant(Long{9}));
}

TEST(StreamBagTest, DamagedDataIsRefusedAndTheBagKeepsWhatItHad) {
    StreamBag source;
    source.WriteProperty("MaxCheck", Variant(Long{2}), Variant());
    const std::string sGood = source.Serialize();
    std::string sBadTag = sGood;
    sBadTag[sGood.size() - 5] = 99;  // the type tag of the one value
    std::string sHuge = sGood;
    sHuge[10] = 1;  // an entry count beyond any bag
    const struct {
        const char* sCase;
        std::string sData;
    } cases[] = {
        {"empty", ""},
        {"wrong signature", "XXXX" + sGood.substr(4)},
        {"cut short", sGood.substr(0, sGood.size() - 1)},
        {"trailing bytes", sGood + "x"},
        {"unknown type", sBadTag},
        {"too many entries", sHuge},
    };
    for (const auto& c : cases) {
        StreamBag bag;
        bag.WriteProperty("Style", Variant(Long{1}), Variant());
        EXPECT_FALSE(bag.Deserialize(c.sData)) << c.sCase;
        EXPECT_EQ(bag.Count(), 1u) << c.sCase;
        EXPECT_EQ(bag.ReadProperty("Style", Variant()), Variant(Long{1})) << c.sCase;
    }
}

}  // namespace
}  // namespace qv::com
