#include <gtest/gtest.h>

#include "pages/RecordingControl.h"
#include "pages/ppgCheck.h"
#include "pages/ppgGeneral.h"
#include "platform/soft/pages/PropertySheet.h"

namespace qv {
namespace {

constexpr win32::COLORREF kBlack = 0x000000;
constexpr win32::COLORREF kWhite = 0xFFFFFF;
constexpr win32::COLORREF kGrey = 0x808080;
constexpr win32::COLORREF kHighlight = 0x6A240A;  // 10,36,106
constexpr win32::COLORREF kFace = 0xC8D0D4;       // 212,208,200

int CountPixels(const soft::Surface& surface, const win32::RECT& rc, win32::COLORREF clr) {
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) nCount += surface.Pixel(x, y) == clr;
    return nCount;
}

class SheetPixels : public ::testing::Test {
  protected:
    template <typename TPage>
    void Open(test::RecordingControl& control) {
        m_pSheet = std::make_unique<soft::PropertySheet>(
            std::vector<std::string>{"全体", "ﾁｪｯｸﾎﾞｯｸｽｽﾀｲﾙ"}, 0,
            std::vector<host::ISelectedObject*>{&control},
            [](host::IPropertyPageSite& site) -> std::unique_ptr<host::IPropertyPage> {
                return std::make_unique<TPage>(site);
            });
    }
    // A widget's rectangle on the sheet.
    win32::RECT OnSheet(std::string_view sWidget) const {
        const win32::RECT rc = m_pSheet->Host().Find(sWidget)->Bounds();
        const win32::POINT origin = m_pSheet->PageOrigin();
        return {rc.left + origin.x, rc.top + origin.y, rc.right + origin.x, rc.bottom + origin.y};
    }
    std::unique_ptr<soft::PropertySheet> m_pSheet;
};

test::RecordingControl General(Long nFrameStyle, Boolean bShowImage) {
    test::RecordingControl control;
    control.values = {{"BackStyle", Long{0}},    {"FrameStyle", nFrameStyle},
                      {"SelBackStyle", Long{0}}, {"MultiSelect", Long{0}},
                      {"Style", Long{0}},        {"ShowImage", bShowImage},
                      {"Enabled", VbTrue}};
    return control;
}

TEST_F(SheetPixels, CaptionsAndTheChosenItemsAreDrawnInText) {
    test::RecordingControl control = General(-1, VbTrue);
    Open<ppgGeneral>(control);
    const soft::SurfaceRef pSurface = m_pSheet->Paint();
    ASSERT_TRUE(pSurface);
    // A label caption is black on the face colour.
    EXPECT_GT(CountPixels(*pSurface, OnSheet("Label1"), kBlack), 10);
    // The focused combo (the first control) shows its item in highlight colours; with no
    // item chosen only the highlight shows. An unfocused combo shows its item in black.
    const win32::RECT rcFrameStyle = OnSheet("cmbFrameStyle");
    EXPECT_GT(CountPixels(*pSurface, rcFrameStyle, kHighlight), 100);
    const win32::RECT rcSelBack = OnSheet("cmbSelBackStyle");
    const win32::RECT rcSelBackText{rcSelBack.left + 2, rcSelBack.top + 2, rcSelBack.right - 18,
                                    rcSelBack.bottom - 2};
    EXPECT_GT(CountPixels(*pSurface, rcSelBackText, kBlack), 20);
    EXPECT_GT(CountPixels(*pSurface, rcSelBackText, kWhite), 200);
    // Its drop-down button is a raised face with a black arrow.
    const win32::RECT rcButton{rcSelBack.right - 18, rcSelBack.top + 2, rcSelBack.right - 2,
                               rcSelBack.bottom - 2};
    EXPECT_GT(CountPixels(*pSurface, rcButton, kFace), 100);
    EXPECT_GE(CountPixels(*pSurface, rcButton, kBlack), 12);
}

TEST_F(SheetPixels, ACheckedBoxShowsItsMarkAndAnUncheckedOneDoesNot) {
    for (Boolean bShow : {VbTrue, VbFalse}) {
        test::RecordingControl control = General(0, bShow);
        Open<ppgGeneral>(control);
        const soft::SurfaceRef pSurface = m_pSheet->Paint();
        const win32::RECT rc = OnSheet("chkShowImage");
        const int nTop = rc.top + (rc.bottom - rc.top - 13) / 2;
        const win32::RECT rcInside{rc.left + 3, nTop + 3, rc.left + 10, nTop + 10};
        EXPECT_EQ(CountPixels(*pSurface, rcInside, kBlack) > 0, bShow.IsTrue());
        EXPECT_GT(CountPixels(*pSurface, rcInside, kWhite), 0);
    }
}

TEST_F(SheetPixels, ApplyIsGreyUntilThePageChanges) {
    test::RecordingControl control = General(0, VbTrue);
    Open<ppgGeneral>(control);
    const win32::RECT rcApply = m_pSheet->ButtonBounds(soft::PropertySheet::Button::Apply);
    const win32::RECT rcCaption{rcApply.left + 3, rcApply.top + 3, rcApply.right - 3,
                                rcApply.bottom - 3};
    soft::SurfaceRef pSurface = m_pSheet->Paint();
    EXPECT_GT(CountPixels(*pSurface, rcCaption, kGrey), 5);
    EXPECT_EQ(CountPixels(*pSurface, rcCaption, kBlack), 0);
    dynamic_cast<soft::SoftCheckBox&>(*m_pSheet->Host().Find("chkEnabled")).SetValue(0);
    pSurface = m_pSheet->Paint();
    EXPECT_GT(CountPixels(*pSurface, rcCaption, kBlack), 5);
}

TEST_F(SheetPixels, TheFrameLineBreaksForItsCaption) {
    test::RecordingControl control;
    control.values = {{"CheckBoxImage", Long{0}},
                      {"MaxCheck", Long{0}},
                      {"CheckImageIndex", Long{0}},
                      {"NoCheckImageIndex", Long{0}}};
    Open<ppgCheck>(control);
    const soft::SurfaceRef pSurface = m_pSheet->Paint();
    const win32::RECT rc = OnSheet("Frame1");
    // Find the row of the etched top line at the frame's right end, then look along it.
    int nLineY = -1;
    for (int y = rc.top; y < rc.top + 12 && nLineY < 0; ++y)
        if (pSurface->Pixel(rc.right - 10, y) == kGrey) nLineY = y;
    ASSERT_GE(nLineY, 0);
    EXPECT_EQ(CountPixels(*pSurface, {rc.left + 30, nLineY, rc.left + 60, nLineY + 1}, kGrey), 0);
    EXPECT_EQ(CountPixels(*pSurface, {rc.right - 60, nLineY, rc.right - 30, nLineY + 1}, kGrey),
              30);
}

}  // namespace
}  // namespace qv
