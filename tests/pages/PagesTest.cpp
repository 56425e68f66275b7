#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>

#include "dispatch/TypeLibrary.h"
#include "pages/RecordingControl.h"
#include "pages/ppgCheck.h"
#include "pages/ppgGeneral.h"
#include "platform/host/MsgBox.h"
#include "platform/soft/host/MessageBoxes.h"
#include "platform/soft/pages/PageHost.h"
#include "platform/soft/pages/PropertySheet.h"

namespace qv {
namespace {

using test::RecordingControl;
using Strings = std::vector<std::string>;

RecordingControl GeneralControl() {
    RecordingControl control;
    control.values = {{"BackStyle", Long{3}},   {"FrameStyle", Long{1}}, {"SelBackStyle", Long{2}},
                      {"MultiSelect", Long{0}}, {"Style", Long{1}},      {"ShowImage", VbTrue},
                      {"Enabled", VbFalse}};
    return control;
}

RecordingControl CheckControl() {
    RecordingControl control;
    control.values = {{"CheckBoxImage", Long{2}},
                      {"MaxCheck", Long{5}},
                      {"CheckImageIndex", Long{1}},
                      {"NoCheckImageIndex", Long{0}}};
    return control;
}

// A sheet on one page with the given selection, collecting its message boxes.
class PageFixture {
  public:
    template <typename TPage>
    static PageFixture Open(std::vector<host::ISelectedObject*> selected) {
        return PageFixture(std::move(selected), [](host::IPropertyPageSite& site) {
            return std::unique_ptr<host::IPropertyPage>(new TPage(site));
        });
    }
    ~PageFixture() { soft::SetMessageBoxHandler(std::move(m_previous)); }

    soft::PropertySheet& Sheet() { return *m_pSheet; }
    soft::PageHost& Host() { return m_pSheet->Host(); }
    template <typename TWidget>
    TWidget& Widget(std::string_view sName) {
        return dynamic_cast<TWidget&>(*Host().Find(sName));
    }
    Strings messages;

