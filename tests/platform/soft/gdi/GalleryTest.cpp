// Draws one picture of everything the drawing platform can draw, for a person to look at:
// <test output>/gdi-gallery.png, at twice the size so single pixels can be seen.
#include <gtest/gtest.h>

#include <string>

#include "platform/AnsiText.h"
#include "platform/soft/gdi/GdiTestSupport.h"
#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/ImageLists.h"
#include "platform/win32/ImageList.h"
#include "platform/win32/User.h"

namespace qv::soft {
namespace {

using namespace win32;
using test::BitmapDC;

constexpr int kWidth = 360;
constexpr int kHeight = 250;
constexpr COLORREF kFace = 0x00C8D0D4;

void DrawGlyphRows(HDC hDC) {
    const UINT aKinds[] = {DFCS_BUTTONCHECK, DFCS_BUTTONRADIO, DFCS_BUTTONPUSH};
    const UINT aStates[] = {0,
                            DFCS_CHECKED,
                            DFCS_INACTIVE,
                            DFCS_CHECKED | DFCS_INACTIVE,
                            DFCS_PUSHED,
                            DFCS_PUSHED | DFCS_CHECKED};
    for (int nKind = 0; nKind < 3; ++nKind) {
        for (int nState = 0; nState < 6; ++nState) {
            const RECT rc{10 + nState * 20, 10 + nKind * 20, 23 + nState * 20, 23 + nKind * 20};
            DrawFrameControl(hDC, &rc, DFC_BUTTON, aKinds[nKind] | aStates[nState]);
        }
    }
}

void DrawBrushes(HDC hDC) {
    UniqueGdiObject solid(BitmapDC::Brush(0x00FF8000));
    const RECT rcSolid{140, 10, 180, 40};
    FillRect(hDC, &rcSolid, solid.Get());
    const LOGBRUSH hatch{BS_HATCHED, 0x006A240A, HS_DIAGCROSS};
    UniqueGdiObject hatched(CreateBrushIndirect(&hatch));
    UniqueGdiObject under(BitmapDC::Brush(0x00E1FFFF));
    const RECT rcTransparent{190, 10, 250, 40};
    FillRect(hDC, &rcTransparent, under.Get());
    const int nOldMode = SetBkMode(hDC, TRANSPARENT);
    ScopedSelection pen(hDC, GetStockObject(NULL_PEN));
    {
        ScopedSelection brush(hDC, hatched.Get());
        Rectangle(hDC, 190, 10, 250, 40);
        SetBkMode(hDC, OPAQUE);
        Rectangle(hDC, 260, 10, 320, 40);
    }
    SetBkMode(hDC, nOldMode);
}

void DrawFocusRects(HDC hDC) {
    const RECT rcOnWhite{140, 50, 240, 66};
    DrawFocusRect(hDC, &rcOnWhite);
    UniqueGdiObject blue(BitmapDC::Brush(0x006A240A));
    const RECT rcHighlight{250, 50, 350, 66};
    FillRect(hDC, &rcHighlight, blue.Get());
    DrawFocusRect(hDC, &rcHighlight);
}

void DrawLine(HDC hDC, int nY, const char* pszFace, int nHeight, int nWeight, bool bItalic,
              bool bUnderline, bool bStrike, const std::string& sUtf8) {
    UniqueGdiObject font(CreateFontA(nHeight, 0, 0, 0, nWeight, bItalic, bUnderline, bStrike,
                                     SHIFTJIS_CHARSET, 0, 0, 0, 0,
                                     Utf8ToAnsi(pszFace, GetACP()).c_str()));
    ScopedSelection selection(hDC, font.Get());
    const std::string sAnsi = Utf8ToAnsi(sUtf8, GetACP());
    TextOutA(hDC, 10, nY, sAnsi.c_str(), static_cast<int>(sAnsi.size()));
}

void DrawTexts(HDC hDC) {
    SetBkMode(hDC, TRANSPARENT);
    DrawLine(hDC, 80, "Arial", -12, FW_NORMAL, false, false, false,
             "Arial 9pt: The quick brown fox 0123");
    DrawLine(hDC, 96, "Tahoma", -12, FW_BOLD, false, false, false, "Bold: The quick brown fox");
    DrawLine(hDC, 112, "Segoe UI", -12, FW_NORMAL, true, true, false, "Italic underlined");
    DrawLine(hDC, 128, "MS Sans Serif", -12, FW_NORMAL, false, false, true, "Struck out");
    DrawLine(hDC, 146, "MS UI Gothic", -12, FW_NORMAL, false, false, false,
             "MS UI Gothic: 日本語のテキスト、カタカナ abc");
    DrawLine(hDC, 162, "ＭＳ ゴシック", -16, FW_BOLD, false, false, false,
             "ＭＳ ゴシック 12pt 太字");
    SetTextColor(hDC, 0x000000C0);
    DrawLine(hDC, 182, "No Such Face", -12, FW_NORMAL, false, false, false,
             "Unknown face: 既定の書体");
}

void DrawImages(HDC hDC) {
    UniqueImageList generated(CreateGeneratedImageList(16, 16, 8));
    for (int i = 0; i < 8; ++i)
        ImageList_Draw(generated.Get(), i, hDC, 10 + i * 20, 205, ILD_TRANSPARENT);
    // A strip whose images are a frame with a transparent (magenta) inside.
    SurfaceRef pStrip = Surface::Create(32, 16, 0x00008000);
    for (int nY = 3; nY < 13; ++nY)
        for (int nX = 3; nX < 29; ++nX)
            if (nX % 16 >= 3 && nX % 16 < 13) pStrip->SetPixel(nX, nY, kMagenta);
    MaskedImage strip{pStrip, {}};
    UniqueImageList framed(CreateImageListFromStrip(strip, 16, 16, kMagenta));
    UniqueGdiObject hatchUnder(BitmapDC::Brush(0x0000C0FF));
    const RECT rcUnder{180, 200, 230, 226};
    FillRect(hDC, &rcUnder, hatchUnder.Get());
    ImageList_Draw(framed.Get(), 0, hDC, 185, 205, ILD_TRANSPARENT);
    ImageList_Draw(framed.Get(), 1, hDC, 205, 205, ILD_TRANSPARENT);
}

TEST(Gallery, WritesAPictureOfEverything) {
    BitmapDC picture(kWidth, kHeight, 0x00FFFFFF);
    UniqueGdiObject face(BitmapDC::Brush(kFace));
    const RECT rcGlyphs{0, 0, 130, 70};
    FillRect(picture.Get(), &rcGlyphs, face.Get());
    DrawGlyphRows(picture.Get());
    DrawBrushes(picture.Get());
    DrawFocusRects(picture.Get());
    DrawTexts(picture.Get());
    DrawImages(picture.Get());
    BitmapDC doubled(kWidth * 2, kHeight * 2);
    SetStretchBltMode(doubled.Get(), COLORONCOLOR);
    StretchBlt(doubled.Get(), 0, 0, kWidth * 2, kHeight * 2, picture.Get(), 0, 0, kWidth, kHeight,
               SRCCOPY);
    const std::string sPath = (test::TestOutputDir() / "gdi-gallery.png").string();
    std::string sError;
    ASSERT_TRUE(WritePngFile(doubled.Pixels(), sPath, sError)) << sError;
    const std::optional<MaskedImage> readBack = ReadImageFile(sPath, sError);
    ASSERT_TRUE(readBack) << sError;
    EXPECT_EQ(readBack->pColor->Pixel(21, 21), doubled.Pixel(21, 21));
}

}  // namespace
}  // namespace qv::soft
