#include "platform/soft/pages/PageWidgets.h"

#include <gtest/gtest.h>

#include "platform/HostError.h"
#include "platform/soft/pages/PageHost.h"

namespace qv::soft {
namespace {

// One step of input to a widget: a key (vk), a character (ch) or a left press at a point.
struct Input {
    enum Kind { Key, Char, Press } eKind;
    int nCode = 0;
    int nShift = 0;
    int nX = 0, nY = 0;
};
Input Key(int nCode, int nShift = 0) {
    return {Input::Key, nCode, nShift};
}
Input Ch(char32_t c) {
    return {Input::Char, static_cast<int>(c)};
}
Input Press(int nX, int nY) {
    return {Input::Press, 0, 0, nX, nY};
}

void Feed(PageWidget& widget, const std::vector<Input>& inputs) {
    for (const Input& input : inputs) {
        if (input.eKind == Input::Key) widget.KeyDown(input.nCode, input.nShift);
        if (input.eKind == Input::Char) widget.Char(static_cast<char32_t>(input.nCode));
        if (input.eKind == Input::Press) widget.MouseDown(input.nX, input.nY);
    }
}

TEST(SoftTextBox, EditingKeysTable) {
    struct Case {
        const char* sStart;
        std::vector<Input> inputs;
        const char* sText;
        std::size_t nCaret;
        int nChanges;
    };
    const Case cases[] = {
        {"", {Ch('4'), Ch('2')}, "42", 2, 2},
        {"12", {Ch(win32::VK_BACK)}, "1", 1, 1},
        {"12", {Key(win32::VK_HOME), Ch(win32::VK_BACK)}, "12", 0, 0},
        {"12", {Key(win32::VK_HOME), Key(win32::VK_DELETE)}, "2", 0, 1},
        {"12", {Key(win32::VK_DELETE)}, "12", 2, 0},
        {"123", {Key(win32::VK_LEFT), Ch('x')}, "12x3", 3, 1},
        {"123",
         {Key(win32::VK_HOME), Key(win32::VK_RIGHT), Ch('x'), Key(win32::VK_END), Ch('y')},
         "1x23y",
         5,
         2},
        {"1",
         {Key(win32::VK_LEFT), Key(win32::VK_LEFT), Key(win32::VK_RIGHT), Key(win32::VK_RIGHT)},
         "1",
         1,
         0},
        {"あい", {Key(win32::VK_LEFT), Ch(win32::VK_BACK)}, "い", 0, 1},
        {"あい", {Key(win32::VK_HOME), Key(win32::VK_DELETE)}, "い", 0, 1},
        {"a", {Ch(U'ｶ')}, "aｶ", 4, 1},
        {"a", {Ch(7), Ch(0x7F), Ch(0xD800)}, "a", 1, 0},  // not text
        {"ab", {Key(win32::VK_HOME), Press(5, 5), Ch('c')}, "abc", 3, 1},
    };
    for (const Case& c : cases) {
        SoftTextBox box("txt", {0, 0, 50, 18});
        box.SetText(c.sStart);
        int nChanges = 0;
        box.OnChange([&] { ++nChanges; });
        Feed(box, c.inputs);
        EXPECT_EQ(box.Text(), c.sText) << c.sStart;
        EXPECT_EQ(box.Caret(), c.nCaret) << c.sStart;
        EXPECT_EQ(nChanges, c.nChanges) << c.sStart;
    }
}

TEST(SoftComboBox, KeyboardAndMouseTable) {
    // The box spans 0..100 x 0..20; its list opens below at y 20, rows of 16 pixels.
    struct Case {
        Integer nStart;
        std::vector<Input> inputs;
        Integer nIndex;
        bool bDropped;
        int nClicks;
    };
    const Case cases[] = {
        {0, {Key(win32::VK_DOWN)}, 1, false, 1},
        {2, {Key(win32::VK_DOWN)}, 2, false, 0},  // already the last item
        {0, {Key(win32::VK_UP)}, 0, false, 0},
        {-1, {Key(win32::VK_DOWN)}, 0, false, 1},
        {0, {Key(win32::VK_F4)}, 0, true, 0},
        {0,
         {Key(win32::VK_DOWN, win32::kAltMask), Key(win32::VK_DOWN), Key(win32::VK_DOWN),
          Key(win32::VK_RETURN)},
         2,
         false,
         1},
        {1, {Key(win32::VK_F4), Key(win32::VK_UP), Key(win32::VK_ESCAPE)}, 1, false, 0},
        {0, {Press(50, 10)}, 0, true, 0},
        {0, {Press(50, 10), Press(50, 21 + 16 * 2 + 3)}, 2, false, 1},
        {0, {Press(50, 10), Press(50, 10)}, 0, false, 0},
        {0, {Press(50, 10), Press(200, 200)}, 0, false, 0},
    };
    for (const Case& c : cases) {
        SoftComboBox combo("cmb", {0, 0, 100, 20});
        for (const char* sItem : {"0 - a", "1 - b", "2 - c"}) combo.AddItem(sItem);
        combo.SetListIndex(c.nStart);
        int nClicks = 0;
        combo.OnClick([&] { ++nClicks; });
        Feed(combo, c.inputs);
        EXPECT_EQ(combo.ListIndex(), c.nIndex) << c.nStart << " " << c.inputs.size();
        EXPECT_EQ(combo.IsDropped(), c.bDropped) << c.nStart << " " << c.inputs.size();
        EXPECT_EQ(nClicks, c.nClicks) << c.nStart << " " << c.inputs.size();
    }
}

TEST(SoftComboBox, AListIndexBeyondTheItemsIsRefused) {
    SoftComboBox combo("cmb", {0, 0, 100, 20});
    combo.AddItem("a");
    combo.SetListIndex(0);
    for (Integer nBad : {Integer{1}, Integer{-2}, Integer{3}}) {
        try {
            combo.SetListIndex(nBad);
            ADD_FAILURE() << nBad;
        } catch (const HostError& error) {
            EXPECT_EQ(error.Number(), 380);
        }
        EXPECT_EQ(combo.ListIndex(), 0);
    }
}

TEST(SoftCheckBox, SpaceAndClickTurnItOtherCharactersDoNot) {
    struct Case {
        std::vector<Input> inputs;
        Integer nValue;
        int nClicks;
    };
    const Case cases[] = {
        {{Ch(' ')}, 1, 1},
        {{Ch(' '), Ch(' ')}, 0, 2},
        {{Press(3, 3)}, 1, 1},
        {{Ch('x'), Key(win32::VK_SPACE)}, 0, 0},
    };
    for (const Case& c : cases) {
        SoftCheckBox box("chk", "caption", {0, 0, 80, 17});
        int nClicks = 0;
        box.OnClick([&] { ++nClicks; });
        Feed(box, c.inputs);
        EXPECT_EQ(box.Value(), c.nValue);
        EXPECT_EQ(nClicks, c.nClicks);
    }
    SoftCheckBox box("chk", "caption", {});
    EXPECT_THROW(box.SetValue(2), HostError);
}

// A page of: label, combo, text box A, frame, text box B, check box.
class FocusPage : public ::testing::Test {
  protected:
    void SetUp() override {
        host.AddLabel("Label1", "caption", {0, 0, 300, 300}, nullptr);
        pCombo =
            dynamic_cast<SoftComboBox*>(&host.AddComboBox("cmb", {0, 300, 1500, 300}, nullptr));
        pA = dynamic_cast<SoftTextBox*>(&host.AddTextBox("txtA", {0, 900, 1500, 270}, nullptr));
        host::IFrame& frame = host.AddFrame("Frame1", "frame", {0, 1500, 3000, 1500});
        pB = dynamic_cast<SoftTextBox*>(&host.AddTextBox("txtB", {150, 300, 1500, 270}, &frame));
        pCheck = dynamic_cast<SoftCheckBox*>(
            &host.AddCheckBox("chk", "c", {0, 3150, 1500, 255}, nullptr));
        pCombo->AddItem("0");
        pA->OnValidate([this](bool& bCancel) {
            ++nValidations;
            bCancel = pA->Text() == "bad";
        });
    }
    std::string FocusName() const { return host.Focused() ? host.Focused()->Name() : "none"; }

