#include <gtest/gtest.h>

#include <charconv>
#include <limits>
#include <memory>
#include <string>

#include "qvhost/ValueFormat.h"

namespace qv::qvhost {
namespace {

class FakePicture : public HostObject {
  public:
    std::string_view TypeName() const override { return "Picture"; }
};

std::string FailOnObject(const HostObject&) {
    ADD_FAILURE() << "asked to describe an object";
    return "?";
}

struct FormatCase {
    Variant vValue;
    std::string sExpected;
};

const FormatCase kFormats[] = {
    {Variant(), "Empty"},
    {Variant::Nothing(), "Nothing"},
    {Variant(Integer{0}), "0"},
    {Variant(Integer{-32768}), "-32768"},
    {Variant(Long{2147483647}), "2147483647"},
    {Variant(Long{-2147483646}), "-2147483646"},
    {Variant(VbTrue), "True"},
    {Variant(VbFalse), "False"},
    {Variant(Boolean(Integer{1})), "Boolean(1)"},
    {Variant(Boolean(Integer{-2})), "Boolean(-2)"},
    {Variant(Boolean(Integer{-32768})), "Boolean(-32768)"},
    {Variant(""), "\"\""},
    {Variant("Red"), "\"Red\""},
    {Variant("say \"hi\"\\now\nnext"), "\"say \\\"hi\\\"\\\\now\\nnext\""},
    {Variant("tab\there\r#"), "\"tab\there\r#\""},
    {Variant("caf\xC3\xA9"), "\"caf\xC3\xA9\""},
    {Variant(10.0), "10"},
    {Variant(10.5), "10.5"},
    {Variant(0.1), "0.1"},
    {Variant(-0.25), "-0.25"},
    {Variant(1.0 / 3.0), "0.3333333333333333"},
    {Variant(1e20), "1e+20"},
    {Variant(1e-7), "1e-07"},
    {Variant(static_cast<double>(0.1f)), "0.10000000149011612"},
    {Variant(0.1f), "0.1"},
    {Variant(16777216.0f), "16777216"},
    {Variant(3.4028235e38f), "3.4028235e+38"},
};

TEST(ValueFormatTest, FormatsEachType) {
    for (const FormatCase& row : kFormats) {
        SCOPED_TRACE(row.sExpected);
        EXPECT_EQ(FormatValue(row.vValue, FailOnObject), row.sExpected);
    }
}

TEST(ValueFormatTest, ObjectsAreDescribedByTheCaller) {
    auto oPicture = std::make_shared<FakePicture>();
    const HostObject* pSeen = nullptr;
    std::string sText = FormatValue(Variant(ObjectRef(oPicture)), [&](const HostObject& object) {
        pSeen = &object;
        return std::string("Picture(0 10x10)");
    });
    EXPECT_EQ(sText, "Picture(0 10x10)");
    EXPECT_EQ(pSeen, oPicture.get());
}

template <class T>
T ReadBack(const std::string& sText) {
    T value{};
    std::from_chars(sText.data(), sText.data() + sText.size(), value);
    return value;
}

TEST(ValueFormatTest, RealNumbersReadBackExactly) {
    const double aDoubles[] = {0.1 + 0.2,   1e300,     5e-324,
                               -123456.789, 2.0 / 3.0, std::numeric_limits<double>::max()};
    for (double dValue : aDoubles) {
        std::string sText = FormatValue(Variant(dValue), FailOnObject);
        EXPECT_EQ(ReadBack<double>(sText), dValue) << sText;
    }
    const float aSingles[] = {0.1f + 0.2f, 1e-40f, -7.77f, 2.0f / 3.0f};
    for (float fValue : aSingles) {
        std::string sText = FormatValue(Variant(fValue), FailOnObject);
        EXPECT_EQ(ReadBack<float>(sText), fValue) << sText;
        EXPECT_LE(sText.size(), 15u) << "printed in double precision: " << sText;
    }
}

struct QuoteCase {
    std::string sText;
    std::string sQuoted;
};

const QuoteCase kQuotes[] = {
    {"", "\"\""},           {"plain words", "\"plain words\""},
    {"\"", "\"\\\"\""},     {"\\", "\"\\\\\""},
    {"\n\n", "\"\\n\\n\""}, {"a\\nb", "\"a\\\\nb\""},
};

TEST(ValueFormatTest, QuotesWithScriptEscapes) {
    for (const QuoteCase& row : kQuotes) {
        SCOPED_TRACE(row.sQuoted);
        EXPECT_EQ(QuoteString(row.sText), row.sQuoted);
    }
}

}  // namespace
}  // namespace qv::qvhost
