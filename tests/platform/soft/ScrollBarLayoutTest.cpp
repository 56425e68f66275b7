#include <gtest/gtest.h>

#include "platform/soft/user/ScrollBar.h"
#include "platform/soft/user/WindowSystem.h"

namespace qv::soft {
namespace {

// A bar 16 wide and 100 tall: arrows of 16, a track of 68 from pixel 16.
struct ThumbCase {
    const char* pszName;
    int nMax;
    unsigned nPage;
    int nPos;
    int nThumbTop;
    int nThumbLength;
};

TEST(ScrollBarLayoutTest, TheThumbsLengthAndPlaceAreRoundedToTheNearestPixel) {
    const ThumbCase cases[] = {
        {"eight positions: 68 / 8 = 8.5", 7, 1, 0, 16, 9},
        {"eight positions, the last: free 59", 7, 1, 7, 16 + 59, 9},
        {"eight positions, the fourth: 59 * 3 / 7 = 25.3", 7, 1, 3, 16 + 25, 9},
        {"ten positions: 6.8 grows to the least length", 9, 1, 0, 16, 8},
        {"ten positions, the fifth: 60 * 4 / 9 = 26.7", 9, 1, 4, 16 + 27, 8},
        {"four positions: 17", 3, 1, 1, 16 + 17, 17},
        {"a page of 5 in 20: 17, the eighth of 16: 51 * 7 / 15 = 23.8", 19, 5, 7, 16 + 24, 17},
        {"1001 positions, the 334th: 60 * 333 / 1000 = 19.98", 1000, 1, 333, 16 + 20, 8},
        {"two positions: 34", 1, 1, 1, 16 + 34, 34},
        {"a page as long as the range leaves no thumb", 9, 10, 0, 0, 0},
    };
    for (const ThumbCase& c : cases) {
        const ScrollBarState bar{true, 0, c.nMax, c.nPage, c.nPos};
        const ScrollBarLayout layout = ScrollBarLayout::Of(bar, 16, 100);
        EXPECT_EQ(layout.nTrackTop, 16) << c.pszName;
        EXPECT_EQ(layout.nTrackLength, 68) << c.pszName;
        EXPECT_EQ(layout.nThumbLength, c.nThumbLength) << c.pszName;
        if (c.nThumbLength > 0) {
            EXPECT_EQ(layout.nThumbTop, c.nThumbTop) << c.pszName;
        }
    }
}

// Dragging the thumb to where a position draws it gives that position back.
TEST(ScrollBarLayoutTest, EachPositionsThumbTopLeadsBackToThatPosition) {
    for (const int nMax : {1, 3, 7, 9, 19, 1000}) {
        const ScrollBarLayout layout = ScrollBarLayout::Of({true, 0, nMax, 1, 0}, 16, 100);
        const int nFree = layout.nTrackLength - layout.nThumbLength;
        for (int nPos = 0; nPos <= nMax; ++nPos) {
            const ScrollBarState bar{true, 0, nMax, 1, nPos};
            const int nTop = ScrollBarLayout::Of(bar, 16, 100).nThumbTop;
            // With more positions than free pixels several share a pixel: the nearest wins.
            if (nMax > nFree) continue;
            EXPECT_EQ(layout.PositionForThumbTop(bar, nTop), nPos) << nMax << " " << nPos;
        }
    }
}

}  // namespace
}  // namespace qv::soft
