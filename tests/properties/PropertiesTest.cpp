#include <gtest/gtest.h>

#include "control/ControlFixture.h"
#include "dispatch/ColorListBoxDispatch.h"
#include "platform/HostError.h"
#include "platform/soft/gdi/Pictures.h"
#include "properties/MessageBoxLog.h"

namespace qv {
namespace {

class PropertiesTest : public ControlTest {
  protected:
    // What one let did: the message boxes, the notifications and the paints it caused.
    struct Effect {
        std::vector<std::string> boxes;
        std::vector<std::string> notifications;
        int nPaints = 0;
    };
    Effect LetAndObserve(std::string_view sName, Variant vValue) {
        MessageBoxLog boxes;
        recorder.log.clear();
        Let(sName, std::move(vValue));
        Effect effect;
        effect.nPaints = PaintsWhenIdle();
        effect.boxes = boxes.shown;
        effect.notifications = recorder.log;
        return effect;
    }
};

TEST_F(PropertiesTest, RangeCheckedPropertiesRefuseOutOfRangeValuesWithTheRangeMessage) {
    struct Case {
        const char* sName;
        Long nBad;
        const char* sMessage;
    };
    const Case cases[] = {
        {"FrameStyle", 3, "16 0　～　2 の数字を設定してください"},
        {"Style", 2, "16 0　～　1 の数字を設定してください"},
        {"CheckBoxImage", -1, "16 0　～　3 の数字を設定してください"},
        {"SelBackStyle", 3, "16 0　～　2 の数字を設定してください"},
        {"BackStyle", 5, "16 0　～　4 の数字を設定してください"},
        {"MultiSelect", 3, "16 0　～　2 の数字を設定してください"},
        {"CheckImageIndex", 51, "16 0　～　50 の数字を設定してください"},
        {"NoCheckImageIndex", -1, "16 0　～　50 の数字を設定してください"},
    };
    for (const Case& c : cases) {
        const Variant vBefore = Get(c.sName);
        const Effect effect = LetAndObserve(c.sName, c.nBad);
        EXPECT_EQ(effect.boxes, std::vector<std::string>{c.sMessage}) << c.sName;
        EXPECT_TRUE(effect.notifications.empty()) << c.sName;
        EXPECT_EQ(effect.nPaints, 0) << c.sName;
        EXPECT_EQ(Get(c.sName), vBefore) << c.sName;
    }
}

TEST_F(PropertiesTest, ANewValueNotifiesTheHostAndRedraws) {
    struct Case {
        const char* sName;
        Variant vValue;
    };
    const Case cases[] = {
        {"FrameStyle", Long{0}},       {"Style", Long{1}},        {"CheckBoxImage", Long{2}},
        {"BackColor", Long{0x123456}}, {"SelBackColor", Long{1}}, {"SelBackStyle", Long{2}},
        {"BackStyle", Long{1}},        {"MultiSelect", Long{1}},  {"AlternateBackColor", Long{2}},
        {"ForeColor", Long{3}},        {"SelForeColor", Long{4}}, {"ShowImage", VbFalse},
    };
    for (const Case& c : cases) {
        const Effect effect = LetAndObserve(c.sName, c.vValue);
        EXPECT_EQ(effect.notifications,
                  std::vector<std::string>{"PropertyChanged " + std::string(c.sName)});
        EXPECT_EQ(effect.nPaints, 1) << c.sName;
        const Effect again = LetAndObserve(c.sName, c.vValue);  // the same value does nothing
        EXPECT_TRUE(again.notifications.empty()) << c.sName;
        EXPECT_EQ(again.nPaints, 0) << c.sName;
    }
}

TEST_F(PropertiesTest, AnEqualValueIsNeverCheckedAgain) {
    Let("FrameStyle", Long{0});
    MessageBoxLog boxes;
    Let("FrameStyle", Long{0});
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PropertiesTest, SystemColoursAreResolvedBeforeTheComparison) {
    Let("BackColor", Long{0x00FFFFFF});  // already white
    EXPECT_TRUE(LetAndObserve("BackColor", static_cast<Long>(0x80000005)).notifications.empty());
    EXPECT_EQ(Get("BackColor"), Variant(Long{0xFFFFFF}));
    Let("BackColor", static_cast<Long>(0x80000019));
    EXPECT_EQ(Get("BackColor"), Variant(static_cast<Long>(0x80000019)));
}

TEST_F(PropertiesTest, ShowImageKeepsARawValue) {
    Let("ShowImage", Boolean(1));
    EXPECT_EQ(Get("ShowImage"), Variant(Boolean(1)));
    EXPECT_EQ(LetAndObserve("ShowImage", VbTrue).notifications.size(), 1u);  // 1 differs from -1
}

TEST_F(PropertiesTest, CheckImagesRedrawOnlyWhenTheyShow) {
    EXPECT_EQ(LetAndObserve("CheckImageIndex", Long{3}).nPaints, 0);
    Let("Style", Long{lsCheck});
    Let("CheckBoxImage", Long{ciImage});
    Let("CheckBoxImageList", Long{7});
    const Effect effect = LetAndObserve("NoCheckImageIndex", Long{4});
    EXPECT_EQ(effect.nPaints, 1);
    EXPECT_EQ(effect.notifications, std::vector<std::string>{"PropertyChanged NoCheckImageIndex"});
}

TEST_F(PropertiesTest, ImageListsAreStoredEveryTimeWithoutNotification) {
    for (int i = 0; i < 2; ++i) {
        const Effect effect = LetAndObserve("ImageList", Long{5});
        EXPECT_EQ(effect.nPaints, 1);
        EXPECT_TRUE(effect.notifications.empty());
    }
    EXPECT_EQ(Get("ImageList"), Variant(Long{5}));
}

TEST_F(PropertiesTest, RunTimeOnlyPropertiesRefuseDesignTime) {
    form.AmbientProperties().SetUserMode(VbFalse);
    for (const char* sName : {"ImageList", "CheckBoxImageList"}) {
        try {
            Let(sName, Long{9});
            ADD_FAILURE() << sName << " was set at design time";
        } catch (const HostError& error) {
            EXPECT_EQ(error.Number(), err::kSetNotPermitted);
        }
        EXPECT_EQ(Get(sName), Variant(Long{0}));
    }
    EXPECT_EQ(PaintsWhenIdle(), 0);
}

TEST_F(PropertiesTest, ObjectPropertiesAndEnabledNotifyEvenForTheSameValue) {
    const Variant vPicture(ObjectRef(soft::MakeBitmapPicture(4, 4, 0x0000FF)));
    const Variant vFont = Get("Font");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(LetAndObserve("BackPicture", vPicture).nPaints, 1);
        EXPECT_EQ(LetAndObserve("Font", vFont).notifications,
                  std::vector<std::string>{"PropertyChanged Font"});
        EXPECT_EQ(LetAndObserve("Enabled", VbTrue).notifications,
                  std::vector<std::string>{"PropertyChanged Enabled"});
    }
    EXPECT_EQ(Get("BackPicture"), vPicture);  // the caller's picture, not a copy
    EXPECT_EQ(LetAndObserve("BackPicture", Variant::Nothing()).nPaints, 1);
    EXPECT_TRUE(Get("BackPicture").IsNothing());
}

TEST_F(PropertiesTest, ChangingTheStyleStartsFromACleanList) {
    Let("MultiSelect", Long{msMulti});
    Fill(4);
    control.SetSelectedItem(1, VbTrue);
    Inspect::SetListIndex(control, 2);
    Let("Style", Long{lsCheck});
    EXPECT_EQ(control.SelCount(), 0);
    EXPECT_EQ(Inspect::ListIndex(control), -1);
    Inspect::ToggleItemCheck(control, 3);
    Let("Style", Long{lsNormal});
    EXPECT_EQ(control.SelCount(), 0);
    EXPECT_EQ(Inspect::CheckListCount(control), 0);
}

TEST_F(PropertiesTest, ChangingTheSelectionModeDropsTheSelectionOnlyInNormalStyle) {
    Let("MultiSelect", Long{msMulti});
    Fill(4);
    control.SetSelectedItem(1, VbTrue);
    Inspect::SetListIndex(control, 1);
    Let("MultiSelect", Long{msExtend});
    EXPECT_EQ(control.SelCount(), 0);
    EXPECT_EQ(Inspect::ListIndex(control), -1);
    Let("Style", Long{lsCheck});
    Inspect::ToggleItemCheck(control, 2);
    Inspect::SetListIndex(control, 2);
    Let("MultiSelect", Long{msSingle});
    EXPECT_EQ(SelectedIndices(), std::vector<Long>{2});
    EXPECT_EQ(Inspect::ListIndex(control), 2);
}

TEST_F(PropertiesTest, TheFrameStyleSetsTheHostBorder) {
    struct Case {
        Long nStyle;
        Integer nAppearance, nBorderStyle;
        float fScaleWidth;
    };
    for (const Case& c :
         {Case{fsNone, 0, 0, 200}, Case{fsBorder, 0, 1, 198}, Case{fsSunken, 1, 1, 196}}) {
        Let("FrameStyle", c.nStyle);
        EXPECT_EQ(site.Appearance(), c.nAppearance);
        EXPECT_EQ(site.BorderStyle(), c.nBorderStyle);
        EXPECT_EQ(site.ScaleWidth(), c.fScaleWidth);
    }
}

}  // namespace
}  // namespace qv