  private:
    PageFixture(std::vector<host::ISelectedObject*> selected,
                const soft::PropertySheet::PageFactory& makePage) {
        m_previous = soft::SetMessageBoxHandler([this](std::string_view sPrompt, Long) {
            messages.emplace_back(sPrompt);
            return host::vbOK;
        });
        m_pSheet = std::make_unique<soft::PropertySheet>(Strings{"全体", "ﾁｪｯｸﾎﾞｯｸｽｽﾀｲﾙ"}, 0,
                                                         std::move(selected), makePage);
    }
    soft::MessageBoxHandler m_previous;
    std::unique_ptr<soft::PropertySheet> m_pSheet;
};

TEST(ppgGeneral, OpeningReadsTheSevenPropertiesInOrderAndLeavesApplyDisabled) {
    RecordingControl control = GeneralControl();
    auto page = PageFixture::Open<ppgGeneral>({&control});
    EXPECT_EQ(control.log,
              (Strings{"get BackStyle", "get FrameStyle", "get SelBackStyle", "get MultiSelect",
                       "get Style", "get ShowImage", "get Enabled"}));
    const std::pair<const char*, Integer> shown[] = {{"cmbBackStyle", 3},
                                                     {"cmbFrameStyle", 1},
                                                     {"cmbSelBackStyle", 2},
                                                     {"cmbMultiSelect", 0},
                                                     {"cmbStyle", 1}};
    for (const auto& [sName, nIndex] : shown)
        EXPECT_EQ(page.Widget<soft::SoftComboBox>(sName).ListIndex(), nIndex) << sName;
    EXPECT_EQ(page.Widget<soft::SoftComboBox>("cmbBackStyle").List(3), "3 - ﾋﾟｸﾁｬ(実寸)");
    EXPECT_EQ(page.Widget<soft::SoftCheckBox>("chkShowImage").Value(), 1);
    EXPECT_EQ(page.Widget<soft::SoftCheckBox>("chkEnabled").Value(), 0);
    EXPECT_FALSE(page.Sheet().ApplyEnabled());
}

TEST(ppgGeneral, ApplyWritesAllSevenToTheFirstSelectedControlOnlyInOrder) {
    RecordingControl first = GeneralControl();
    RecordingControl second = GeneralControl();
    auto page = PageFixture::Open<ppgGeneral>({&first, &second});
    page.Widget<soft::SoftComboBox>("cmbStyle").SetListIndex(0);
    page.Widget<soft::SoftCheckBox>("chkEnabled").SetValue(1);
    EXPECT_TRUE(page.Sheet().ApplyEnabled());
    page.Sheet().Apply();
    EXPECT_EQ(first.Writes(), (Strings{"let BackStyle=3", "let FrameStyle=1", "let SelBackStyle=2",
                                       "let MultiSelect=0", "let Style=0",
                                       "let ShowImage=Boolean(-1)", "let Enabled=Boolean(-1)"}));
    EXPECT_TRUE(second.Writes().empty());
    EXPECT_TRUE(second.log.empty());
    EXPECT_FALSE(page.Sheet().ApplyEnabled());
}

TEST(ppgGeneral, EveryControlEventEnablesApply) {
    const std::pair<const char*, Integer> edits[] = {
        {"cmbFrameStyle", 2},  {"cmbSelBackStyle", 0}, {"cmbStyle", 0},  {"cmbBackStyle", 4},
        {"cmbMultiSelect", 2}, {"chkShowImage", 0},    {"chkEnabled", 1}};
    for (const auto& [sName, nValue] : edits) {
        RecordingControl control = GeneralControl();
        auto page = PageFixture::Open<ppgGeneral>({&control});
        soft::PageWidget* pWidget = page.Host().Find(sName);
        if (auto* pCombo = dynamic_cast<soft::SoftComboBox*>(pWidget)) pCombo->SetListIndex(nValue);
        if (auto* pCheck = dynamic_cast<soft::SoftCheckBox*>(pWidget)) pCheck->SetValue(nValue);
        EXPECT_TRUE(page.Sheet().ApplyEnabled()) << sName;
    }
}

// A Boolean holding 2 counts as True: the box is checked, and an untouched box writes
// back what the property holds, so nothing about it changes.
TEST(ppgGeneral, ABooleanOtherThanTrueShowsCheckedAndSurvivesAnUntouchedApply) {
    struct Case {
        Integer nTurns;  // how often the user turns the box
        const char* sWritten;
    };
    const Case cases[] = {{0, "let ShowImage=Boolean(2)"},
                          {1, "let ShowImage=Boolean(0)"},
                          {2, "let ShowImage=Boolean(2)"}};
    for (const Case& c : cases) {
        RecordingControl control = GeneralControl();
        control.values["ShowImage"] = Boolean(2);
        auto page = PageFixture::Open<ppgGeneral>({&control});
        auto& box = page.Widget<soft::SoftCheckBox>("chkShowImage");
        EXPECT_EQ(box.Value(), 1);
        for (int i = 0; i < c.nTurns; ++i) box.SetValue(box.Value() ? 0 : 1);
        page.Sheet().Apply();
        EXPECT_EQ(control.Writes().at(5), c.sWritten) << c.nTurns;
    }
}

TEST(ppgGeneral, AnEnumerationValueWithoutItemOpensWithNoChoiceAndIsLeftUntilPicked) {
    RecordingControl control = GeneralControl();
    control.values["FrameStyle"] = Long{3};
    control.values["BackStyle"] = Long{70000};
    auto page = PageFixture::Open<ppgGeneral>({&control});
    EXPECT_EQ(page.Widget<soft::SoftComboBox>("cmbFrameStyle").ListIndex(), -1);
    EXPECT_EQ(page.Widget<soft::SoftComboBox>("cmbBackStyle").ListIndex(), -1);
    EXPECT_FALSE(page.Sheet().ApplyEnabled());
    page.Sheet().Apply();
    EXPECT_EQ(control.Writes(), (Strings{"let SelBackStyle=2", "let MultiSelect=0", "let Style=1",
                                         "let ShowImage=Boolean(-1)", "let Enabled=Boolean(0)"}));
    page.Widget<soft::SoftComboBox>("cmbFrameStyle").SetListIndex(2);
    page.Sheet().Apply();
    EXPECT_EQ(control.values["FrameStyle"], Variant(Integer{2}));
}

TEST(ppgCheck, OpeningShowsTheFourValuesWithApplyDisabled) {
    RecordingControl control = CheckControl();
    auto page = PageFixture::Open<ppgCheck>({&control});
    EXPECT_EQ(control.log, (Strings{"get CheckBoxImage", "get MaxCheck", "get CheckImageIndex",
                                    "get NoCheckImageIndex"}));
    EXPECT_EQ(page.Widget<soft::SoftComboBox>("cmbCheckBoxImage").ListIndex(), 2);
    EXPECT_EQ(page.Widget<soft::SoftTextBox>("txtMaxCheck").Text(), "5");
    EXPECT_EQ(page.Widget<soft::SoftTextBox>("txtCheckImageIndex").Text(), "1");
    EXPECT_EQ(page.Widget<soft::SoftTextBox>("txtNoCheckImageIndex").Text(), "0");
    EXPECT_FALSE(page.Sheet().ApplyEnabled());
}

TEST(ppgCheck, ApplyChecksEachNumberAndStillWritesTheOthers) {
    struct Case {
        const char* sMaxCheck;
        const char* sCheckImageIndex;
        Strings writes;
        Strings messages;
    };
    const std::string sRange = "0 ～ 50 の数値を設定してください";
    const Case cases[] = {
        {"50",
         "4",
         {"let MaxCheck=\"50\"", "let CheckImageIndex=\"4\"", "let NoCheckImageIndex=\"0\"",
          "let CheckBoxImage=1"},
         {}},
        {"51",
         "4",
         {"let CheckImageIndex=\"4\"", "let NoCheckImageIndex=\"0\"", "let CheckBoxImage=1"},
         {sRange}},
        {"7",
         "abc",
         {"let MaxCheck=\"7\"", "let NoCheckImageIndex=\"0\"", "let CheckBoxImage=1"},
         {"数値を入力して下さい"}},
    };
    for (const Case& c : cases) {
        RecordingControl control = CheckControl();
        auto page = PageFixture::Open<ppgCheck>({&control});
        page.Widget<soft::SoftComboBox>("cmbCheckBoxImage").SetListIndex(1);
        page.Widget<soft::SoftTextBox>("txtMaxCheck").SetText(c.sMaxCheck);
        page.Widget<soft::SoftTextBox>("txtCheckImageIndex").SetText(c.sCheckImageIndex);
        control.log.clear();
        page.Sheet().Apply();
        EXPECT_EQ(control.Writes(), c.writes) << c.sMaxCheck << " " << c.sCheckImageIndex;
        EXPECT_EQ(page.messages, c.messages);
        EXPECT_EQ(control.log.front(), "get MaxCheck");  // the value to restore, read first
    }
}

TEST(ppgCheck, AFailedNumberIsRestoredFromTheControl) {
    RecordingControl control = CheckControl();
    auto page = PageFixture::Open<ppgCheck>({&control});
    control.values["MaxCheck"] = Long{9};  // changed elsewhere while the page is open
    page.Widget<soft::SoftTextBox>("txtMaxCheck").SetText("51");
    page.Sheet().Apply();
    EXPECT_EQ(page.Widget<soft::SoftTextBox>("txtMaxCheck").Text(), "9");
    // The restored text raised Change after Apply had started; Apply clears the flag.
    EXPECT_FALSE(page.Sheet().ApplyEnabled());
}

TEST(ppgCheck, AMaxCheckAboveTheRangeShowsAndStaysThroughAnUnchangedApply) {
    RecordingControl control = CheckControl();
    control.values["MaxCheck"] = Long{200};
    auto page = PageFixture::Open<ppgCheck>({&control});
    EXPECT_EQ(page.Widget<soft::SoftTextBox>("txtMaxCheck").Text(), "200");
    page.Sheet().Apply();
    EXPECT_EQ(page.messages, Strings{"0 ～ 50 の数値を設定してください"});
    EXPECT_EQ(page.Widget<soft::SoftTextBox>("txtMaxCheck").Text(), "200");
    for (const std::string& sWrite : control.Writes())
        EXPECT_FALSE(sWrite.starts_with("let MaxCheck")) << sWrite;
}

TEST(ppgCheck, LeavingMaxCheckWithABadEntryRestoresItAndKeepsTheFocus) {
    const char* badEntries[] = {"51", "x", "-3"};
    for (const char* sEntry : badEntries) {
        RecordingControl control = CheckControl();
        auto page = PageFixture::Open<ppgCheck>({&control});
        auto& box = page.Widget<soft::SoftTextBox>("txtMaxCheck");
        ASSERT_TRUE(page.Host().SetFocus(&box));
        box.SetText(sEntry);
        EXPECT_FALSE(page.Host().LeaveFocus()) << sEntry;
        EXPECT_EQ(page.Host().Focused(), &box) << sEntry;
        EXPECT_EQ(box.Text(), "5") << sEntry;
        EXPECT_EQ(page.messages.size(), 1u) << sEntry;
        EXPECT_TRUE(page.Host().LeaveFocus()) << sEntry;  // "5" is fine now
    }
}

// A MaxCheck of 200 set elsewhere fails every check; the sheet's Cancel still closes,
// without asking the box.
TEST(ppgCheck, CancelClosesTheSheetWithoutValidating) {
    RecordingControl control = CheckControl();
    control.values["MaxCheck"] = Long{200};
    auto page = PageFixture::Open<ppgCheck>({&control});
    auto& box = page.Widget<soft::SoftTextBox>("txtMaxCheck");
    ASSERT_TRUE(page.Host().SetFocus(&box));
    EXPECT_FALSE(page.Host().LeaveFocus());
    page.messages.clear();
    page.Sheet().KeyDown(win32::VK_ESCAPE, 0);
    EXPECT_FALSE(page.Sheet().IsOpen());
    EXPECT_TRUE(page.messages.empty());
    EXPECT_TRUE(control.Writes().empty());
}

TEST(ppgCheck, ChoosingRadioEnablesApplyAndWritesIt) {
    RecordingControl control = CheckControl();
    auto page = PageFixture::Open<ppgCheck>({&control});
    auto& combo = page.Widget<soft::SoftComboBox>("cmbCheckBoxImage");
    EXPECT_EQ(combo.List(1), "1 - ﾗｼﾞｵﾎﾞﾀﾝ");
    combo.SetListIndex(1);
    EXPECT_TRUE(page.Sheet().ApplyEnabled());
    page.Sheet().Ok();
    EXPECT_FALSE(page.Sheet().IsOpen());
    EXPECT_EQ(control.values["CheckBoxImage"], Variant(Integer{1}));
}

// Tab goes through the controls in the order of the pages' tables, labels and frames
// left out; positions are the tables' twips at 15 a pixel, inside Frame1 from its corner.
TEST(PageLayout, TabOrderAndPositionsFollowTheTables) {
    struct Case {
        bool bGeneral;
        Strings tabOrder;
        const char* sWidget;
        win32::RECT rcBounds;
    };
    const Case cases[] = {
        {true,
         {"cmbSelBackStyle", "cmbStyle", "cmbBackStyle", "cmbMultiSelect", "chkShowImage",
          "chkEnabled", "cmbFrameStyle"},
         "cmbFrameStyle",
         {112, 16, 281, 36}},
        {true, {}, "chkEnabled", {128, 144, 225, 161}},
        {false,
         {"txtMaxCheck", "txtCheckImageIndex", "txtNoCheckImageIndex", "cmbCheckBoxImage"},
         "txtCheckImageIndex",
         {24 + 56, 112 + 21, 24 + 56 + 49, 112 + 21 + 18}},
        {false, {}, "Frame1", {24, 112, 289, 225}},
        {false, {}, "Label4", {32, 64, 297, 89}},
    };
    for (const Case& c : cases) {
        RecordingControl control = c.bGeneral ? GeneralControl() : CheckControl();
        auto page = c.bGeneral ? PageFixture::Open<ppgGeneral>({&control})
                               : PageFixture::Open<ppgCheck>({&control});
        Strings order;
        for (std::size_t i = 0; i < c.tabOrder.size(); ++i) {
            page.Host().KeyDown(win32::VK_TAB, 0);
            order.push_back(page.Host().Focused()->Name());
        }
        EXPECT_EQ(order, c.tabOrder);
        const win32::RECT rc = page.Host().Find(c.sWidget)->Bounds();
        EXPECT_EQ(rc.left, c.rcBounds.left) << c.sWidget;
        EXPECT_EQ(rc.top, c.rcBounds.top) << c.sWidget;
        EXPECT_EQ(rc.right, c.rcBounds.right) << c.sWidget;
        EXPECT_EQ(rc.bottom, c.rcBounds.bottom) << c.sWidget;
    }
}

// A designer asks a page which of its controls shows a property (to put the focus there):
// every property a page reads has its own control on that page, names compare without
// regard to case, and a property the page does not show has none.
TEST(PageControls, EachShownPropertyNamesItsOwnControlOnThePage) {
    struct Case {
        RecordingControl control;
        std::function<std::unique_ptr<host::IPropertyPage>(host::IPropertyPageSite&)> make;
    };
    const Case cases[] = {
        {GeneralControl(), [](auto& site) { return std::make_unique<ppgGeneral>(site); }},
        {CheckControl(), [](auto& site) { return std::make_unique<ppgCheck>(site); }},
    };
    for (const Case& c : cases) {
        soft::PageHost pageHost({});
        const std::unique_ptr<host::IPropertyPage> page = c.make(pageHost);
        SCOPED_TRACE(std::string(page->Caption()));
        std::vector<std::string_view> named;
        for (const auto& [sProperty, vValue] : c.control.values) {
            const std::string_view sControl = page->ControlOf(sProperty);
            const soft::PageWidget* pWidget = pageHost.Find(sControl);
            ASSERT_NE(pWidget, nullptr) << sProperty << " names " << sControl;
            EXPECT_TRUE(pWidget->TakesFocus()) << sControl;
            EXPECT_EQ(std::ranges::count(named, sControl), 0) << sControl;
            named.push_back(sControl);
            std::string sLower(sProperty);
            for (char& ch : sLower) ch = static_cast<char>(std::tolower(ch));
            EXPECT_EQ(page->ControlOf(sLower), sControl);
        }
        for (std::string_view sOther : {"ListCount", "Font", ""})
            EXPECT_EQ(page->ControlOf(sOther), "") << sOther;
    }
    soft::PageHost pageHost({});
    EXPECT_EQ(ppgGeneral(pageHost).ControlOf("MaxCheck"), "") << "shown on the other page";
}

TEST(PageList, TheControlNamesItsOwnPagesThenTheHostsStandardPages) {
    const TypeLibrary& library = ColorListBoxTypeLibrary();
    EXPECT_EQ(library.propertyPages,
              (std::vector<std::string_view>{"ppgGeneral", "ppgCheck", "StandardColor",
                                             "StandardPicture", "StandardFont"}));
    // Our own pages are classes of the library.
    for (std::string_view sPage : {"ppgGeneral", "ppgCheck"}) {
        EXPECT_TRUE(std::ranges::any_of(library.classes, [&](const ClassInfo& info) {
            return info.sName == sPage;
        })) << sPage;
    }
    EXPECT_NE(PrintTypeLibrary(library).find(
                  "// property pages: ppgGeneral, ppgCheck, StandardColor, StandardPicture, "
                  "StandardFont"),
              std::string::npos);
}

}  // namespace
}  // namespace qv
