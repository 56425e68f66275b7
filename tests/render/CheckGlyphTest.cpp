#include <gtest/gtest.h>

#include "render/PaintFixture.h"

namespace qv {
namespace {

using soft::test::BitmapDC;
using soft::test::CountColor;
using win32::COLORREF;
using win32::RECT;
using win32::UINT;

class CheckGlyphTest : public PaintTest {
  protected:
    static constexpr int kWidth = 120;

    void SetUp() override {
        PaintTest::SetUp();
        control.SetStyle(lsCheck);
        SetOuterSize(kWidth, 100);
    }

    // Item 0 checked, item 1 not.
    void ShowTwoItems() {
        control.RemoveAll();
        Fill(2);
        control.SetSelectedItem(0, VbTrue);
        form.RunUntilIdle();
    }

    // The check column of a row against one frame control drawn in box on the background.
    int GlyphDifference(int nRowTop, int nRowHeight, RECT rcBox, UINT uState) {
        BitmapDC reference(17, nRowHeight, kBack);
        rcBox.top -= nRowTop;
        rcBox.bottom -= nRowTop;
        win32::DrawFrameControl(reference.Get(), &rcBox, win32::DFC_BUTTON, uState);
        return DifferingPixels({0, nRowTop, 17, nRowTop + nRowHeight}, reference);
    }
};

// The 13-pixel box sits 2 pixels from the left, centred on the row one pixel lower.
TEST_F(CheckGlyphTest, GlyphBoxFollowsTheRowHeight) {
    struct Case {
        Long nRowHeight;
        RECT rcFirstBox;
    };
    const Case cases[] = {{17, {2, 3, 15, 16}}, {20, {2, 4, 15, 17}}, {18, {2, 4, 15, 17}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nRowHeight);
        ShowTwoItems();
        Inspect::SetItemHeight(control, c.nRowHeight);
        Repaint();
        EXPECT_EQ(GlyphDifference(0, c.nRowHeight, c.rcFirstBox, win32::DFCS_CHECKED), 0);
        RECT rcSecond = c.rcFirstBox;
        rcSecond.top += c.nRowHeight;
        rcSecond.bottom += c.nRowHeight;
        EXPECT_EQ(GlyphDifference(c.nRowHeight, c.nRowHeight, rcSecond, 0), 0);
    }
}

TEST_F(CheckGlyphTest, EachKindDrawsItsFrameControlCheckedAndDisabled) {
    struct Case {
        enmCheckBoxImage eKind;
        UINT uKind;
    };
    const Case cases[] = {{ciCheck, win32::DFCS_BUTTONCHECK},
                          {ciRadio, win32::DFCS_BUTTONRADIO},
                          {ciButton, win32::DFCS_BUTTONPUSH},
                          {ciImage, win32::DFCS_BUTTONCHECK}};  // without check images
    for (const bool bEnabled : {true, false}) {
        control.SetEnabled(Boolean::FromBool(bEnabled));
        const UINT uInactive = bEnabled ? 0 : win32::DFCS_INACTIVE;
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "kind " << c.eKind << ", enabled " << bEnabled);
            control.SetCheckBoxImage(c.eKind);
            ShowTwoItems();
            EXPECT_EQ(
                GlyphDifference(0, 17, {2, 3, 15, 16}, c.uKind | win32::DFCS_CHECKED | uInactive),
                0);
            EXPECT_EQ(GlyphDifference(17, 17, {2, 20, 15, 33}, c.uKind | uInactive), 0);
            Snapshot("check_kind_" + std::to_string(c.eKind) + (bEnabled ? "" : "_disabled"));
        }
    }
}

// Disabling greys the glyphs only: the text keeps ForeColor and SelForeColor.
TEST_F(CheckGlyphTest, ADisabledControlKeepsItsTextColours) {
    ShowTwoItems();
    Inspect::SetListIndex(control, 1);
    control.SetEnabled(VbFalse);
    form.RunUntilIdle();
    EXPECT_GT(CountColor(Client(), {17, 0, kWidth, 17}, kFore), 0);
    EXPECT_GT(CountColor(Client(), {17, 17, kWidth, 34}, kSelFore), 0);
    const auto pText = ReferenceText(kWidth - 17, 17, 4, 2, "Item 0", kFore);
    EXPECT_EQ(DifferingPixels({17, 0, kWidth, 17}, *pText), 0);
}

// Check images are drawn at their own size from the glyph's left edge, and the item part
// starts 4 pixels after them.
TEST_F(CheckGlyphTest, CheckImagesReplaceTheGlyphsAndMoveTheItemPart) {
    control.SetCheckBoxImage(ciImage);
    control.SetCheckBoxImageList(ImageListOf(16, 16));
    control.SetCheckImageIndex(1);
    control.SetNoCheckImageIndex(4);
    ShowTwoItems();
    Inspect::SetListIndex(control, 1);
    Repaint();
    ASSERT_EQ(Inspect::ItemHeight(control), 20);
    const COLORREF clrChecked = soft::GeneratedImageColor(1);
    const COLORREF clrUnchecked = soft::GeneratedImageColor(4);
    EXPECT_EQ(CountColor(Client(), {2, 3, 18, 19}, clrChecked), 256);
    EXPECT_EQ(CountColor(Client(), {0, 0, 20, 20}, clrChecked), 256);
    EXPECT_EQ(CountColor(Client(), {2, 23, 18, 39}, clrUnchecked), 256);
    EXPECT_EQ(CountColor(Client(), {0, 20, 20, 40}, clrUnchecked), 256);
    EXPECT_EQ(CountColor(Client(), {0, 20, 20, 40}, kSelBack), 0);
    EXPECT_EQ(Pixel(20, 21), kSelBack);
    const auto pText = ReferenceText(kWidth - 20, 20, 4, 4, "Item 0", kFore);
    EXPECT_EQ(DifferingPixels({20, 0, kWidth, 20}, *pText), 0);
    Snapshot("check_images");
}

TEST_F(CheckGlyphTest, CheckImagesShowOnlyAsTheGlyphsOfCheckStyle) {
    control.SetCheckBoxImageList(ImageListOf(16, 16));
    control.SetCheckImageIndex(1);
    const COLORREF clrChecked = soft::GeneratedImageColor(1);
    struct Case {
        enmStyle eStyle;
        enmCheckBoxImage eKind;
    };
    for (const Case& c : {Case{lsCheck, ciCheck}, Case{lsNormal, ciImage}}) {
        control.SetStyle(c.eStyle);
        control.SetCheckBoxImage(c.eKind);
        ShowTwoItems();
        EXPECT_EQ(CountColor(Client(), Client().Bounds(), clrChecked), 0) << c.eStyle;
    }
}

}  // namespace
}  // namespace qv
