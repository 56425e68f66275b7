#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>

#include "platform/HostError.h"
#include "render/RectMath.h"

namespace qv {
namespace {

using win32::RECT;

template <typename Fn>
bool RaisesOverflow(Fn fn) {
    try {
        fn();
    } catch (const HostError& error) {
        return error.Number() == err::kOverflow;
    }
    return false;
}

TEST(RectRoutines, MakeRectNormalisesEmptyRectanglesToZeros) {
    struct Case {
        RECT input;
        RECT expected;
    };
    const std::vector<Case> cases = {
        {{5, 5, 5, 10}, {0, 0, 0, 0}},
        {{0, 10, 20, 4}, {0, 0, 0, 0}},
        {{1, 2, 3, 4}, {1, 2, 3, 4}},
        {{-5, -6, -1, -2}, {-5, -6, -1, -2}},
        {{3, 3, 2, 9}, {0, 0, 0, 0}},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeRect(c.input.left, c.input.top, c.input.right, c.input.bottom), c.expected)
            << c.input.left << "," << c.input.top << "," << c.input.right << "," << c.input.bottom;
        EXPECT_EQ(RectIsEmpty(c.input), Boolean::FromBool(c.expected == RECT{}));
    }
}

TEST(RectRoutines, OffsetRectBy) {
    struct Case {
        RECT input;
        Long nDx, nDy;
        RECT expected;
    };
    const std::vector<Case> cases = {
        {{0, 0, 0, 0}, 0, 17, {0, 0, 0, 0}},
        {{17, 0, 100, 17}, 0, 17, {17, 17, 100, 34}},
        {{1, 2, 3, 4}, -10, -20, {-9, -18, -7, -16}},
        {{0, 0, 5, 5}, 0, 0, {0, 0, 5, 5}},
    };
    for (const Case& c : cases) {
        RECT rect = c.input;
        OffsetRectBy(rect, c.nDx, c.nDy);
        EXPECT_EQ(rect, c.expected);
    }
}

TEST(RectRoutines, OverflowRaisesAndLeavesTheRectangleAsFarAsItWasMoved) {
    RECT rect{0, 0, INT_MAX - 1, 10};
    EXPECT_TRUE(RaisesOverflow([&] { OffsetRectBy(rect, 5, 1); }));
    EXPECT_EQ(rect, (RECT{5, 0, INT_MAX - 1, 10}));
    RECT downward{0, 0, 10, INT_MAX};
    EXPECT_TRUE(RaisesOverflow([&] { OffsetRectBy(downward, 1, 1); }));
    EXPECT_EQ(downward, (RECT{1, 1, 11, INT_MAX}));
    EXPECT_TRUE(RaisesOverflow([] { RectWidth({INT_MIN, 0, INT_MAX, 1}); }));
    EXPECT_TRUE(RaisesOverflow([] { RectHeight({0, -2, 1, INT_MAX}); }));
}

TEST(RectRoutines, WidthHeightAndContainedPoints) {
    const RECT rect{0, 0, 15, 20};
    EXPECT_EQ(RectWidth(rect), 15);
    EXPECT_EQ(RectHeight(rect), 20);
    EXPECT_EQ(RectWidth({10, 0, 4, 0}), -6);
    struct Case {
        RECT rect;
        Long nX, nY;
        Boolean bExpected;
    };
    const std::vector<Case> cases = {
        {rect, 15, 20, VbTrue},        {rect, 0, 0, VbTrue},   {rect, 16, 5, VbFalse},
        {rect, 5, 21, VbFalse},        {rect, -1, 5, VbFalse}, {{0, 0, 0, 0}, 0, 0, VbFalse},
        {{5, 5, 5, 9}, 5, 6, VbFalse},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RectContainsPoint(c.rect, c.nX, c.nY), c.bExpected) << c.nX << "," << c.nY;
}

}  // namespace
}  // namespace qv
