#include <gtest/gtest.h>

#include "platform/soft/gdi/SoftGdi.h"
#include "render/PaintFixture.h"

namespace qv {
namespace {

using soft::test::CountColor;
using win32::COLORREF;
using win32::RECT;

// Rows of the default font are 17 pixels high; with 16-pixel images 20.
class ItemDrawingTest : public PaintTest {
  protected:
    static constexpr int kWidth = 160;

    void ShowRows(int nItems, int nClientHeight = 120) {
        SetOuterSize(kWidth, nClientHeight);
        Fill(nItems);
        Repaint();
    }
    RECT Row(int nRow, int nHeight = 17) const {
        return {0, nRow * nHeight, kWidth, (nRow + 1) * nHeight};
    }
    int CountInRow(int nRow, COLORREF clrColor, int nHeight = 17) {
        return CountColor(Client(), Row(nRow, nHeight), clrColor);
    }
};

// The text origin is 4 pixels after the image column, centred on the row (halves to even).
TEST_F(ItemDrawingTest, ImagesAndTextTakeTheirColumns) {
    struct Case {
        const char* sName;
        bool bImageList, bShowImage;
        Long nImageIndex;
        int nRowHeight, nTextX, nTextY;
        bool bImageDrawn;
    };
    const Case cases[] = {
        {"16-pixel images", true, true, 3, 20, 20, 4, true},
        {"no image for this item", true, true, -1, 20, 20, 4, false},
        {"an index outside the list", true, true, 99, 20, 20, 4, false},
        {"images hidden", true, false, 3, 17, 4, 2, false},
        {"no image list", false, true, 3, 17, 4, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sName);
        control.RemoveAll();
        control.SetShowImage(Boolean::FromBool(c.bShowImage));
        control.SetImageList(c.bImageList ? ImageListOf(16, 16) : 0);
        SetOuterSize(kWidth, 100);
        control.AddItem("Item", c.nImageIndex);
        Repaint();
        const COLORREF clrImage = soft::GeneratedImageColor(3);
        EXPECT_EQ(CountColor(Client(), {2, 2, 18, 18}, clrImage), c.bImageDrawn ? 256 : 0);
        EXPECT_EQ(CountColor(Client(), Client().Bounds(), clrImage), c.bImageDrawn ? 256 : 0);
        const auto pText =
            ReferenceText(kWidth - 19, c.nRowHeight, c.nTextX - 19, c.nTextY, "Item", kFore);
        EXPECT_EQ(DifferingPixels({19, 0, kWidth, c.nRowHeight}, *pText), 0);
    }
    Snapshot("items_images");
}

TEST_F(ItemDrawingTest, SelectionLooksInNormalStyle) {
    struct Case {
        enmSelBackStyle eLook;
        bool bFilled, bHatched;
    };
    const Case cases[] = {
        {sbFill, true, false}, {sbTransparent, false, false}, {sbHatch, false, true}};
    control.SetMultiSelect(msMulti);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.eLook);
        control.RemoveAll();
        control.SetSelBackStyle(c.eLook);
        ShowRows(3);
        control.SetSelectedItem(1, VbTrue);
        form.RunUntilIdle();
        const int nRowPixels = kWidth * 17;
        const int nSelBack = CountInRow(1, kSelBack);
        const int nSelFore = CountInRow(1, kSelFore);
        EXPECT_GT(nSelFore, 0);
        EXPECT_EQ(CountInRow(1, kFore), 0);
        EXPECT_EQ(nSelBack + nSelFore == nRowPixels, c.bFilled);
        EXPECT_EQ(nSelBack > 0 && nSelBack < nRowPixels - nSelFore, c.bHatched);
        EXPECT_EQ(CountInRow(0, kSelBack) + CountInRow(0, kSelFore), 0);
        EXPECT_EQ(CountInRow(2, kSelBack) + CountInRow(2, kSelFore), 0);
        Snapshot(std::string("items_selection_") + std::to_string(c.eLook));
    }
}

