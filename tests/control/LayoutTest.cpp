#include <gtest/gtest.h>

#include "control/ControlFixture.h"
#include "platform/HostError.h"
#include "platform/soft/gdi/ImageLists.h"
#include "platform/win32/ImageList.h"
#include "platform/win32/User.h"

namespace qv {
namespace {

// A control without a frame, so that its client height is its outer height.
class LayoutTest : public ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        control.SetFrameStyle(fsNone);
        form.RunUntilIdle();
        recorder.log.clear();
    }
    void TearDown() override {
        ControlTest::TearDown();
        for (win32::HIMAGELIST hList : m_lists) win32::ImageList_Destroy(hList);
    }

    void SetClientHeight(int nHeight) {
        site.ResizeOuter(200, nHeight);
        form.RunUntilIdle();
    }

    Long ImageListOf(int nSize) {
        m_lists.push_back(soft::CreateGeneratedImageList(nSize, nSize, 4));
        return static_cast<Long>(win32::HandleValue(m_lists.back()));
    }

    const soft::ScrollBarState& Bar() { return form.Windows().Find(site.hWnd())->vertical; }

  private:
    std::vector<win32::HIMAGELIST> m_lists;
};

TEST_F(LayoutTest, CountsRowsInViewAndTopRowsForEveryKindOfFit) {
    struct Case {
        const char* sName;
        int nClientHeight, nItems;
        Integer nVisible;
        Long nScrollCount;
        bool bBarShown;
    };
    const Case cases[] = {
        {"fractional fit: 5.9 rows count 6, one more top row", 100, 20, 6, 16, true},
        {"exact even fit: 4 rows count 4", 68, 20, 4, 17, true},
        {"exact odd fit: 3 rows count 4, one more top row", 51, 20, 4, 18, true},
        {"fewer items than rows", 100, 3, 3, 1, false},
        {"items just fill the counted rows", 68, 4, 4, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sName);
        control.RemoveAll();
        SetClientHeight(c.nClientHeight);
        Fill(c.nItems);
        Inspect::SetItemHeight(control, 17);
        EXPECT_EQ(Inspect::VisibleCount(control), c.nVisible);
        EXPECT_EQ(Inspect::ScrollCount(control), c.nScrollCount);
        EXPECT_EQ(Bar().bVisible, c.bBarShown);
        if (c.bBarShown) {
            EXPECT_EQ(Bar().nMax, c.nScrollCount - 1);
            EXPECT_EQ(Bar().nPage, 1u);
        }
    }
}

TEST_F(LayoutTest, TheLastTopRowShowsTheLastItemsInWholeRows) {
    for (const int nClientHeight : {100, 68, 51}) {
        SCOPED_TRACE(nClientHeight);
        control.RemoveAll();
        SetClientHeight(nClientHeight);
        Fill(20);
        Inspect::SetItemHeight(control, 17);
        control.SetTopIndex(1000);
        const Long nLastWhole = Inspect::TopIndex(control) + nClientHeight / 17 - 1;
        EXPECT_GE(nLastWhole, 19);
        EXPECT_EQ(Inspect::GetItemVisibility(control, 19), 1);
    }
}

TEST_F(LayoutTest, AnEmptiedListHidesTheBarAndKeepsItsCounts) {
    SetClientHeight(100);
    Fill(20);
    Inspect::SetItemHeight(control, 17);
    control.SetTopIndex(7);
    control.RemoveAll();
    EXPECT_FALSE(Bar().bVisible);
    EXPECT_EQ(Inspect::TopIndex(control), 7);
    EXPECT_EQ(Inspect::VisibleCount(control), 6);
    EXPECT_EQ(Inspect::ScrollCount(control), 16);
}

TEST_F(LayoutTest, SettingTopIndexScrollsWithinTheRangeAndReportsOnlyRealMoves) {
    SetClientHeight(100);
    Fill(20);
    Inspect::SetItemHeight(control, 17);
    struct Case {
        Long nStartTop, nSet, nExpectedTop;
        bool bScroll;
    };
    const Case cases[] = {
        {5, -5, 0, true}, {0, 1000, 15, true}, {4, 4, 4, false},
        {3, 9, 9, true},  {15, 99, 15, false}, {0, -1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nStartTop << " -> " << c.nSet);
        control.SetTopIndex(c.nStartTop);
        form.RunUntilIdle();
        recorder.log.clear();
        control.SetTopIndex(c.nSet);
        EXPECT_EQ(control.TopIndex(), c.nExpectedTop);
        EXPECT_EQ(Bar().nPos, c.nExpectedTop);
        EXPECT_EQ(recorder.log,
                  c.bScroll ? std::vector<std::string>{"Scroll"} : std::vector<std::string>{});
        EXPECT_EQ(PaintsWhenIdle(), c.bScroll ? 1 : 0);
    }
}

