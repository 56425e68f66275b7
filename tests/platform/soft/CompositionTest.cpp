#include "platform/soft/user/Composition.h"

#include <gtest/gtest.h>

#include "platform/win32/User.h"

namespace qv::soft {
namespace {

using namespace win32;

LRESULT Quiet(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kGrey = 0x808080;
constexpr COLORREF kDark = 0x404040;
constexpr COLORREF kLight = 0xC8D0D4;
constexpr COLORREF kBlack = 0x000000;

class CompositionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        hForm = windows.CreateWindowAt(HWND{}, {0, 0, 200, 150}, Quiet);
        hChild = windows.CreateWindowAt(hForm, {10, 20, 110, 100}, Quiet);
        for (HWND hWnd : {hForm, hChild}) windows.SetVisible(hWnd, true);
    }
    void PaintClient(COLORREF clrColor) {
        Surface& client = *windows.Find(hChild)->pClient;
        for (int nY = 0; nY < client.Height(); ++nY)
            for (int nX = 0; nX < client.Width(); ++nX) client.SetPixel(nX, nY, clrColor);
    }

    WindowSystem windows;
    HWND hForm{}, hChild{};
};

TEST_F(CompositionTest, TheBorderSurroundsTheClientPixels) {
    struct Case {
        int nBorder;
        COLORREF clrOuterTopLeft, clrInnerTopLeft, clrOuterBottomRight;
    };
    for (const Case& c : {Case{2, kGrey, kDark, kWhite}, Case{1, kBlack, 0x123456, kBlack}}) {
        windows.SetBorderWidth(hChild, c.nBorder);
        PaintClient(0x123456);
        const SurfaceRef pWindow = ComposeWindow(windows, hChild);
        ASSERT_NE(pWindow, nullptr);
        EXPECT_EQ(pWindow->Width(), 100);
        EXPECT_EQ(pWindow->Pixel(0, 0), c.clrOuterTopLeft) << c.nBorder;
        EXPECT_EQ(pWindow->Pixel(1, 1), c.clrInnerTopLeft) << c.nBorder;
        EXPECT_EQ(pWindow->Pixel(99, 79), c.clrOuterBottomRight) << c.nBorder;
        EXPECT_EQ(pWindow->Pixel(c.nBorder, c.nBorder), 0x123456u) << c.nBorder;
        EXPECT_EQ(pWindow->Pixel(99 - c.nBorder, 79 - c.nBorder), 0x123456u) << c.nBorder;
    }
}

TEST_F(CompositionTest, TheScrollBarStandsRightOfTheClientAreaWithArrowsAndThumb) {
    windows.SetBorderWidth(hChild, 2);
    SetScrollRange(hChild, SB_VERT, 0, 9, FALSE);
    ShowScrollBar(hChild, SB_VERT, TRUE);
    PaintClient(0x123456);
    const SurfaceRef pWindow = ComposeWindow(windows, hChild);
    const int nBarLeft = 2 + 80;  // border, then 80 client pixels
    EXPECT_EQ(pWindow->Pixel(nBarLeft - 1, 40), 0x123456u);
    EXPECT_EQ(pWindow->Pixel(nBarLeft, 2), kLight);               // the up arrow's raised edge
    EXPECT_EQ(pWindow->Pixel(nBarLeft + 7, 9), kBlack);           // its glyph
    EXPECT_EQ(pWindow->Pixel(nBarLeft + 7, 2 + 76 - 8), kBlack);  // the down arrow's glyph
    EXPECT_EQ(pWindow->Pixel(nBarLeft, 2 + 16), kLight);          // the thumb at position 0
    const COLORREF clrTrack = pWindow->Pixel(nBarLeft + 5, 2 + 50);
    EXPECT_TRUE(clrTrack == kWhite || clrTrack == kLight);
}

TEST_F(CompositionTest, TheFormShowsItsChildrenAtTheirPlaces) {
    PaintClient(0x00FF00);
    const SurfaceRef pForm = ComposeForm(windows, hForm);
    ASSERT_NE(pForm, nullptr);
    EXPECT_EQ(pForm->Pixel(10, 20), 0x00FF00u);
    EXPECT_EQ(pForm->Pixel(109, 99), 0x00FF00u);
    EXPECT_EQ(pForm->Pixel(110, 100), kLight);
    windows.SetVisible(hChild, false);
    EXPECT_EQ(ComposeForm(windows, hForm)->Pixel(10, 20), kLight);
    EXPECT_EQ(ComposeWindow(windows, HWND{}), nullptr);
}

}  // namespace
}  // namespace qv::soft
