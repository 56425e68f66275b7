// The page host over the system's controls, without COM: measures and the contract's
// rules for values a control cannot take.
#include "platform/HostError.h"  // first: the contract's headers precede the system's
#include "platform/windows/pages/PageHost.h"

#include <gtest/gtest.h>

namespace qv::windows {
namespace {

TEST(PageHostTest, TwipsBecomePixelsAtTheScreensResolution) {
    const struct {
        Long nTwips;
        int nPixelsPerInch;
        int nExpected;
    } cases[] = {
        {1440, 96, 96},  {15, 96, 1},      {7, 96, 0},       {8, 96, 1},      {-8, 96, -1},
        {2535, 96, 169}, {2535, 120, 211}, {1440, 144, 144}, {4215, 96, 281}, {0, 120, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.nTwips, c.nPixelsPerInch), c.nExpected)
            << c.nTwips << " twips at " << c.nPixelsPerInch;
    }
}

int ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const HostError& error) {
        return error.Number();
    }
    return 0;
}

TEST(PageHostTest, ValuesAControlCannotTakeRaise380AndChangeNothing) {
    PageHost host;
    host::IComboBox& combo = host.AddComboBox("cmb", {0, 0, 1500, 300}, nullptr);
    host::ICheckBox& check = host.AddCheckBox("chk", "c", {0, 400, 1500, 255}, nullptr);
    int nClicks = 0;
    combo.OnClick([&] { ++nClicks; });
    check.OnClick([&] { ++nClicks; });
    combo.AddItem("a");
    combo.AddItem("b");
    combo.SetListIndex(1);
    check.SetValue(1);
    const struct {
        const char* sCall;
        std::function<void()> call;
        int nError;
    } cases[] = {
        {"ListIndex 2", [&] { combo.SetListIndex(2); }, 380},
        {"ListIndex -2", [&] { combo.SetListIndex(-2); }, 380},
        {"List(2)", [&] { combo.List(2); }, 380},
        {"Value 2", [&] { check.SetValue(2); }, 380},
        {"Value -1", [&] { check.SetValue(-1); }, 380},
        {"ListIndex -1", [&] { combo.SetListIndex(-1); }, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.call), c.nError) << c.sCall;
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(check.Value(), 1);
    EXPECT_EQ(nClicks, 3) << "two accepted assignments and the clearing raise Click";
}

TEST(PageHostTest, SettingTheSameTextRaisesNoChange) {
    PageHost host;
    host::ITextBox& text = host.AddTextBox("txt", {0, 0, 735, 270}, nullptr);
    int nChanges = 0;
    text.OnChange([&] { ++nChanges; });
    for (const char* sText : {"12", "12", "ｵﾝ時", "ｵﾝ時", ""}) text.SetText(sText);
    EXPECT_EQ(nChanges, 3);
    EXPECT_EQ(text.Text(), "");
}

TEST(PageHostTest, ControlsInAFrameAreAnchoredToIt) {
    PageHost host;
    host::IFrame& frame = host.AddFrame("Frame1", "f", {360, 1680, 3975, 1695});
    host.AddLabel("Label1", "ｵﾝ時", {240, 360, 405, 180}, &frame);
    const RECT rc = host.Find("Label1")->LayoutBounds();
    EXPECT_EQ(rc.left, 24 + 16);
    EXPECT_EQ(rc.top, 112 + 24);
    EXPECT_EQ(rc.right - rc.left, 27);
    EXPECT_EQ(host.Find("Label1")->Window() != nullptr, true);
    EXPECT_EQ(host.Extent().cx, 24 + 265 + 16);
}

TEST(PageHostTest, EachControlsWindowTellsItsName) {
    PageHost host;
    host::IFrame& frame = host.AddFrame("Frame1", "f", {0, 0, 3000, 2000});
    host.AddLabel("Label4", "ｽﾀｲﾙ", {100, 200, 1000, 180}, &frame);
    host.AddComboBox("cmbStyle", {100, 500, 1500, 300}, &frame);
    host.AddTextBox("txtMaxCheck", {100, 900, 735, 270}, nullptr);
    for (const char* sName : {"Frame1", "Label4", "cmbStyle", "txtMaxCheck"})
        EXPECT_EQ(PageControlName(host.Find(sName)->Window()), sName);
    EXPECT_EQ(PageControlName(host.Window()), "");
}

// The focus leaves a text box while the page goes (its window is hidden or destroyed):
// a closed host asks nothing of the page any more.
TEST(PageHostTest, AClosedPageIsNotAskedToValidate) {
    PageHost host;
    ::ShowWindow(host.Window(), SW_SHOWNA);
    host::ITextBox& first = host.AddTextBox("txt1", {0, 0, 735, 270}, nullptr);
    host.AddTextBox("txt2", {0, 400, 735, 270}, nullptr);
    int nValidates = 0;
    first.OnValidate([&](bool&) { ++nValidates; });
    HWND hFirst = host.Find("txt1")->Window();
    HWND hSecond = host.Find("txt2")->Window();
    ::SetFocus(hFirst);
    ::SetFocus(hSecond);
    ASSERT_EQ(nValidates, 1) << "an open page validates the box the focus leaves";
    ::SetFocus(hFirst);
    host.Close();
    ::SetFocus(hSecond);
    EXPECT_EQ(nValidates, 1);
}

}  // namespace
}  // namespace qv::windows
