#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "platform/soft/user/WindowSystem.h"
#include "qvhost/DemoForm.h"

namespace qv::qvhost {
namespace {

constexpr int kBorder = 2;
constexpr int kRowHeight = 17;

bool Overlap(const win32::RECT& a, const win32::RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// One form for the whole suite: it holds a list of 30001 items and takes a while to fill.
class DemoFormTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_pLog = new std::ostringstream;
        s_pForm = new DemoForm(s_pLog);
    }
    static void TearDownTestSuite() {
        delete s_pForm;
        delete s_pLog;
    }
    void SetUp() override { s_pLog->str(""); }

    static win32::RECT OuterOf(win32::HWND hWnd) { return Form().Windows().Find(hWnd)->rcOuter; }
    static DemoForm& Form() { return *s_pForm; }
    static std::string Log() { return s_pLog->str(); }

    static void ClickRow(const std::string& sList, int nRow) {
        const win32::RECT rc = OuterOf(Form().ListWindow(sList));
        const win32::POINT pt{rc.left + 40, rc.top + kBorder + nRow * kRowHeight + 8};
        Form().Windows().MouseMove(pt, 0);
        Form().Windows().MouseDown(pt, win32::kLeftButton, 0);
        Form().Windows().MouseUp(pt, win32::kLeftButton, 0);
        Form().HostForm().RunUntilIdle();
    }

    static inline std::ostringstream* s_pLog = nullptr;
    static inline DemoForm* s_pForm = nullptr;
};

TEST_F(DemoFormTest, EveryListSitsInsideTheFormApartFromTheOthersAndThePanel) {
    const win32::RECT rcForm{0, 0, DemoLayout::kWidth, DemoLayout::kHelpTop};
    std::vector<std::pair<std::string, win32::RECT>> places;
    for (const std::string& sName : Form().ListNames())
        places.emplace_back(sName, OuterOf(Form().ListWindow(sName)));
    places.emplace_back("panel", OuterOf(Form().Panel().hWnd()));
    ASSERT_EQ(places.size(), 16u);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const auto& [sName, rc] = places[i];
        EXPECT_TRUE(rc.left >= rcForm.left && rc.top >= rcForm.top && rc.right <= rcForm.right &&
                    rc.bottom <= rcForm.bottom)
            << sName;
        for (std::size_t j = i + 1; j < places.size(); ++j)
            EXPECT_FALSE(Overlap(rc, places[j].second)) << sName << " and " << places[j].first;
    }
}

TEST_F(DemoFormTest, ListsShowWhatTheyPromise) {
    struct Expected {
        const char* sName;
        Long nCount;
        Long nSelected;
    };
    const Expected kLists[] = {
        {"Plain", 10, 1}, {"Highlight0", 10, 3}, {"Highlight2", 10, 3},
        {"Check", 10, 1}, {"Glyph3", 10, 1},     {"Long", ColorListBox::kMaxListCount, 0},
    };
    for (const Expected& row : kLists) {
        const ColorListBox* pList = Form().FindList(row.sName);
        ASSERT_NE(pList, nullptr) << row.sName;
        EXPECT_EQ(pList->ListCount(), row.nCount) << row.sName;
        EXPECT_EQ(pList->SelCount(), row.nSelected) << row.sName;
    }
    EXPECT_EQ(Form().FindList("Check")->MaxCheck(), 2);
}

TEST_F(DemoFormTest, EventsOfTheListsReachTheLogAndThePanelButMovesDoNot) {
    const Long nPanelLines = Form().Panel().Lines().ListCount();
    ClickRow("Check", 4);
    const std::string sLog = Log();
    EXPECT_NE(sLog.find("Check.MouseDown 1 0 "), std::string::npos) << sLog;
    EXPECT_NE(sLog.find("Check.Click\n"), std::string::npos) << sLog;
    EXPECT_EQ(sLog.find("MouseMove"), std::string::npos) << sLog;
    const Long nLines = Form().Panel().Lines().ListCount();
    EXPECT_EQ(nLines - nPanelLines, std::count(sLog.begin(), sLog.end(), '\n'));
    std::string sLast;
    Form().Panel().Lines().GetText(nLines - 1, sLast);
    EXPECT_EQ(sLast, "Check.Click");
}

TEST_F(DemoFormTest, DesignModeTurnsUserModeOffAndOnlyThereAsksForThePages) {
    ClickRow("Plain", 1);
    s_pLog->str("");
    Form().OpenPropertyPages();
    EXPECT_EQ(Log(), "");
    Form().ToggleDesignMode();
    EXPECT_TRUE(Form().DesignMode());
    EXPECT_FALSE(Form().HostForm().AmbientProperties().UserMode().IsTrue());
    Form().OpenPropertyPages();
    EXPECT_EQ(Log(), "design mode\nPlain: property pages\n");
    ASSERT_TRUE(Form().PagesOpen());
    Form().PagesKeyDown(win32::VK_ESCAPE, 0);
    EXPECT_FALSE(Form().PagesOpen());
    Form().ToggleDesignMode();
    EXPECT_TRUE(Form().HostForm().AmbientProperties().UserMode().IsTrue());
    const ColorListBox& lines = Form().Panel().Lines();
    std::string sLast;
    lines.GetText(lines.ListCount() - 1, sLast);
    EXPECT_EQ(sLast, "run mode");
}

