#include "platform/soft/pages/PropertySheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace qv::soft {
namespace {

// A page of one combo box (three items) and one text box whose Validate always cancels,
// as a box holding a value the page can never accept would.
class StubbornPage : public host::IPropertyPage {
  public:
    explicit StubbornPage(host::IPropertyPageSite& site) : m_site(site) {
        host::IComboBox& combo = site.AddComboBox("cmb", {150, 150, 1500, 300}, nullptr);
        for (const char* sItem : {"a", "b", "c"}) combo.AddItem(sItem);
        combo.OnClick([this] { m_site.SetChanged(true); });
        host::ITextBox& text = site.AddTextBox("txt", {150, 600, 1500, 270}, nullptr);
        text.OnValidate([this](bool& bCancel) {
            ++nValidations;
            bCancel = true;
        });
    }
    std::string_view Caption() const override { return "stub"; }
    void SelectionChanged() override { ++nSelectionChanges; }
    void ApplyChanges() override { ++nApplies; }

    int nSelectionChanges = 0, nApplies = 0, nValidations = 0;

  private:
    host::IPropertyPageSite& m_site;
};

// A sheet on the stubborn page, with the page's second tab shown.
struct SheetRig {
    SheetRig()
        : sheet({"one", "two"}, 1, {}, [this](host::IPropertyPageSite& site) {
              auto pPage = std::make_unique<StubbornPage>(site);
              pStub = pPage.get();
              return std::unique_ptr<host::IPropertyPage>(std::move(pPage));
          }) {}

