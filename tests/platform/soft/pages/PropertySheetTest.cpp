#include "platform/soft/pages/PropertySheet.h"

#include <gtest/gtest.h>

#include <functional>

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
        [](SheetRig& s) { s.sheet.KeyDown(vk::kEscape, 0); },
        [](SheetRig& s) { s.Press(PropertySheet::Button::Ok); },
    };
    for (const auto& close : closings) {
        SheetRig fresh;
        fresh.PressOnPage(20, 45);  // the text box, y 40..58
        ASSERT_EQ(fresh.sheet.Host().Focused()->Name(), "txt");
        fresh.sheet.KeyDown(vk::kTab, 0);
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
    sheet.KeyDown(vk::kEscape, 0);
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

}  // namespace
}  // namespace qv::soft