TEST_F(LayoutTest, TopIndexCannotBeSetAtDesignTime) {
    Fill(20);
    Inspect::SetItemHeight(control, 17);
    form.AmbientProperties().SetUserMode(VbFalse);
    try {
        control.SetTopIndex(3);
        FAIL() << "no error";
    } catch (const HostError& error) {
        EXPECT_EQ(error.Number(), err::kSetNotPermitted);
    }
    EXPECT_EQ(control.TopIndex(), 0);
}

// Taller rows leave fewer rows in view and so more top rows: the top row stays. Shorter
// rows show more of the list, and a top row beyond the new range is pulled back.
TEST_F(LayoutTest, ANewFontRecountsTheRangeAndClampsTheTopRowWithoutAScrollEvent) {
    struct Case {
        const char* sName;
        double dStartSize, dNewSize;
        bool bTaller;
    };
    const Case cases[] = {{"a larger font", 9, 24, true}, {"a smaller font", 24, 9, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sName);
        control.RemoveAll();
        control.SetFont(std::make_shared<host::StdFont>("MS UI Gothic", c.dStartSize));
        SetClientHeight(100);
        Fill(20);
        const Long nOldHeight = Inspect::ItemHeight(control);
        const Long nOldScrollCount = Inspect::ScrollCount(control);
        control.SetTopIndex(1000);
        const Long nOldTop = control.TopIndex();
        recorder.log.clear();
        control.SetFont(std::make_shared<host::StdFont>("MS UI Gothic", c.dNewSize));
        EXPECT_EQ(Inspect::ItemHeight(control) > nOldHeight, c.bTaller);
        EXPECT_EQ(Inspect::ScrollCount(control) > nOldScrollCount, c.bTaller);
        EXPECT_EQ(control.TopIndex(), c.bTaller ? nOldTop : Inspect::ScrollCount(control) - 1);
        EXPECT_EQ(Bar().nMax, Inspect::ScrollCount(control) - 1);
        EXPECT_EQ(Bar().nPos, control.TopIndex());
        EXPECT_EQ(recorder.log, std::vector<std::string>{"PropertyChanged Font"});
    }
}

TEST_F(LayoutTest, RowHeightFollowsTheFontTheGlyphsAndTheImages) {
    const auto SmallFont = [] { return std::make_shared<host::StdFont>("MS UI Gothic", 6); };
    const auto DefaultFont = [] { return std::make_shared<host::StdFont>("MS UI Gothic", 9); };
    struct Case {
        const char* sName;
        enmStyle eStyle;
        enmCheckBoxImage eGlyphs;
        bool bSmallFont;
        int nItemImages, nCheckImages;  // image size, 0 for no list
        bool bShowImage;
        Long nMinHeight, nMaxHeight;
    };
    const Case cases[] = {
        {"check style, small font: the 13-pixel glyph", lsCheck, ciCheck, true, 0, 0, true, 17, 17},
        {"normal style, small font: the text only", lsNormal, ciCheck, true, 0, 0, true, 5, 16},
        {"32-pixel item images", lsNormal, ciCheck, false, 32, 0, true, 36, 36},
        {"item images hidden", lsNormal, ciCheck, false, 32, 0, false, 5, 20},
        {"24-pixel check images", lsCheck, ciImage, true, 0, 24, true, 28, 28},
        {"check images count only as the glyphs", lsCheck, ciRadio, true, 0, 24, true, 17, 17},
        {"check images count only in check style", lsNormal, ciImage, true, 0, 24, true, 5, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sName);
        control.SetStyle(c.eStyle);
        control.SetCheckBoxImage(c.eGlyphs);
        control.SetShowImage(Boolean::FromBool(c.bShowImage));
        control.SetImageList(c.nItemImages ? ImageListOf(c.nItemImages) : 0);
        control.SetCheckBoxImageList(c.nCheckImages ? ImageListOf(c.nCheckImages) : 0);
        control.SetFont(c.bSmallFont ? SmallFont() : DefaultFont());
        EXPECT_GE(Inspect::ItemHeight(control), c.nMinHeight);
        EXPECT_LE(Inspect::ItemHeight(control), c.nMaxHeight);
    }
}