TEST_F(DemoFormTest, ADoubleClickOpensThePagesOnlyOnTheFocusedListInDesignMode) {
    ClickRow("Plain", 1);
    const win32::RECT rc = OuterOf(Form().ListWindow("Plain"));
    struct Case {
        bool bDesignMode;
        win32::POINT pt;
        bool bOpens;
    };
    const Case kCases[] = {{false, {rc.left + 5, rc.top + 5}, false},
                           {true, {rc.left - 1, rc.top + 5}, false},
                           {true, {rc.right, rc.bottom - 1}, false},
                           {true, {rc.left, rc.top}, true},
                           {true, {rc.right - 1, rc.bottom - 1}, true}};
    for (const Case& c : kCases) {
        if (Form().DesignMode() != c.bDesignMode) Form().ToggleDesignMode();
        Form().OpenPropertyPagesAt(c.pt);
        EXPECT_EQ(Form().PagesOpen(), c.bOpens) << c.pt.x << "," << c.pt.y;
        if (Form().PagesOpen()) Form().PagesKeyDown(win32::VK_ESCAPE, 0);
    }
    Form().ToggleDesignMode();
    EXPECT_FALSE(Form().DesignMode());
}

// The property sheet of the focused list, driven as the window drives it: presses in
// form coordinates, keys and characters.
class DemoPagesTest : public DemoFormTest {
  protected:
    void SetUp() override {
        DemoFormTest::SetUp();
        ClickRow("Plain", 1);
        Form().ToggleDesignMode();
        Form().OpenPropertyPages();
        ASSERT_TRUE(Form().PagesOpen());
        s_pLog->str("");
    }
    void TearDown() override {
        if (Form().PagesOpen()) Form().PagesKeyDown(win32::VK_ESCAPE, 0);
        Form().ToggleDesignMode();
        Plain().SetFrameStyle(enmFrameStyle::fsSunken);
        Plain().SetMaxCheck(0);
    }

    static ColorListBox& Plain() { return *Form().FindList("Plain"); }
    static soft::PropertySheet& Sheet() { return const_cast<DemoPages*>(Form().Pages())->Sheet(); }
    // The form point of a sheet point.
    static win32::POINT OnForm(int nX, int nY) {
        const win32::RECT rc = Form().Pages()->Bounds();
        return {rc.left + 2 + nX, rc.top + 2 + nY};
    }
    static void Press(const win32::RECT& rcOnSheet) {
        Form().PagesMouseDown(
            OnForm((rcOnSheet.left + rcOnSheet.right) / 2, (rcOnSheet.top + rcOnSheet.bottom) / 2));
    }
    static void PressWidget(const std::string& sName) {
        const win32::RECT rc = Sheet().Host().Find(sName)->Bounds();
        const win32::POINT origin = Sheet().PageOrigin();
        Press({rc.left + origin.x, rc.top + origin.y, rc.right + origin.x, rc.bottom + origin.y});
    }
};

// Up in the closed frame-style combo picks "0 - none"; Apply writes the page to the list,
// whose border goes.
TEST_F(DemoPagesTest, ApplyChangesTheListWhichRepaintsAndThePanelSaysSo) {
    const win32::RECT rcList = OuterOf(Form().ListWindow("Plain"));
    const soft::SurfaceRef pBefore = Form().Compose();
    ASSERT_EQ(Sheet().Host().Focused()->Name(), "cmbFrameStyle");
    Form().PagesKeyDown(win32::VK_UP, 0);
    EXPECT_EQ(Plain().FrameStyle(), enmFrameStyle::fsSunken);  // nothing written yet
    Press(Sheet().ButtonBounds(soft::PropertySheet::Button::Apply));
    EXPECT_EQ(Plain().FrameStyle(), enmFrameStyle::fsNone);
    const std::string sLog = Log();
    EXPECT_NE(sLog.find("Plain.PropertyChanged \"FrameStyle\"\n"), std::string::npos) << sLog;
    EXPECT_NE(sLog.find("pages: applied\n"), std::string::npos) << sLog;
    EXPECT_TRUE(Form().PagesOpen());
    EXPECT_TRUE(Form().TakeRepainted());
    const soft::SurfaceRef pAfter = Form().Compose();
    EXPECT_NE(pBefore->Pixel(rcList.left, rcList.top), pAfter->Pixel(rcList.left, rcList.top));
    Press(Sheet().ButtonBounds(soft::PropertySheet::Button::Ok));
    EXPECT_FALSE(Form().PagesOpen());
    EXPECT_EQ(Log().substr(sLog.size()), "pages: closed\n");
}