    PageHost host{{}};
    SoftComboBox* pCombo = nullptr;
    SoftTextBox *pA = nullptr, *pB = nullptr;
    SoftCheckBox* pCheck = nullptr;
    int nValidations = 0;
};

TEST_F(FocusPage, TabAndShiftTabFollowTheOrderOfCreationSkippingLabelsAndFrames) {
    std::vector<std::string> forward, backward;
    for (int i = 0; i < 5; ++i) {
        host.KeyDown(win32::VK_TAB, 0);
        forward.push_back(FocusName());
    }
    for (int i = 0; i < 5; ++i) {
        host.KeyDown(win32::VK_TAB, win32::kShiftMask);
        backward.push_back(FocusName());
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"cmb", "txtA", "txtB", "chk", "cmb"}));
    EXPECT_EQ(backward, (std::vector<std::string>{"chk", "txtB", "txtA", "cmb", "chk"}));
}

TEST_F(FocusPage, ControlsInAFrameArePlacedFromItsCorner) {
    EXPECT_EQ(pB->Bounds().left, 10);
    EXPECT_EQ(pB->Bounds().top, 100 + 20);
    EXPECT_EQ(pB->Bounds().right, 10 + 100);
    EXPECT_EQ(pB->Bounds().bottom, 120 + 18);
}

TEST_F(FocusPage, ValidateWithCancelKeepsTheFocusWhicheverWayItWouldLeave) {
    struct Way {
        const char* sName;
        std::function<void()> leave;
    };
    const Way ways[] = {
        {"tab", [this] { host.KeyDown(win32::VK_TAB, 0); }},
        {"shift tab", [this] { host.KeyDown(win32::VK_TAB, win32::kShiftMask); }},
        {"click", [this] { host.MouseDown(5, 215); }},  // on the check box
        {"away", [this] { host.LeaveFocus(); }},
    };
    for (const Way& way : ways) {
        ASSERT_TRUE(host.SetFocus(pA));
        pA->SetText("bad");
        nValidations = 0;
        const Integer nCheckBefore = pCheck->Value();
        way.leave();
        EXPECT_EQ(FocusName(), "txtA") << way.sName;
        EXPECT_EQ(nValidations, 1) << way.sName;
        EXPECT_EQ(pCheck->Value(), nCheckBefore) << way.sName;  // the press did not reach it
        pA->SetText("good");
        way.leave();
        EXPECT_NE(FocusName(), "txtA") << way.sName;
    }
}

TEST_F(FocusPage, TypingGoesToTheFocusedControlOnly) {
    host.MouseDown(5, 65);  // txtA at y 60..78
    host.Char('7');
    host.KeyDown(win32::VK_TAB, 0);
    host.Char('8');
    EXPECT_EQ(pA->Text(), "7");
    EXPECT_EQ(pB->Text(), "8");
}

}  // namespace
}  // namespace qv::soft
