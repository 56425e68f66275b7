#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/soft/gdi/GdiTestSupport.h"
#include "platform/soft/gdi/Raster.h"
#include "platform/win32/User.h"

namespace qv::soft {
namespace {

using namespace win32;
using test::BitmapDC;
using test::kBlack;
using test::kBlue;
using test::kRed;
using test::kWhite;

struct PixelCase {
    int nX, nY;
    COLORREF clrExpected;
};

void ExpectPixels(const BitmapDC& dc, const std::vector<PixelCase>& cases) {
    for (const PixelCase& c : cases)
        EXPECT_EQ(dc.Pixel(c.nX, c.nY), c.clrExpected) << "at " << c.nX << "," << c.nY;
}

TEST(Raster, FillRectCoversLeftAndTopButNotRightAndBottom) {
    BitmapDC dc(10, 10);
    UniqueGdiObject brush(BitmapDC::Brush(kRed));
    const RECT rc{2, 3, 5, 7};
    FillRect(dc.Get(), &rc, brush.Get());
    ExpectPixels(dc, {{2, 3, kRed},
                      {4, 6, kRed},
                      {5, 6, kWhite},
                      {4, 7, kWhite},
                      {1, 3, kWhite},
                      {2, 2, kWhite}});
    EXPECT_EQ(test::CountColor(dc.Pixels(), {0, 0, 10, 10}, kRed), 12);
}

TEST(Raster, FillRectIsClippedToTheBitmap) {
    struct Case {
        RECT rc;
        int nExpectedRed;
    };
    const std::vector<Case> cases = {
        {{-5, -5, 2, 3}, 6},
        {{8, 8, 50, 50}, 4},
        {{-2147483647, -2147483647, 2147483647, 2147483647}, 100},
        {{20, 20, 30, 30}, 0},
        {{6, 6, 2, 2}, 0},
        {{-30, 0, -20, 10}, 0},
    };
    for (const Case& c : cases) {
        BitmapDC dc(10, 10);
        UniqueGdiObject brush(BitmapDC::Brush(kRed));
        FillRect(dc.Get(), &c.rc, brush.Get());
        EXPECT_EQ(test::CountColor(dc.Pixels(), {0, 0, 10, 10}, kRed), c.nExpectedRed)
            << c.rc.left << "," << c.rc.top << "," << c.rc.right << "," << c.rc.bottom;
    }
}

TEST(Raster, FillRectTakesSystemColourIndexPlusOne) {
    BitmapDC dc(2, 2);
    const RECT rc{0, 0, 2, 2};
    FillRect(dc.Get(), &rc, MakeHandle<HBRUSH>(COLOR_HIGHLIGHT + 1));
    EXPECT_EQ(dc.Pixel(1, 1), GetSysColor(COLOR_HIGHLIGHT));
}

TEST(Raster, DiagonalCrossHatchHasLinesAndTransparentGaps) {
    BitmapDC dc(16, 16, kWhite);
    const LOGBRUSH hatch{BS_HATCHED, kBlue, HS_DIAGCROSS};
    UniqueGdiObject brush(CreateBrushIndirect(&hatch));
    SetBkMode(dc.Get(), TRANSPARENT);
    const RECT rc{0, 0, 16, 16};
    FillRect(dc.Get(), &rc, brush.Get());
    for (int nY = 0; nY < 16; ++nY) {
        for (int nX = 0; nX < 16; ++nX) {
            const bool bLine = (nX % 8) == (nY % 8) || (nX % 8) + (nY % 8) == 7;
            ASSERT_EQ(dc.Pixel(nX, nY), bLine ? kBlue : kWhite) << nX << "," << nY;
        }
    }
}

TEST(Raster, HatchGapsTakeTheBackgroundColourWhenOpaque) {
    BitmapDC dc(8, 8, kWhite);
    const LOGBRUSH hatch{BS_HATCHED, kBlue, HS_DIAGCROSS};
    UniqueGdiObject brush(CreateBrushIndirect(&hatch));
    SetBkColor(dc.Get(), kRed);
    const RECT rc{0, 0, 8, 8};
    FillRect(dc.Get(), &rc, brush.Get());
    ExpectPixels(dc, {{0, 0, kBlue}, {7, 0, kBlue}, {1, 0, kRed}, {3, 3, kBlue}, {3, 5, kRed}});
}

TEST(Raster, HatchStylesTable) {
    struct Case {
        int nHatch;
        int nLinePixels;  // within one 8 x 8 cell
    };
    const std::vector<Case> cases = {{HS_HORIZONTAL, 8}, {HS_VERTICAL, 8}, {HS_FDIAGONAL, 8},
                                     {HS_BDIAGONAL, 8},  {HS_CROSS, 15},   {HS_DIAGCROSS, 16}};
    for (const Case& c : cases) {
        int nCount = 0;
        for (int nY = 0; nY < 8; ++nY)
            for (int nX = 0; nX < 8; ++nX) nCount += HatchCovers(c.nHatch, nX, nY);
        EXPECT_EQ(nCount, c.nLinePixels) << "hatch " << c.nHatch;
    }
    const LOGBRUSH badHatch{BS_HATCHED, kBlue, 6};
    EXPECT_EQ(CreateBrushIndirect(&badHatch), HBRUSH{});
    EXPECT_EQ(CreateBrushIndirect(nullptr), HBRUSH{});
}

TEST(Raster, RectangleWithTheNullPenLeavesRightColumnAndBottomRow) {
    BitmapDC dc(12, 12);
    UniqueGdiObject brush(BitmapDC::Brush(kRed));
    ScopedSelection pen(dc.Get(), GetStockObject(NULL_PEN));
    ScopedSelection brushSelection(dc.Get(), brush.Get());
    EXPECT_EQ(Rectangle(dc.Get(), 2, 2, 8, 6), TRUE);
    ExpectPixels(dc, {{2, 2, kRed},
                      {6, 4, kRed},
                      {7, 4, kWhite},
                      {6, 5, kWhite},
                      {1, 2, kWhite},
                      {2, 1, kWhite}});
    EXPECT_EQ(test::CountColor(dc.Pixels(), {0, 0, 12, 12}, kRed), 5 * 3);
}

TEST(Raster, RectangleWithAPenOutlinesTheOuterPixels) {
    BitmapDC dc(12, 12);
    UniqueGdiObject brush(BitmapDC::Brush(kRed));
    ScopedSelection brushSelection(dc.Get(), brush.Get());
    Rectangle(dc.Get(), 8, 6, 2, 2);  // corners in any order
    ExpectPixels(dc, {{2, 2, kBlack},
                      {7, 5, kBlack},
                      {7, 2, kBlack},
                      {2, 5, kBlack},
                      {3, 3, kRed},
                      {6, 4, kRed},
                      {8, 6, kWhite}});
}

TEST(Raster, FocusRectIsDottedAndSelfInverting) {
    BitmapDC dc(12, 10, kWhite);
    const RECT rc{1, 1, 9, 7};
    DrawFocusRect(dc.Get(), &rc);
    // Dots on the pixels of the outline whose coordinates add up to an even number.
    ExpectPixels(dc, {{1, 1, kBlack},
                      {2, 1, kWhite},
                      {3, 1, kBlack},
                      {8, 1, kWhite},
                      {1, 2, kWhite},
                      {1, 3, kBlack},
                      {8, 2, kBlack},
                      {2, 6, kBlack},
                      {3, 6, kWhite},
                      {4, 4, kWhite},
                      {9, 1, kWhite}});
    int nDots = test::CountColor(dc.Pixels(), {0, 0, 12, 10}, kBlack);
    EXPECT_EQ(nDots, 12);  // half of the 24 outline pixels
    DrawFocusRect(dc.Get(), &rc);
    EXPECT_EQ(test::CountColor(dc.Pixels(), {0, 0, 12, 10}, kWhite), 120);
}

TEST(Raster, FocusRectInvertsColoursAndCutsAtTheEdges) {
    BitmapDC dc(6, 6, kRed);
    const RECT rc{-2, -2, 4, 1000000};
    DrawFocusRect(dc.Get(), &rc);
    // Only the right edge (x = 3) is inside; its dots are at odd y and turn red into cyan.
    ExpectPixels(dc, {{3, 0, kRed}, {3, 1, 0x00FFFF00}, {3, 5, 0x00FFFF00}, {2, 1, kRed}});
    EXPECT_EQ(test::CountColor(dc.Pixels(), {0, 0, 6, 6}, 0x00FFFF00), 3);
}

TEST(Raster, BitBltCopiesAndClips) {
    BitmapDC source(4, 4, kBlue);
    source.Pixels().SetPixel(0, 0, kRed);
    source.Pixels().SetPixel(3, 3, kBlack);
    BitmapDC dest(6, 6, kWhite);
    EXPECT_EQ(BitBlt(dest.Get(), 3, 3, 4, 4, source.Get(), 0, 0, SRCCOPY), TRUE);
    ExpectPixels(dest, {{3, 3, kRed}, {5, 5, kBlue}, {2, 3, kWhite}});
    BitmapDC second(6, 6, kWhite);
    BitBlt(second.Get(), 0, 0, 6, 6, source.Get(), 2, 2, SRCCOPY);  // source runs out at 2 x 2
    ExpectPixels(second, {{1, 1, kBlack}, {0, 0, kBlue}, {2, 2, kWhite}, {2, 0, kWhite}});
    EXPECT_EQ(BitBlt(second.Get(), 0, 0, 2, 2, source.Get(), 0, 0, 0x00EE0086), FALSE);
}

TEST(Raster, BitBltWithinOneBitmapHandlesOverlap) {
    BitmapDC dc(1, 6, kWhite);
    for (int nY = 0; nY < 6; ++nY) dc.Pixels().SetPixel(0, nY, static_cast<COLORREF>(nY));
    BitBlt(dc.Get(), 0, 2, 1, 4, dc.Get(), 0, 0, SRCCOPY);
    for (int nY = 2; nY < 6; ++nY) EXPECT_EQ(dc.Pixel(0, nY), static_cast<COLORREF>(nY - 2));
}

TEST(Raster, StretchBltByNearestNeighbour) {
    BitmapDC source(2, 2);
    source.Pixels().SetPixel(0, 0, kRed);
    source.Pixels().SetPixel(1, 0, kBlue);
    source.Pixels().SetPixel(0, 1, kBlack);
    source.Pixels().SetPixel(1, 1, kWhite);
    BitmapDC dest(8, 8, 0x00123456);
    EXPECT_EQ(SetStretchBltMode(dest.Get(), COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(StretchBlt(dest.Get(), 1, 1, 6, 4, source.Get(), 0, 0, 2, 2, SRCCOPY), TRUE);
    ExpectPixels(dest, {{1, 1, kRed},
                        {3, 2, kRed},
                        {4, 1, kBlue},
                        {6, 2, kBlue},
                        {1, 3, kBlack},
                        {6, 4, kWhite},
                        {7, 4, 0x00123456},
                        {1, 5, 0x00123456},
                        {0, 0, 0x00123456}});
    BitmapDC shrunk(1, 1);
    StretchBlt(shrunk.Get(), 0, 0, 1, 1, source.Get(), 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(shrunk.Pixel(0, 0), kWhite);  // the centre of the source falls in its last pixel
    BitmapDC mirrored(2, 1);
    StretchBlt(mirrored.Get(), 1, 0, -2, 1, source.Get(), 0, 0, 2, 1, SRCCOPY);
    ExpectPixels(mirrored, {{0, 0, kBlue}, {1, 0, kRed}});
    EXPECT_EQ(StretchBlt(dest.Get(), 0, 0, 0, 4, source.Get(), 0, 0, 2, 2, SRCCOPY), FALSE);
}

TEST(Raster, StretchBltToAHugeDestinationTouchesOnlyTheBitmap) {
    BitmapDC source(2, 2, kRed);
    BitmapDC dest(4, 4, kWhite);
    EXPECT_EQ(StretchBlt(dest.Get(), -2000000000, -2000000000, 2100000000, 2100000000, source.Get(),
                         0, 0, 2, 2, SRCCOPY),
              TRUE);
    EXPECT_EQ(test::CountColor(dest.Pixels(), {0, 0, 4, 4}, kRed), 16);
}

}  // namespace
}  // namespace qv::soft
