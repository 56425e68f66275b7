#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "platform/Checked.h"
#include "platform/HostError.h"

namespace qv {
namespace {

constexpr Long kMax = INT32_MAX;
constexpr Long kMin = INT32_MIN;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

template <typename Fn>
bool RaisesOverflow(Fn fn) {
    try {
        fn();
    } catch (const HostError& error) {
        return error.Number() == err::kOverflow;
    }
    return false;
}

TEST(Checked, RoundHalfEven) {
    const std::vector<std::pair<double, double>> cases = {{0.5, 0.0},
                                                          {1.5, 2.0},
                                                          {2.5, 2.0},
                                                          {-0.5, 0.0},
                                                          {-2.5, -2.0},
                                                          {-1.6, -2.0},
                                                          {0.49999999999999994, 0.0},
                                                          {2147483646.5, 2147483646.0},
                                                          {2147483645.5, 2147483646.0},
                                                          {4503599627370495.5, 4503599627370496.0},
                                                          {4503599627370497.0, 4503599627370497.0},
                                                          {-kInf, -kInf}};
    for (const auto& [dInput, dExpected] : cases) {
        SCOPED_TRACE(dInput);
        EXPECT_EQ(RoundHalfEven(dInput), dExpected);
    }
    EXPECT_TRUE(std::isnan(RoundHalfEven(kNaN)));
}

TEST(Checked, NarrowingKeepsTheEdges) {
    EXPECT_EQ(RoundToLong(2147483647.4), kMax);
    EXPECT_EQ(RoundToLong(-2147483648.5), kMin);
    EXPECT_EQ(RoundToInteger(32767.4), 32767);
    EXPECT_EQ(RoundToInteger(-32768.5), -32768);
    EXPECT_EQ(ToInteger(-32768), -32768);
}

TEST(Checked, NarrowingOverflows) {
    for (double dValue : {2147483647.5, -2147483648.6, -2147483649.0, kNaN, kInf, -kInf}) {
        SCOPED_TRACE(dValue);
        EXPECT_TRUE(RaisesOverflow([&] { RoundToLong(dValue); }));
    }
    for (double dValue : {32767.5, -32768.6, 65536.0, kNaN}) {
        SCOPED_TRACE(dValue);
        EXPECT_TRUE(RaisesOverflow([&] { RoundToInteger(dValue); }));
    }
    for (Long nValue : {32768, -32769, 65535, kMin}) {
        SCOPED_TRACE(nValue);
        EXPECT_TRUE(RaisesOverflow([&] { ToInteger(nValue); }));
    }
}

struct ArithmeticCase {
    Long (*pOperation)(Long, Long);
    Long nA;
    Long nB;
    std::optional<Long> expected;  // nullopt: overflow
};

TEST(Checked, Arithmetic) {
    const std::vector<ArithmeticCase> cases = {
        {CheckedAdd, kMax, 1, std::nullopt},    {CheckedAdd, kMin, -1, std::nullopt},
        {CheckedAdd, kMin, kMax, -1},           {CheckedSub, 0, kMin, std::nullopt},
        {CheckedSub, -1, kMin, kMax},           {CheckedSub, kMax, -1, std::nullopt},
        {CheckedMul, kMin, -1, std::nullopt},   {CheckedMul, 46341, 46341, std::nullopt},
        {CheckedMul, 46340, 46340, 2147395600}, {CheckedMul, -65536, 32768, kMin}};
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const ArithmeticCase& c = cases[i];
        if (c.expected) {
            EXPECT_EQ(c.pOperation(c.nA, c.nB), *c.expected);
        } else {
            EXPECT_TRUE(RaisesOverflow([&] { c.pOperation(c.nA, c.nB); }));
        }
    }
}

}  // namespace
}  // namespace qv