    void Press(const win32::RECT& rc) {
        sheet.MouseDown((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }
    void Press(PropertySheet::Button eButton) { Press(sheet.ButtonBounds(eButton)); }
    void PressOnPage(int nX, int nY) {
        sheet.MouseDown(sheet.PageOrigin().x + nX, sheet.PageOrigin().y + nY);
    }
    SoftComboBox& Combo() { return dynamic_cast<SoftComboBox&>(*sheet.Host().Find("cmb")); }

    StubbornPage* pStub = nullptr;
    PropertySheet sheet;
};

class SheetInput : public ::testing::Test, public SheetRig {};

TEST_F(SheetInput, OpeningFocusesTheFirstControlAndTellsThePageOnce) {
    EXPECT_EQ(pStub->nSelectionChanges, 1);
    EXPECT_EQ(sheet.Host().Focused()->Name(), "cmb");
    EXPECT_FALSE(sheet.ApplyEnabled());
}

TEST_F(SheetInput, ApplyButtonWorksOnlyWhileThePageChanged) {
    Press(PropertySheet::Button::Apply);
    EXPECT_EQ(pStub->nApplies, 0);
    Combo().SetListIndex(1);
    Press(PropertySheet::Button::Apply);
    EXPECT_EQ(pStub->nApplies, 1);
    EXPECT_FALSE(sheet.ApplyEnabled());
    EXPECT_TRUE(sheet.IsOpen());
}

TEST_F(SheetInput, OkAppliesPendingEditsAndCloses) {
    struct Case {
        bool bEdit;
        int nApplies;
    };
    for (const Case c : {Case{false, 0}, Case{true, 1}}) {
        SheetRig fresh;
        if (c.bEdit) fresh.Combo().SetListIndex(2);
        fresh.Press(PropertySheet::Button::Ok);
        EXPECT_EQ(fresh.pStub->nApplies, c.nApplies);
        EXPECT_FALSE(fresh.sheet.IsOpen());
    }
}

// The text box refuses to let the focus go; Cancel, Escape and OK still close the sheet
// and never ask it.
TEST_F(SheetInput, ClosingNeverValidatesTheFocusedTextBox) {
    const std::vector<std::function<void(SheetRig&)>> closings = {
        [](SheetRig& s) { s.Press(PropertySheet::Button::Cancel); },
        [](SheetRig& s) { s.sheet.KeyDown(win32::VK_ESCAPE, 0); },
        [](SheetRig& s) { s.Press(PropertySheet::Button::Ok); },
    };
    for (const auto& close : closings) {
        SheetRig fresh;
        fresh.PressOnPage(20, 45);  // the text box, y 40..58
        ASSERT_EQ(fresh.sheet.Host().Focused()->Name(), "txt");
        fresh.sheet.KeyDown(win32::VK_TAB, 0);
        EXPECT_EQ(fresh.pStub->nValidations, 1);
        EXPECT_EQ(fresh.sheet.Host().Focused()->Name(), "txt");
        close(fresh);
        EXPECT_FALSE(fresh.sheet.IsOpen());
        EXPECT_EQ(fresh.pStub->nValidations, 1);
    }
}

TEST_F(SheetInput, ComboOpensOverThePageAndEscapeClosesOnlyTheList) {
    PressOnPage(50, 15);  // the combo, y 10..30
    EXPECT_TRUE(Combo().IsDropped());
    sheet.KeyDown(win32::VK_ESCAPE, 0);
    EXPECT_FALSE(Combo().IsDropped());
    EXPECT_TRUE(sheet.IsOpen());
    // Open again and pick the third row, which lies over the text box.
    PressOnPage(50, 15);
    PressOnPage(50, 30 + 1 + 2 * SoftComboBox::kRowHeight + 4);
    EXPECT_EQ(Combo().ListIndex(), 2);
    EXPECT_FALSE(Combo().IsDropped());
    EXPECT_EQ(sheet.Host().Focused()->Name(), "cmb");
    EXPECT_TRUE(sheet.ApplyEnabled());
}

TEST_F(SheetInput, TheOpenListIsDrawnOverThePageWithTheHotRowHighlighted) {
    Combo().SetListIndex(1);
    PressOnPage(50, 15);
    const SurfaceRef pSurface = sheet.Paint();
    const win32::RECT rcList = Combo().DroppedListBounds();
    const int nX = sheet.PageOrigin().x + rcList.left + 40;
    const int nRow1 = sheet.PageOrigin().y + rcList.top + 1 + SoftComboBox::kRowHeight + 1;
    const int nRow2 = nRow1 + SoftComboBox::kRowHeight;
    EXPECT_EQ(pSurface->Pixel(nX, nRow1), 0x6A240Au);                           // highlight
    EXPECT_EQ(pSurface->Pixel(nX, nRow2), 0xFFFFFFu);                           // window
    EXPECT_EQ(pSurface->Pixel(sheet.PageOrigin().x + rcList.left, nRow2), 0u);  // border
}

// Two tabs, each building a page that records what happens to it in one shared log, so
// that what a page did is still known after the sheet has dropped it.
class LoggingPage : public host::IPropertyPage {
  public:
    LoggingPage(host::IPropertyPageSite& site, std::string sName, std::vector<std::string>& log)
        : m_site(site), m_sName(std::move(sName)), m_log(log) {
        host::IComboBox& combo =
            site.AddComboBox(m_sName + "Combo", {150, 150, 1500, 300}, nullptr);
        for (const char* sItem : {"a", "b"}) combo.AddItem(sItem);
        combo.OnClick([this] { m_site.SetChanged(true); });
        host::ITextBox& text = site.AddTextBox(m_sName + "Text", {150, 600, 1500, 270}, nullptr);
        text.OnValidate([this](bool& bCancel) {
            m_log.push_back(m_sName + " validate");
            bCancel = true;
        });
        m_log.push_back(m_sName + " built");
    }
    ~LoggingPage() override { m_log.push_back(m_sName + " gone"); }
    std::string_view Caption() const override { return m_sName; }
    void SelectionChanged() override { m_log.push_back(m_sName + " selection"); }
    void ApplyChanges() override { m_log.push_back(m_sName + " apply"); }

  private:
    host::IPropertyPageSite& m_site;
    std::string m_sName;
    std::vector<std::string>& m_log;
};

struct TwoPageRig {
    TwoPageRig() : sheet(Tabs(), 0, {}) {}

    std::vector<PropertySheet::Tab> Tabs() {
        std::vector<PropertySheet::Tab> tabs;
        for (const char* sName : {"one", "two"}) {
            tabs.push_back({sName, [this, sName](host::IPropertyPageSite& site) {
                                return std::make_unique<LoggingPage>(site, sName, log);
                            }});
        }
        tabs.push_back({"three", nullptr});  // shown, but without a page
        return tabs;
    }
    void PressTab(std::size_t nTab) {
        const win32::RECT rc = sheet.TabBounds(nTab);
        sheet.MouseDown((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }
    std::vector<std::string> TakeLog() { return std::exchange(log, {}); }
    SoftComboBox& Combo(const std::string& sPage) {
        return dynamic_cast<SoftComboBox&>(*sheet.Host().Find(sPage + "Combo"));
    }

    std::vector<std::string> log;
    PropertySheet sheet;
};

using Log = std::vector<std::string>;

TEST(SheetTabs, AClickOnAnotherTabBuildsItsPageAfreshAndDropsUnappliedEdits) {
    TwoPageRig rig;
    EXPECT_EQ(rig.TakeLog(), (Log{"one built", "one selection"}));
    rig.Combo("one").SetListIndex(1);
    ASSERT_TRUE(rig.sheet.ApplyEnabled());
    rig.PressTab(1);
    EXPECT_EQ(rig.TakeLog(), (Log{"one gone", "two built", "two selection"}));
    EXPECT_EQ(rig.sheet.ActiveTab(), 1u);
    EXPECT_FALSE(rig.sheet.ApplyEnabled());
    EXPECT_EQ(rig.sheet.Host().Focused()->Name(), "twoCombo");
    EXPECT_EQ(rig.sheet.Host().Find("oneCombo"), nullptr);
    EXPECT_EQ(rig.sheet.AppliedCount(), 0);
    // Back again: the first page reads its values anew, the edit is gone.
    rig.PressTab(0);
    EXPECT_EQ(rig.Combo("one").ListIndex(), -1);
    EXPECT_TRUE(rig.sheet.IsOpen());
}

TEST(SheetTabs, AppliedEditsStayAppliedAndLeavingAppliesNothingMore) {
    TwoPageRig rig;
    rig.Combo("one").SetListIndex(1);
    rig.sheet.Apply();
    rig.TakeLog();
    rig.PressTab(1);
    EXPECT_EQ(rig.TakeLog(), (Log{"one gone", "two built", "two selection"}));
    rig.Combo("two").SetListIndex(0);
    rig.sheet.Ok();
    EXPECT_EQ(rig.TakeLog(), (Log{"two apply"}));
    EXPECT_EQ(rig.sheet.AppliedCount(), 2);
}

TEST(SheetTabs, TabsThatCannotBeShownLeaveThePageAlone) {
    TwoPageRig rig;
    rig.Combo("one").SetListIndex(1);
    rig.TakeLog();
    const std::vector<std::function<void()>> attempts = {
        [&] { rig.PressTab(0); },  // the tab shown
        [&] { rig.PressTab(2); },  // no page
        [&] { EXPECT_FALSE(rig.sheet.ShowTab(3)); },
    };
    for (const auto& attempt : attempts) {
        attempt();
        EXPECT_EQ(rig.TakeLog(), Log{});
        EXPECT_EQ(rig.sheet.ActiveTab(), 0u);
        EXPECT_TRUE(rig.sheet.ApplyEnabled());
    }
}

// Ctrl+Tab walks the tabs that have a page, wrapping round; with Shift it walks back.
TEST(SheetTabs, CtrlTabWalksThePagesBothWays) {
    struct Step {
        int nShift;
        std::size_t nExpectedTab;
    };
    const Step kSteps[] = {{win32::kCtrlMask, 1},
                           {win32::kCtrlMask, 0},
                           {win32::kCtrlMask | win32::kShiftMask, 1},
                           {win32::kCtrlMask | win32::kShiftMask, 0}};
    TwoPageRig rig;
    for (const Step& step : kSteps) {
        rig.sheet.KeyDown(win32::VK_TAB, step.nShift);
        EXPECT_EQ(rig.sheet.ActiveTab(), step.nExpectedTab) << step.nShift;
    }
    // Tab alone stays on the page: it moves the focus to the text box.
    rig.sheet.KeyDown(win32::VK_TAB, 0);
    EXPECT_EQ(rig.sheet.ActiveTab(), 0u);
    EXPECT_EQ(rig.sheet.Host().Focused()->Name(), "oneText");
}

// A text box that never lets the focus go does not keep the user on its page.
TEST(SheetTabs, LeavingThePageNeverValidatesItsTextBox) {
    TwoPageRig rig;
    rig.sheet.Host().SetFocus(rig.sheet.Host().Find("oneText"));
    rig.TakeLog();
    rig.PressTab(1);
    EXPECT_EQ(rig.TakeLog(), (Log{"one gone", "two built", "two selection"}));
}

TEST(SheetTabs, TheChosenTabIsDrawnRaised) {
    TwoPageRig rig;
    rig.PressTab(1);
    const SurfaceRef pSurface = rig.sheet.Paint();
    const win32::RECT rcOne = rig.sheet.TabBounds(0);
    const win32::RECT rcTwo = rig.sheet.TabBounds(1);
    const win32::COLORREF kHighlight = 0xFFFFFF, kFace = 0xC8D0D4;
    // The top edge of the chosen tab is its highlight line; the other tab starts lower.
    EXPECT_EQ(pSurface->Pixel(rcTwo.left + 6, rcTwo.top), kHighlight);
    EXPECT_EQ(pSurface->Pixel(rcOne.left + 6, rcOne.top), kFace);
    EXPECT_EQ(pSurface->Pixel(rcOne.left + 6, rcOne.top + 2), kHighlight);
}

}  // namespace
}  // namespace qv::soft