// The hatch has no outline: its right column and bottom row keep the background.
TEST_F(ItemDrawingTest, HatchLeavesTheLastColumnAndRowOfTheItem) {
    control.SetSelBackStyle(sbHatch);
    ShowRows(3);
    control.SetSelectedItem(1, VbTrue);
    form.RunUntilIdle();
    EXPECT_EQ(CountColor(Client(), {kWidth - 1, 17, kWidth, 34}, kSelBack), 0);
    EXPECT_EQ(CountColor(Client(), {0, 33, kWidth, 34}, kSelBack), 0);
    EXPECT_GT(CountColor(Client(), {0, 17, kWidth - 1, 33}, kSelBack), 0);
}

// In check style the current item is highlighted from the end of the check column, and a
// checked item is not highlighted.
TEST_F(ItemDrawingTest, CheckStyleHighlightsOnlyTheCurrentItemRightOfTheGlyphs) {
    control.SetStyle(lsCheck);
    ShowRows(4);
    control.SetSelectedItem(0, VbTrue);
    Inspect::SetListIndex(control, 2);
    Repaint();
    EXPECT_EQ(CountInRow(0, kSelBack), 0);
    EXPECT_EQ(Pixel(16, 2 * 17 + 1), kBack);
    EXPECT_EQ(Pixel(17, 2 * 17 + 1), kSelBack);
    EXPECT_EQ(CountColor(Client(), {0, 34, 17, 51}, kSelBack), 0);
    EXPECT_EQ(CountColor(Client(), {17, 34, kWidth, 51}, kSelBack) +
                  CountColor(Client(), {17, 34, kWidth, 51}, kSelFore),
              (kWidth - 17) * 17);
    Snapshot("items_check_current");
}

TEST_F(ItemDrawingTest, TheFocusRectangleMarksTheCurrentItemWhileTheControlHasTheFocus) {
    for (const enmStyle eStyle : {lsNormal, lsCheck}) {
        SCOPED_TRACE(eStyle);
        control.RemoveAll();
        control.SetStyle(eStyle);
        ShowRows(4);
        Inspect::SetListIndex(control, 2);
        Inspect::SetHasFocus(control, VbFalse);
        Repaint();
        const soft::SurfaceRef pWithout = soft::Surface::Create(kWidth, 120);
        for (int nY = 0; nY < 120; ++nY)
            for (int nX = 0; nX < kWidth; ++nX) pWithout->SetPixel(nX, nY, Pixel(nX, nY));
        Inspect::SetHasFocus(control, VbTrue);
        Repaint();
        const int nLeft = eStyle == lsCheck ? 17 : 0;
        int nOnBorder = 0;
        int nElsewhere = 0;
        for (int nY = 0; nY < 120; ++nY) {
            for (int nX = 0; nX < kWidth; ++nX) {
                if (Pixel(nX, nY) == pWithout->Pixel(nX, nY)) continue;
                const bool bBorder = nY >= 34 && nY < 51 && nX >= nLeft &&
                                     (nY == 34 || nY == 50 || nX == nLeft || nX == kWidth - 1);
                ++(bBorder ? nOnBorder : nElsewhere);
            }
        }
        EXPECT_GT(nOnBorder, 0);
        EXPECT_EQ(nElsewhere, 0);
    }
}

