#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/soft/gdi/GdiTestSupport.h"
#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/ImageLists.h"
#include "platform/win32/ImageList.h"

namespace qv::soft {
namespace {

using namespace win32;
using test::BitmapDC;

constexpr COLORREF kBackground = 0x00123456;

TEST(ImageList, GeneratedImagesCycleThroughThePalette) {
    UniqueImageList list(CreateGeneratedImageList(4, 3, 10));
    ASSERT_TRUE(list);
    int nWidth = 0, nHeight = 0;
    EXPECT_EQ(ImageList_GetIconSize(list.Get(), &nWidth, &nHeight), TRUE);
    EXPECT_EQ(nWidth, 4);
    EXPECT_EQ(nHeight, 3);
    EXPECT_EQ(ImageList_GetImageCount(list.Get()), 10);
    const std::vector<COLORREF> expected = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x0000FFFF,
                                            0x00FF00FF, 0x00FFFF00, 0x00000080, 0x00008000,
                                            0x000000FF, 0x0000FF00};
    for (int i = 0; i < 10; ++i) {
        BitmapDC dc(8, 8, kBackground);
        EXPECT_EQ(ImageList_Draw(list.Get(), i, dc.Get(), 2, 1, ILD_TRANSPARENT), TRUE);
        EXPECT_EQ(dc.Pixel(2, 1), expected[i]) << "image " << i;
        EXPECT_EQ(dc.Pixel(5, 3), expected[i]) << "image " << i;
        EXPECT_EQ(dc.Pixel(6, 3), kBackground);
        EXPECT_EQ(dc.Pixel(5, 4), kBackground);
    }
}

TEST(ImageList, BadListsAndIndicesDrawNothing) {
    UniqueImageList list(CreateGeneratedImageList(4, 4, 2));
    BitmapDC dc(8, 8, kBackground);
    int nWidth = 7, nHeight = 7;
    struct Case {
        std::string sName;
        BOOL bResult;
    };
    const std::vector<Case> cases = {
        {"index -1", ImageList_Draw(list.Get(), -1, dc.Get(), 0, 0, ILD_TRANSPARENT)},
        {"index past the end", ImageList_Draw(list.Get(), 2, dc.Get(), 0, 0, ILD_TRANSPARENT)},
        {"list 0", ImageList_Draw(HIMAGELIST{}, 0, dc.Get(), 0, 0, ILD_TRANSPARENT)},
        {"size of list 0", ImageList_GetIconSize(HIMAGELIST{}, &nWidth, &nHeight)},
        {"destroy list 0", ImageList_Destroy(HIMAGELIST{})},
    };
    for (const Case& c : cases) EXPECT_EQ(c.bResult, FALSE) << c.sName;
    EXPECT_EQ(nWidth, 7);
    EXPECT_EQ(test::CountColor(dc.Pixels(), {0, 0, 8, 8}, kBackground), 64);
    for (const auto& [nWidthAsked, nHeightAsked, nCount] : std::vector<std::tuple<int, int, int>>{
             {0, 4, 1}, {4, -1, 1}, {4, 4, -1}, {100000, 100000, 8}, {16, 16, 100000}})
        EXPECT_FALSE(UniqueImageList(CreateGeneratedImageList(nWidthAsked, nHeightAsked, nCount)));
}

TEST(ImageList, StripMasksLeaveTheDestinationVisible) {
    // Two 3 x 2 images: the first red with a magenta hole at (1, 0), the second blue.
    SurfaceRef pStrip = Surface::Create(7, 3, test::kRed);
    pStrip->SetPixel(1, 0, kMagenta);
    for (int nX = 3; nX < 6; ++nX)
        for (int nY = 0; nY < 2; ++nY) pStrip->SetPixel(nX, nY, test::kBlue);
    UniqueImageList list(CreateImageListFromStrip({pStrip, {}}, 3, 2, kMagenta));
    ASSERT_TRUE(list);
    EXPECT_EQ(ImageList_GetImageCount(list.Get()), 2);  // the seventh column holds no whole image
    BitmapDC dc(6, 4, kBackground);
    ImageList_Draw(list.Get(), 0, dc.Get(), 1, 1, ILD_TRANSPARENT);
    ImageList_Draw(list.Get(), 1, dc.Get(), -2, -1, ILD_NORMAL);
    const std::vector<std::tuple<int, int, COLORREF>> pixels = {
        {1, 1, test::kRed},  {2, 1, kBackground}, {3, 2, test::kRed},
        {0, 0, test::kBlue}, {1, 0, kBackground}, {4, 1, kBackground}};
    for (const auto& [nX, nY, clrExpected] : pixels)
        EXPECT_EQ(dc.Pixel(nX, nY), clrExpected) << nX << "," << nY;
}

TEST(ImageList, LoadsAPngStripWithMagentaTransparent) {
    SurfaceRef pStrip = Surface::Create(32, 16, test::kGreen);
    pStrip->SetPixel(20, 5, kMagenta);
    const std::string sPath = (test::TestOutputDir() / "imagelist-strip.png").string();
    std::string sError;
    ASSERT_TRUE(WritePngFile(*pStrip, sPath, sError)) << sError;
    UniqueImageList list(LoadImageListStrip(sPath, 16, 16, sError));
    ASSERT_TRUE(list) << sError;
    EXPECT_EQ(ImageList_GetImageCount(list.Get()), 2);
    BitmapDC dc(16, 16, kBackground);
    ImageList_Draw(list.Get(), 1, dc.Get(), 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(dc.Pixel(4, 5), kBackground);
    EXPECT_EQ(dc.Pixel(5, 5), test::kGreen);
    EXPECT_FALSE(UniqueImageList(LoadImageListStrip(sPath, 40, 16, sError)));
    EXPECT_FALSE(UniqueImageList(LoadImageListStrip(sPath + ".missing", 16, 16, sError)));
    EXPECT_NE(sError.find("cannot open"), std::string::npos);
}

}  // namespace
}  // namespace qv::soft
