#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/AnsiText.h"
#include "platform/soft/gdi/GdiTestSupport.h"
#include "platform/soft/user/SystemSettings.h"

namespace qv::soft {
namespace {

using namespace win32;
using test::BitmapDC;
using test::kBlack;
using test::kWhite;

struct FontParams {
    const char* pszFace = "MS UI Gothic";
    int nHeight = -12;
    int nWeight = FW_NORMAL;
    bool bItalic = false;
    bool bUnderline = false;
    bool bStrikeOut = false;
    DWORD nCharSet = SHIFTJIS_CHARSET;
};

// A white bitmap with a font of those parameters selected.
class TextCanvas {
  public:
    explicit TextCanvas(const FontParams& params, int nWidth = 200, int nHeight = 40)
        : m_dc(nWidth, nHeight),
          m_font(CreateFontA(params.nHeight, 0, 0, 0, params.nWeight, params.bItalic,
                             params.bUnderline, params.bStrikeOut, params.nCharSet, 0, 0, 0, 0,
                             params.pszFace)),
          m_selection(m_dc.Get(), m_font.Get()) {
        SetSystemCodePage(932);
    }
    HDC Get() const { return m_dc.Get(); }
    const BitmapDC& Bitmap() const { return m_dc; }
    SIZE Extent(const std::string& sAnsi) const {
        SIZE size{};
        GetTextExtentPoint32A(Get(), sAnsi.data(), static_cast<int>(sAnsi.size()), &size);
        return size;
    }
    void Draw(int nX, int nY, const std::string& sAnsi) const {
        TextOutA(Get(), nX, nY, sAnsi.data(), static_cast<int>(sAnsi.size()));
    }
    // The smallest rectangle holding every pixel that is not white.
    RECT InkBounds() const {
        RECT rc{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        const Surface& pixels = m_dc.Pixels();
        for (int nY = 0; nY < pixels.Height(); ++nY)
            for (int nX = 0; nX < pixels.Width(); ++nX)
                if (pixels.Pixel(nX, nY) != kWhite)
                    rc = {std::min<LONG>(rc.left, nX), std::min<LONG>(rc.top, nY),
                          std::max<LONG>(rc.right, nX + 1), std::max<LONG>(rc.bottom, nY + 1)};
        return rc;
    }

  private:
    BitmapDC m_dc;
    UniqueGdiObject m_font;
    ScopedSelection m_selection;
};

std::string Sjis(const std::string& sUtf8) {
    return Utf8ToAnsi(sUtf8, 932);
}

TEST(Text, MulDivRoundsHalvesAwayFromZero) {
    struct Case {
        int nNumber, nNumerator, nDenominator, nExpected;
    };
    const std::vector<Case> cases = {
        {9, 96, 72, 12},
        {10, 96, 72, 13},
        {8, 96, 72, 11},
        {-9, 96, 72, -12},
        {1, 1, 2, 1},
        {-1, 1, 2, -1},
        {1, 1, -2, -1},
        {3, 1, 4, 1},
        {5, 3, 0, -1},
        {INT_MAX, 2, 1, -1},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.nNumber, c.nNumerator, c.nDenominator), c.nExpected)
            << c.nNumber << " * " << c.nNumerator << " / " << c.nDenominator;
}

// Made-up italics lean out of the cell to the right by at most a fifth of the height.
TEST(Text, InkLandsInsideTheMeasuredExtent) {
    const std::vector<FontParams> allParams = {
        {},
        {"Arial", -12, FW_NORMAL, false, false, false, ANSI_CHARSET},
        {"Tahoma", -16, FW_BOLD, false, false, false, ANSI_CHARSET},
        {"MS UI Gothic", -12, FW_BOLD},
        {"MS Gothic", 20},
        {"Arial", -16, FW_NORMAL, true},
    };
    for (const FontParams& params : allParams) {
        SCOPED_TRACE(std::string(params.pszFace) + " " + std::to_string(params.nHeight));
        TextCanvas canvas(params);
        SetBkMode(canvas.Get(), TRANSPARENT);
        const std::string sText = Sjis("Abgy日本");
        canvas.Draw(5, 4, sText);
        const SIZE size = canvas.Extent(sText);
        const RECT rcInk = canvas.InkBounds();
        ASSERT_LT(rcInk.left, rcInk.right) << "no ink";
        EXPECT_GE(rcInk.left, 5);
        EXPECT_GE(rcInk.top, 4);
        EXPECT_LE(rcInk.right, 5 + size.cx + (params.bItalic ? size.cy / 5 : 0));
        EXPECT_LE(rcInk.bottom, 4 + size.cy);
        EXPECT_GT(rcInk.right - rcInk.left, size.cx / 2);
    }
}

TEST(Text, CellHeightFollowsTheRequestedHeight) {
    struct Case {
        const char* pszFace;
        int nHeight;
        int nMinCell, nMaxCell;
    };
    // A negative height is the character height, so the cell is at least that tall; a
    // positive one is the cell height itself.
    const std::vector<Case> cases = {
        {"MS UI Gothic", -12, 12, 14}, {"Arial", -12, 13, 15}, {"MS UI Gothic", 16, 16, 16},
        {"Arial", 16, 16, 16},         {"Arial", 30, 30, 30},  {"MS UI Gothic", 0, 12, 14},
    };
    for (const Case& c : cases) {
        TextCanvas canvas({c.pszFace, c.nHeight});
        const LONG nCell = canvas.Extent("A").cy;
        EXPECT_GE(nCell, c.nMinCell) << c.pszFace << " " << c.nHeight;
        EXPECT_LE(nCell, c.nMaxCell) << c.pszFace << " " << c.nHeight;
    }
}

TEST(Text, ADoubleByteCharacterIsOneGlyph) {
    TextCanvas canvas({});
    const SIZE one = canvas.Extent(Sjis("日"));
    ASSERT_EQ(Sjis("日本語").size(), 6u);
    EXPECT_EQ(canvas.Extent(Sjis("日本語")).cx, 3 * one.cx);
    EXPECT_GE(one.cx, 10);  // a full-width glyph, not two narrow ones
    const std::string sLeadByteOnly = Sjis("日").substr(0, 1);
    canvas.Draw(0, 0, sLeadByteOnly);  // a cut character draws a replacement, no more
}

TEST(Text, UnknownFacesFallBackToTheDefaultFaceOfTheCharacterSet) {
    const std::string sText = "Hello, World";
    const LONG nWestern =
        TextCanvas({"Arial", -12, FW_NORMAL, false, false, false, ANSI_CHARSET}).Extent(sText).cx;
    const LONG nJapanese = TextCanvas({"MS UI Gothic"}).Extent(sText).cx;
    EXPECT_NE(nWestern, nJapanese);
    EXPECT_EQ(TextCanvas({"No Such Face", -12, FW_NORMAL, false, false, false, ANSI_CHARSET})
                  .Extent(sText)
                  .cx,
              nWestern);
    EXPECT_EQ(TextCanvas({"No Such Face"}).Extent(sText).cx, nJapanese);
    EXPECT_EQ(TextCanvas({""}).Extent(sText).cx, nJapanese);
    EXPECT_EQ(
        TextCanvas({"microsoft sans serif", -12, FW_NORMAL, false, false, false, ANSI_CHARSET})
            .Extent(sText)
            .cx,
        nWestern);
}

TEST(Text, BoldIsWiderAndItalicKeepsTheAdvance) {
    const std::string sText = "Weight";
    const LONG nRegular = TextCanvas({"MS UI Gothic"}).Extent(sText).cx;
    EXPECT_GT(TextCanvas({"MS UI Gothic", -12, FW_BOLD}).Extent(sText).cx, nRegular);
    EXPECT_GT(TextCanvas({"Arial", -12, FW_BOLD}).Extent(sText).cx,
              TextCanvas({"Arial", -12}).Extent(sText).cx);
    EXPECT_EQ(TextCanvas({"MS UI Gothic", -12, FW_NORMAL, true}).Extent(sText).cx, nRegular);
}

// The row of a cell that is drawn across the whole text width, or -1.
int FullRow(const TextCanvas& canvas, int nX, int nY, const SIZE& size) {
    for (int nRow = nY; nRow < nY + size.cy; ++nRow)
        if (test::CountColor(canvas.Bitmap().Pixels(), {nX, nRow, nX + size.cx, nRow + 1},
                             kBlack) == size.cx)
            return nRow;
    return -1;
}

TEST(Text, UnderlineAndStrikeOutRunAcrossTheText) {
    const std::string sText = "a b c";
    FontParams underlined;
    underlined.bUnderline = true;
    FontParams struck;
    struck.bStrikeOut = true;
    TextCanvas plain({});
    TextCanvas under(underlined);
    TextCanvas strike(struck);
    for (const TextCanvas* pCanvas : {&plain, &under, &strike}) pCanvas->Draw(3, 2, sText);
    const SIZE size = plain.Extent(sText);
    const int nBaseline = 2 + size.cy - 2;  // roughly: the descent of these faces is two pixels
    EXPECT_EQ(FullRow(plain, 3, 2, size), -1);
    EXPECT_GE(FullRow(under, 3, 2, size), nBaseline);
    const int nStrikeRow = FullRow(strike, 3, 2, size);
    EXPECT_GT(nStrikeRow, 2);
    EXPECT_LT(nStrikeRow, nBaseline - 1);
}

TEST(Text, BackgroundModeDecidesWhetherTheCellIsFilled) {
    TextCanvas opaque({});
    SetBkColor(opaque.Get(), test::kRed);
    opaque.Draw(0, 0, "ii");
    const SIZE size = opaque.Extent("ii");
    EXPECT_EQ(test::CountColor(opaque.Bitmap().Pixels(), {0, 0, size.cx, size.cy}, kWhite), 0);
    EXPECT_EQ(opaque.Bitmap().Pixel(size.cx, 0), kWhite);
    TextCanvas transparent({});
    SetBkMode(transparent.Get(), TRANSPARENT);
    transparent.Draw(0, 0, "ii");
    EXPECT_EQ(test::CountColor(transparent.Bitmap().Pixels(), {0, 0, 200, 40}, test::kRed), 0);
}

TEST(Text, TextColourIsUsedAndOddArgumentsFailSoft) {
    TextCanvas canvas({});
    EXPECT_EQ(SetTextColor(canvas.Get(), test::kBlue), kBlack);
    canvas.Draw(0, 0, "H");
    EXPECT_GT(test::CountColor(canvas.Bitmap().Pixels(), {0, 0, 20, 20}, test::kBlue), 4);
    EXPECT_EQ(TextOutA(canvas.Get(), 0, 0, nullptr, 0), TRUE);
    EXPECT_EQ(TextOutA(canvas.Get(), 0, 0, "A", -1), FALSE);
    EXPECT_EQ(TextOutA(canvas.Get(), 0, 0, nullptr, 3), FALSE);
    EXPECT_EQ(TextOutA(canvas.Get(), INT_MAX - 2, INT_MIN, "AAAA", 4), TRUE);
    SIZE size{};
    EXPECT_EQ(GetTextExtentPoint32A(canvas.Get(), "", 0, &size), TRUE);
    EXPECT_EQ(size.cx, 0);
}

TEST(Text, HugeHeightsAreLimited) {
    TextCanvas canvas({"Arial", INT_MIN});
    const SIZE size = canvas.Extent("W");
    EXPECT_GT(size.cy, 1000);
    EXPECT_LT(size.cy, 1400);
    canvas.Draw(-300, -300, "W");
}

}  // namespace
}  // namespace qv::soft