TEST_F(ItemDrawingTest, AlternateColourFollowsTheItemIndexAsTheListScrolls) {
    for (const enmStyle eStyle : {lsNormal, lsCheck}) {
        SCOPED_TRACE(eStyle);
        control.RemoveAll();
        control.SetStyle(eStyle);
        control.SetBackStyle(bsAlternate);
        ShowRows(20, 100);
        const int nEdge = kWidth - soft::kScrollBarWidth - 1;
        for (const Long nTop : {0, 1, 4, 7}) {
            control.SetTopIndex(nTop);
            form.RunUntilIdle();
            for (int nRow = 0; nRow < 5; ++nRow) {
                const COLORREF clrExpected = (nTop + nRow) % 2 == 0 ? kAlternate : kBack;
                EXPECT_EQ(Pixel(0, nRow * 17), clrExpected) << "top " << nTop << " row " << nRow;
                EXPECT_EQ(Pixel(nEdge, nRow * 17 + 16), clrExpected);
            }
        }
    }
    Snapshot("items_alternate");
}

// Only the rows from the top row to the end of the list are drawn: below the last item the
// background shows.
TEST_F(ItemDrawingTest, RowsBelowTheLastItemShowTheBackground) {
    control.SetBackStyle(bsAlternate);
    ShowRows(7, 42);
    control.SetTopIndex(5);
    form.RunUntilIdle();
    EXPECT_EQ(Inspect::VisibleCount(control), 3);
    EXPECT_EQ(CountInRow(0, kAlternate), 0);
    EXPECT_GT(CountInRow(0, kFore), 0);
    EXPECT_EQ(Pixel(1, 17), kAlternate);
    EXPECT_EQ(CountColor(Client(), {0, 34, kWidth - soft::kScrollBarWidth, 42}, kBack),
              (kWidth - soft::kScrollBarWidth) * 8);
}

TEST_F(ItemDrawingTest, AnEmptyListPaintsOnlyTheBackground) {
    control.SetStyle(lsCheck);
    control.SetBackStyle(bsAlternate);
    SetOuterSize(kWidth, 100);
    Inspect::SetHasFocus(control, VbTrue);
    Inspect::SetListIndex(control, 0);
    Repaint();
    EXPECT_EQ(CountColor(Client(), Client().Bounds(), kBack), kWidth * 100);
}

// Text output takes at most 32767 bytes: a longer text is cut, and its row and the rows
// after it are drawn all the same.
TEST_F(ItemDrawingTest, AnOverlongTextIsDrawnCutAndPaintingGoesOn) {
    SetOuterSize(kWidth, 60);
    control.AddItem(std::string(40000, 'W'));
    control.AddItem("after");
    form.RunUntilIdle();
    const std::size_t nObjects = soft::LiveObjectCount();
    EXPECT_NO_THROW(control.UserControl_Paint());
    EXPECT_EQ(soft::LiveObjectCount(), nObjects);
    EXPECT_GT(CountColor(Client(), {kWidth - 8, 0, kWidth, 17}, kFore), 0);
    const auto pAfter = ReferenceText(kWidth, 17, 4, 2, "after", kFore);
    EXPECT_EQ(DifferingPixels({0, 17, kWidth, 34}, *pAfter), 0);
}

// A client area narrower than the check column keeps every row in its place: each shows its
// alternate colour and its glyph, cut at the edge, and no text.
TEST_F(ItemDrawingTest, ANarrowClientShowsTheCheckColumnRowByRow) {
    control.SetStyle(lsCheck);
    control.SetBackStyle(bsAlternate);
    SetOuterSize(10, 51);
    Fill(3);
    Inspect::SetListIndex(control, 1);
    Inspect::SetHasFocus(control, VbTrue);
    control.SetSelectedItem(1, VbTrue);
    form.RunUntilIdle();
    for (int nRow = 0; nRow < 3; ++nRow) {
        soft::test::BitmapDC reference(10, 17, nRow % 2 == 0 ? kAlternate : kBack);
        const RECT rcBox{2, 3, 15, 16};
        win32::DrawFrameControl(reference.Get(), &rcBox, win32::DFC_BUTTON,
                                nRow == 1 ? win32::DFCS_CHECKED : 0);
        EXPECT_EQ(DifferingPixels({0, nRow * 17, 10, (nRow + 1) * 17}, reference), 0) << nRow;
    }
}

}  // namespace
}  // namespace qv
