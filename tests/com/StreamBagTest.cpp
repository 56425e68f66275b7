// The stream format of the control's saved properties: what is written reads back the
// same, and damaged data is refused without touching the bag.
#include "com/server/StreamBag.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/HostError.h"
#include "platform/host/StdFont.h"

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

TEST(StreamBagTest, DefaultsAndNothingAreLeftOut) {
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

host::FontRef FontOf(const Variant& vValue) {
    return vValue.IsObject() ? std::dynamic_pointer_cast<host::StdFont>(vValue.Object()) : nullptr;
}

TEST(StreamBagTest, FontsReadBackWithEveryAttribute) {
    const struct {
        const char* sName;
        double dSize;
        Integer nWeight;
        Integer nCharset;
        bool bItalic, bUnderline, bStrike;
    } fonts[] = {
        {"MS UI Gothic", 9, 400, 128, false, false, false},
        {"ＭＳ ゴシック", 10.5, 700, 128, true, false, true},
        {"Arial", 72, 0, 0, false, true, false},
    };
    for (const auto& f : fonts) {
        auto oFont = std::make_shared<host::StdFont>(f.sName, f.dSize);
        oFont->SetWeight(f.nWeight);
        oFont->SetCharset(f.nCharset);
        oFont->SetItalic(f.bItalic);
        oFont->SetUnderline(f.bUnderline);
        oFont->SetStrikethrough(f.bStrike);
        StreamBag written;
        written.WriteProperty("Font", Variant(ObjectRef(oFont)), Variant::Nothing());
        StreamBag read;
        ASSERT_TRUE(read.Deserialize(written.Serialize())) << f.sName;
        host::FontRef oBack = FontOf(read.ReadProperty("Font", Variant()));
        ASSERT_NE(oBack, nullptr) << f.sName;
        EXPECT_NE(oBack, oFont);
        EXPECT_EQ(oBack->Name(), f.sName);
        EXPECT_EQ(oBack->Size(), f.dSize) << f.sName;
        EXPECT_EQ(oBack->Weight(), f.nWeight) << f.sName;
        EXPECT_EQ(oBack->Charset(), f.nCharset) << f.sName;
        EXPECT_EQ(oBack->Italic(), f.bItalic) << f.sName;
        EXPECT_EQ(oBack->Underline(), f.bUnderline) << f.sName;
        EXPECT_EQ(oBack->Strikethrough(), f.bStrike) << f.sName;
    }
}

class NotAFontOrPicture : public HostObject {
  public:
    std::string_view TypeName() const override { return "Other"; }
};

TEST(StreamBagTest, OtherObjectsAreRefusedWhenWritten) {
    StreamBag bag;
    EXPECT_THROW(bag.WriteProperty("X", Variant(ObjectRef(std::make_shared<NotAFontOrPicture>())),
                                   Variant()),
                 HostError);
    EXPECT_EQ(bag.Count(), 0u);
}

// A font entry ends with its size (8 bytes), weight, charset (2 each) and three flags.
TEST(StreamBagTest, FontsOutsideWhatAFontCanBeAreDamagedData) {
    StreamBag source;
    source.WriteProperty("Font", Variant(ObjectRef(std::make_shared<host::StdFont>("A", 9.0))),
                         Variant());
    const std::string sGood = source.Serialize();
    const auto Patched = [&](size_t nFromEnd, const void* pBytes, size_t nBytes) {
        std::string sData = sGood;
        std::memcpy(sData.data() + sData.size() - nFromEnd, pBytes, nBytes);
        return sData;
    };
    const double dZero = 0, dNegative = -3;
    const Integer nHeavy = 1001, nNegative = -1, nWideCharset = 256;
    const char nTwo = 2;
    const struct {
        const char* sCase;
        std::string sData;
    } cases[] = {
        {"size 0", Patched(15, &dZero, sizeof dZero)},
        {"negative size", Patched(15, &dNegative, sizeof dNegative)},
        {"weight above 1000", Patched(7, &nHeavy, sizeof nHeavy)},
        {"negative weight", Patched(7, &nNegative, sizeof nNegative)},
        {"charset above 255", Patched(5, &nWideCharset, sizeof nWideCharset)},
        {"a flag that is neither", Patched(2, &nTwo, 1)},
    };
    for (const auto& c : cases) {
        StreamBag bag;
        EXPECT_FALSE(bag.Deserialize(c.sData)) << c.sCase;
        EXPECT_EQ(bag.Count(), 0u) << c.sCase;
    }
    StreamBag bag;
    EXPECT_TRUE(bag.Deserialize(sGood));
}

}  // namespace
}  // namespace qv::com
