#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/HostError.h"
#include "platform/soft/gdi/GdiTestSupport.h"
#include "platform/soft/gdi/ImageLists.h"
#include "platform/soft/user/SystemSettings.h"
#include "platform/win32/ImageList.h"
#include "render/AnsiTextLength.h"
#include "render/FontAndBrush.h"
#include "render/ImageListDrawing.h"
#include "render/SolidFill.h"

namespace qv {
namespace {

using namespace win32;
using soft::test::BitmapDC;

constexpr COLORREF kBackground = 0x00123456;

Long HandleOf(HIMAGELIST hList) {
    return static_cast<Long>(HandleValue(hList));
}

TEST(DrawingSupport, CreateFontHandleAsksForTheCharacterHeightInPixels) {
    BitmapDC dc(1, 1);
    struct Case {
        double dPoints;
        int nHeight;
    };
    const std::vector<Case> cases = {{9, -12},  {9.75, -13}, {8.5, -11}, {10.5, -13},
                                     {12, -16}, {72, -96},   {0, 0}};
    for (const Case& c : cases) {
        host::StdFont font("MS UI Gothic", c.dPoints);
        win32::UniqueGdiObject hFont(CreateFontHandle(dc.Get(), font));
        const std::optional<soft::FontRequest> request = soft::FontRequestOf(hFont.Get());
        ASSERT_TRUE(request);
        EXPECT_EQ(request->nHeight, c.nHeight) << c.dPoints << " points";
    }
    host::StdFont huge("Arial", 1e12);
    EXPECT_THROW(CreateFontHandle(dc.Get(), huge), HostError);
}

TEST(DrawingSupport, CreateFontHandlePassesTheFontsProperties) {
    soft::SetSystemCodePage(932);
    BitmapDC dc(1, 1);
    host::StdFont font("ＭＳ ゴシック", 9);
    font.SetWeight(700);
    font.SetItalic(true);
    font.SetStrikethrough(true);
    font.SetCharset(128);
    win32::UniqueGdiObject hFont(CreateFontHandle(dc.Get(), font));
    const std::optional<soft::FontRequest> request = soft::FontRequestOf(hFont.Get());
    ASSERT_TRUE(request);
    EXPECT_EQ(request->sFace, "ＭＳ ゴシック");
    EXPECT_EQ(request->nWeight, 700);
    EXPECT_TRUE(request->bItalic);
    EXPECT_FALSE(request->bUnderline);
    EXPECT_TRUE(request->bStrikeOut);
    EXPECT_EQ(request->nCharSet, 128u);
}

TEST(DrawingSupport, GetAnsiLengthCountsBytesOfTheCodePage) {
    soft::SetSystemCodePage(932);
    struct Case {
        std::string sText;
        Integer nExpected;
    };
    const std::vector<Case> cases = {{"", 0}, {"abc", 3}, {"日本語", 6}, {"aｱ", 2}, {"A日", 3}};
    for (const Case& c : cases) EXPECT_EQ(GetAnsiLength(c.sText), c.nExpected) << c.sText;
    EXPECT_EQ(GetAnsiLength(std::string(32767, 'x')), 32767);
    EXPECT_THROW(GetAnsiLength(std::string(16384, 'x') + std::string(16384, 'y')), HostError);
}

TEST(DrawingSupport, FillRectColorFillsAndKeepsNoBrush) {
    BitmapDC dc(4, 4, kBackground);
    const std::size_t nBefore = soft::LiveObjectCount();
    FillRectColor(dc.Get(), {1, 1, 3, 3}, 0x000000FF);
    EXPECT_EQ(soft::LiveObjectCount(), nBefore);
    EXPECT_EQ(dc.Pixel(1, 1), 0x000000FFu);
    EXPECT_EQ(dc.Pixel(3, 3), kBackground);
}

TEST(DrawingSupport, CreateBrushHandleMakesSolidAndHatchedBrushes) {
    BitmapDC dc(8, 8, kBackground);
    win32::UniqueGdiObject hatch(CreateBrushHandle(0x00FF0000, BS_HATCHED, HS_DIAGCROSS));
    SetBkMode(dc.Get(), TRANSPARENT);
    const RECT rc{0, 0, 8, 8};
    FillRect(dc.Get(), &rc, hatch.Get());
    EXPECT_EQ(dc.Pixel(2, 2), 0x00FF0000u);
    EXPECT_EQ(dc.Pixel(2, 3), kBackground);
    EXPECT_FALSE(win32::UniqueGdiObject(CreateBrushHandle(0, BS_HATCHED, -1)));
}

TEST(DrawingSupport, ImageSizesOfListsAndOfNoList) {
    win32::UniqueImageList list(soft::CreateGeneratedImageList(16, 12, 2));
    Long nWidth = -1, nHeight = -1;
    GetImageSize(HandleOf(list.Get()), nWidth, nHeight);
    EXPECT_EQ(nWidth, 16);
    EXPECT_EQ(nHeight, 12);
    GetImageSize(0, nWidth, nHeight);
    EXPECT_EQ(nWidth, 0);
    EXPECT_EQ(nHeight, 0);
}

TEST(DrawingSupport, DrawImageCenteredRoundsHalvesToEven) {
    win32::UniqueImageList list(soft::CreateGeneratedImageList(16, 16, 3));
    struct Case {
        RECT rect;
        Long nIndex;
        int nExpectedX, nExpectedY;  // -1: nothing drawn
    };
    const std::vector<Case> cases = {
        {{1, 0, 18, 20}, 0, 2, 2},    {{0, 0, 17, 17}, 1, 0, 0},   {{3, 1, 18, 18}, 2, 2, 2},
        {{1, 0, 18, 20}, -1, -1, -1}, {{1, 0, 18, 20}, 7, -1, -1},
    };
    for (const Case& c : cases) {
        BitmapDC dc(40, 40, kBackground);
        DrawImageCentered(dc.Get(), HandleOf(list.Get()), c.rect, c.nIndex);
        if (c.nExpectedX < 0) {
            EXPECT_EQ(soft::test::CountColor(dc.Pixels(), {0, 0, 40, 40}, kBackground), 1600)
                << "index " << c.nIndex;
            continue;
        }
        const COLORREF clrImage = soft::GeneratedImageColor(c.nIndex);
        EXPECT_EQ(dc.Pixel(c.nExpectedX, c.nExpectedY), clrImage) << "index " << c.nIndex;
        EXPECT_EQ(dc.Pixel(c.nExpectedX + 15, c.nExpectedY + 15), clrImage);
        EXPECT_EQ(dc.Pixel(c.nExpectedX + 16, c.nExpectedY + 15), kBackground);
        EXPECT_EQ(dc.Pixel(c.nExpectedX + 15, c.nExpectedY + 16), kBackground);
    }
    BitmapDC dc(40, 40, kBackground);
    DrawImageCentered(dc.Get(), 0, {1, 0, 18, 20}, 0);
    EXPECT_EQ(soft::test::CountColor(dc.Pixels(), {0, 0, 40, 40}, kBackground), 1600);
    EXPECT_THROW(
        DrawImageCentered(dc.Get(), HandleOf(list.Get()), {INT32_MIN, 0, INT32_MAX, 10}, 0),
        HostError);
}

}  // namespace
}  // namespace qv