TEST_F(LayoutTest, VisibilityOfItemsAroundTheView) {
    SetClientHeight(100);
    Fill(20);
    Inspect::SetItemHeight(control, 17);
    control.SetTopIndex(5);
    struct Case {
        Long nIndex;
        Integer nVisibility;
    };
    const Case cases[] = {{4, 0}, {5, 1}, {9, 1}, {10, 2}, {11, 0}, {-1, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(Inspect::GetItemVisibility(control, c.nIndex), c.nVisibility) << c.nIndex;
}

TEST_F(LayoutTest, LastRowIsWholeWhenTheClientHeightIsAWholeNumberOfRows) {
    struct Case {
        int nClientHeight, nItems;
        bool bWhole;
    };
    const Case cases[] = {{100, 20, false}, {68, 20, true}, {51, 20, true}, {100, 3, true}};
    for (const Case& c : cases) {
        control.RemoveAll();
        SetClientHeight(c.nClientHeight);
        Fill(c.nItems);
        Inspect::SetItemHeight(control, 17);
        EXPECT_EQ(Inspect::IsLastRowWhole(control).IsTrue(), c.bWhole) << c.nClientHeight;
    }
}

// Mode 2 tests the outer height in twips (15 per pixel) against the row height: 1500 is a
// whole number of 20-pixel rows, not of 17-pixel ones.
TEST_F(LayoutTest, ScrollToIndexPlacesTheItemByMode) {
    struct Case {
        const char* sName;
        Long nItemHeight, nIndex;
        Integer nMode;
        Long nExpectedTop;
    };
    const Case cases[] = {
        {"mode 0: the item on top", 17, 12, 0, 12},
        {"mode 1: the item in the last counted row", 17, 12, 1, 7},
        {"mode 2, outer height not whole rows", 17, 12, 2, 8},
        {"mode 2, outer height whole rows", 20, 12, 2, 7},
        {"an unknown mode acts as 0", 17, 12, 7, 12},
        {"clamped at the last top row", 17, 19, 0, 15},
        {"clamped at the first row", 17, 2, 1, 0},
    };
    SetClientHeight(100);
    Fill(20);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sName);
        Inspect::SetItemHeight(control, c.nItemHeight);
        control.SetTopIndex(0);
        Inspect::ScrollToIndex(control, c.nIndex, c.nMode);
        EXPECT_EQ(control.TopIndex(), c.nExpectedTop);
    }
}

TEST_F(LayoutTest, ScrollToIndexInAListThatDoesNotScrollOnlyResetsTheTopRow) {
    SetClientHeight(100);
    Fill(20);
    Inspect::SetItemHeight(control, 17);
    control.SetTopIndex(10);
    control.RemoveAll();
    Fill(3);  // the top row is clamped back by the new item count
    EXPECT_EQ(control.TopIndex(), 0);
    recorder.log.clear();
    Inspect::ScrollToIndex(control, 2, 0);
    EXPECT_EQ(control.TopIndex(), 0);
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_EQ(PaintsWhenIdle(), 0);
}

TEST_F(LayoutTest, ResizingRecountsTheRowsAndRepaints) {
    SetClientHeight(100);
    Fill(20);
    Inspect::SetItemHeight(control, 17);
    control.SetTopIndex(1000);
    form.RunUntilIdle();
    recorder.log.clear();
    site.ResizeOuter(200, 400);
    EXPECT_EQ(PaintsWhenIdle(), 1);
    EXPECT_EQ(Inspect::ScrollCount(control), 1);
    EXPECT_EQ(control.TopIndex(), 0);
    EXPECT_FALSE(Bar().bVisible);
    EXPECT_EQ(recorder.log, std::vector<std::string>{});  // the clamp raises no Scroll
}

// Two lists on one form share the relay; a bar moves only its own list.
TEST_F(LayoutTest, TheScrollBarMovesOnlyItsOwnList) {
    HostRecorder otherRecorder;
    qvhost::PlacedList placedOther{form, 220, 10, 200, 100, &otherRecorder};
    placedOther.StartNew();
    ColorListBox& other = placedOther.Control();
    for (int i = 0; i < 20; ++i) other.AddItem("x");
    SetClientHeight(100);
    Fill(20);
    recorder.log.clear();
    const struct {
        int nRequest;
        Long nExpectedTop;
    } steps[] = {{win32::SB_LINEDOWN, 1},  {win32::SB_PAGEDOWN, 2}, {win32::SB_BOTTOM, -1},
                 {win32::SB_LINEDOWN, -1}, {win32::SB_TOP, 0},      {win32::SB_LINEUP, 0}};
    std::vector<std::string> expectedLog;
    Long nPreviousTop = 0;
    for (const auto& step : steps) {
        form.Windows().SendMessage(site.hWnd(), win32::WM_VSCROLL,
                                   static_cast<win32::WPARAM>(step.nRequest), 0);
        const Long nExpected =
            step.nExpectedTop < 0 ? Inspect::ScrollCount(control) - 1 : step.nExpectedTop;
        EXPECT_EQ(control.TopIndex(), nExpected) << step.nRequest;
        EXPECT_EQ(Bar().nPos, nExpected);
        EXPECT_EQ(other.TopIndex(), 0);
        if (nExpected != nPreviousTop) expectedLog.push_back("Scroll");
        nPreviousTop = nExpected;
    }
    EXPECT_EQ(recorder.log, expectedLog);
    EXPECT_EQ(otherRecorder.log, std::vector<std::string>{});
    placedOther.Site().Terminate();
}

}  // namespace
}  // namespace qv
