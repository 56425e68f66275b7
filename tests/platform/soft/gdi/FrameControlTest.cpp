#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/soft/gdi/GdiTestSupport.h"

namespace qv::soft {
namespace {

using namespace win32;
using test::BitmapDC;

constexpr COLORREF kBackground = 0x00123456;
constexpr COLORREF kShadow = 0x00808080;
constexpr COLORREF kHighlight = 0x00FFFFFF;
constexpr COLORREF kDark = 0x00404040;
constexpr COLORREF kFace = 0x00C8D0D4;
constexpr COLORREF kText = 0x00000000;

struct PixelCase {
    int nX, nY;
    COLORREF clrExpected;
};

struct GlyphCase {
    std::string sName;
    RECT rcBox;
    UINT uState;
    std::vector<PixelCase> pixels;
};

// The glyph box of a check column in a 17-pixel row: (2, 3, 15, 16).
constexpr RECT kCheckBox{2, 3, 15, 16};

std::vector<GlyphCase> GlyphCases() {
    return {
        {"check box",
         kCheckBox,
         DFCS_BUTTONCHECK,
         {{2, 3, kShadow},
          {13, 3, kShadow},
          {14, 3, kHighlight},
          {2, 15, kHighlight},
          {3, 4, kDark},
          {13, 14, kFace},
          {4, 5, kHighlight},
          {5, 8, kHighlight},
          {15, 8, kBackground},
          {1, 3, kBackground}}},
        {"checked box",
         kCheckBox,
         DFCS_BUTTONCHECK | DFCS_CHECKED,
         {{5, 8, kText},
          {5, 10, kText},
          {5, 7, kHighlight},
          {5, 11, kHighlight},
          {8, 9, kText},
          {11, 6, kText},
          {11, 9, kHighlight},
          {12, 6, kHighlight}}},
        {"inactive checked box",
         kCheckBox,
         DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE,
         {{4, 5, kFace}, {5, 8, kShadow}, {2, 3, kShadow}}},
        {"radio",
         kCheckBox,
         DFCS_BUTTONRADIO,
         {{2, 3, kBackground},
          {6, 3, kShadow},
          {2, 7, kShadow},
          {13, 7, kHighlight},
          {3, 7, kDark},
          {12, 8, kFace},
          {7, 7, kHighlight},
          {14, 9, kBackground},
          {14, 15, kBackground}}},
        {"checked radio",
         kCheckBox,
         DFCS_BUTTONRADIO | DFCS_CHECKED,
         {{7, 7, kText}, {6, 8, kText}, {6, 7, kHighlight}, {9, 10, kHighlight}}},
        {"inactive radio",
         kCheckBox,
         DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE,
         {{7, 7, kShadow}, {6, 7, kFace}}},
        {"push button",
         {0, 0, 20, 10},
         DFCS_BUTTONPUSH,
         {{0, 0, kHighlight}, {19, 9, kDark}, {0, 9, kDark}, {18, 8, kShadow}, {5, 5, kFace}}},
        {"pushed button",
         {0, 0, 20, 10},
         DFCS_BUTTONPUSH | DFCS_PUSHED,
         {{0, 0, kDark},
          {0, 8, kDark},
          {19, 9, kHighlight},
          {1, 1, kShadow},
          {18, 8, kFace},
          {5, 5, kFace}}},
        {"checked button",
         {0, 0, 20, 10},
         DFCS_BUTTONPUSH | DFCS_CHECKED,
         {{0, 0, kDark}, {1, 1, kShadow}, {2, 2, kHighlight}, {3, 2, kFace}, {3, 3, kHighlight}}},
        {"wide box stays square",
         {0, 0, 23, 13},
         DFCS_BUTTONCHECK,
         {{4, 0, kBackground}, {5, 0, kShadow}, {17, 12, kHighlight}, {18, 12, kBackground}}},
    };
}

TEST(FrameControl, GlyphsInTheClassicLook) {
    for (const GlyphCase& c : GlyphCases()) {
        BitmapDC dc(24, 20, kBackground);
        ASSERT_EQ(DrawFrameControl(dc.Get(), &c.rcBox, DFC_BUTTON, c.uState), TRUE) << c.sName;
        for (const PixelCase& pixel : c.pixels)
            EXPECT_EQ(dc.Pixel(pixel.nX, pixel.nY), pixel.clrExpected)
                << c.sName << " at " << pixel.nX << "," << pixel.nY;
    }
}

TEST(FrameControl, UnknownKindsDrawNothingAndGlyphsClip) {
    BitmapDC dc(10, 10, kBackground);
    const RECT rc{0, 0, 13, 13};
    EXPECT_EQ(DrawFrameControl(dc.Get(), &rc, 3, DFCS_BUTTONCHECK), FALSE);
    EXPECT_EQ(DrawFrameControl(dc.Get(), &rc, DFC_BUTTON, 0x8), FALSE);
    EXPECT_EQ(DrawFrameControl(dc.Get(), nullptr, DFC_BUTTON, 0), FALSE);
    EXPECT_EQ(test::CountColor(dc.Pixels(), {0, 0, 10, 10}, kBackground), 100);
    const RECT rcHuge{-2000000000, -2000000000, 2000000000, 2000000000};
    EXPECT_EQ(DrawFrameControl(dc.Get(), &rcHuge, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_CHECKED),
              TRUE);
    EXPECT_EQ(DrawFrameControl(dc.Get(), &rcHuge, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED),
              TRUE);
    const RECT rcPartly{-5, -5, 8, 8};
    EXPECT_EQ(DrawFrameControl(dc.Get(), &rcPartly, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED),
              TRUE);
}

}  // namespace
}  // namespace qv::soft