TEST_F(DemoPagesTest, TheSheetIsDrawnCentredOverTheFormWhileOpen) {
    const win32::RECT rc = Form().Pages()->Bounds();
    EXPECT_EQ(rc.left + rc.right, DemoLayout::kWidth);
    EXPECT_LE(std::abs(rc.top + rc.bottom - DemoLayout::kHeight), 1);
    const soft::SurfaceRef pSheet = Sheet().Paint();
    const soft::SurfaceRef pFrame = Form().Compose();
    for (const auto& [nX, nY] : {std::pair{0, 0}, std::pair{40, 40}, std::pair{150, 100},
                                 std::pair{pSheet->Width() - 1, pSheet->Height() - 1}}) {
        const win32::POINT pt = OnForm(nX, nY);
        EXPECT_EQ(pFrame->Pixel(pt.x, pt.y), pSheet->Pixel(nX, nY)) << nX << "," << nY;
    }
    EXPECT_EQ(pFrame->Pixel(rc.right - 1, rc.bottom - 1), 0x404040u);  // the frame's dark edge
    const win32::POINT ptMiddle = OnForm(150, 100);
    Form().PagesKeyDown(win32::VK_ESCAPE, 0);
    const soft::SurfaceRef pClosed = Form().Compose();
    EXPECT_NE(pClosed->Pixel(ptMiddle.x, ptMiddle.y), pFrame->Pixel(ptMiddle.x, ptMiddle.y));
}

// Presses outside the sheet and Cancel change nothing; a press on the other tab shows it.
TEST_F(DemoPagesTest, TheSheetIsModalAndCancelWritesNothing) {
    Form().PagesKeyDown(win32::VK_UP, 0);
    Form().PagesMouseDown({2, 2});
    EXPECT_TRUE(Form().PagesOpen());
    Press(Sheet().TabBounds(1));
    EXPECT_EQ(Sheet().ActiveTab(), 1u);
    EXPECT_FALSE(Sheet().ApplyEnabled());
    Press(Sheet().ButtonBounds(soft::PropertySheet::Button::Cancel));
    EXPECT_FALSE(Form().PagesOpen());
    EXPECT_EQ(Plain().FrameStyle(), enmFrameStyle::fsSunken);
    EXPECT_EQ(Log(), "pages: closed\n");
}

// Typed digits reach the MaxCheck box; the page's range message is a line in the panel.
TEST_F(DemoPagesTest, TypingAndMessageBoxesGoThroughThePanel) {
    Press(Sheet().TabBounds(1));
    PressWidget("txtMaxCheck");
    for (const char32_t cChar : U"\b\b9") Form().PagesChar(cChar);
    Press(Sheet().ButtonBounds(soft::PropertySheet::Button::Apply));
    EXPECT_EQ(Plain().MaxCheck(), 9);
    PressWidget("txtMaxCheck");
    for (const char32_t cChar : U"9") Form().PagesChar(cChar);
    Press(Sheet().ButtonBounds(soft::PropertySheet::Button::Apply));
    EXPECT_EQ(Plain().MaxCheck(), 9);
    const std::string sLog = Log();
    EXPECT_NE(sLog.find("msgbox 16 \"0 ～ 50 の数値を設定してください\"\n"), std::string::npos)
        << sLog;
    const ColorListBox& lines = Form().Panel().Lines();
    std::string sLast;
    lines.GetText(lines.ListCount() - 1, sLast);
    EXPECT_EQ(sLast, "pages: applied");
}

TEST(EventPanelTest, TheOldestLineGivesWayAndTheNewestStaysInView) {
    soft::Form form(300, 200);
    EventPanel panel(form, {0, 0, 200, 150});
    const Long nAdded = EventPanel::kMaxLines + 5;
    for (Long i = 0; i < nAdded; ++i) panel.Add("line " + std::to_string(i));
    form.RunUntilIdle();
    const ColorListBox& lines = panel.Lines();
    ASSERT_EQ(lines.ListCount(), EventPanel::kMaxLines);
    std::string sFirst, sLast;
    lines.GetText(0, sFirst);
    lines.GetText(EventPanel::kMaxLines - 1, sLast);
    EXPECT_EQ(sFirst, "line 5");
    EXPECT_EQ(sLast, "line " + std::to_string(nAdded - 1));
    // 150 pixels hold 8 whole rows: the last row is the bottom one.
    EXPECT_EQ(lines.TopIndex(), EventPanel::kMaxLines - 8);
}

TEST(EventPanelTest, AtDesignTimeLinesArriveWithoutScrollingUntilRunModeReturns) {
    soft::Form form(300, 200);
    EventPanel panel(form, {0, 0, 200, 150});
    form.AmbientProperties().SetUserMode(VbFalse);
    for (int i = 0; i < 20; ++i) panel.Add("design " + std::to_string(i));
    EXPECT_EQ(panel.Lines().ListCount(), 20);
    EXPECT_EQ(panel.Lines().TopIndex(), 0);
    form.AmbientProperties().SetUserMode(VbTrue);
    panel.Add("run");
    EXPECT_EQ(panel.Lines().TopIndex(), 21 - 8);
}

}  // namespace
}  // namespace qv::qvhost
