#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/soft/gdi/FontEngine.h"
#include "platform/soft/gdi/GdiState.h"
#include "platform/soft/gdi/GdiTestSupport.h"
#include "platform/soft/gdi/Raster.h"

namespace qv::soft {
namespace {

using namespace win32;

constexpr COLORREF kFill = 0x00ABCDEF;  // unlike anything freed memory tends to hold
constexpr std::uint32_t kInk = 0x00102030;

// Every pixel of a surface, row by row.
std::vector<std::uint32_t> AllPixels(const Surface& surface) {
    std::vector<std::uint32_t> aPixels;
    for (int nY = 0; nY < surface.Height(); ++nY)
        for (int nX = 0; nX < surface.Width(); ++nX) aPixels.push_back(surface.Pixel(nX, nY));
    return aPixels;
}

TEST(Surface, EverySurfaceReadsAsItsFillUntilDrawnOn) {
    struct Case {
        int nWidth, nHeight;
        COLORREF clrFill;
    };
    const std::vector<Case> cases = {
        {1, 1, 0}, {3, 2, kFill}, {640, 3, 0xFF123456}, {0, 4, kFill}, {5, 0, kFill}};
    for (const Case& c : cases) {
        for (bool bOnUse : {false, true}) {
            const SurfaceRef pSurface =
                bOnUse ? Surface::CreateFilledOnUse(c.nWidth, c.nHeight, c.clrFill)
                       : Surface::Create(c.nWidth, c.nHeight, c.clrFill);
            ASSERT_TRUE(pSurface);
            const Surface& surface = *pSurface;  // reads through the const rows too
            EXPECT_EQ(AllPixels(surface),
                      std::vector<std::uint32_t>(static_cast<std::size_t>(c.nWidth) * c.nHeight,
                                                 PixelOf(c.clrFill)))
                << c.nWidth << " x " << c.nHeight << (bOnUse ? " on use" : "");
        }
    }
    EXPECT_FALSE(Surface::CreateFilledOnUse(-1, 2));
    EXPECT_FALSE(Surface::CreateFilledOnUse(Surface::kMaxSide + 1, 1));
}

TEST(Surface, ANewBitmapIsBlack) {
    const UniqueDC dc(CreateCompatibleDC(HDC{}));
    const UniqueGdiObject bitmap(CreateCompatibleBitmap(dc.Get(), 4, 3));
    const SurfaceRef pSurface = SurfaceOfBitmap(bitmap.Get());
    ASSERT_TRUE(pSurface);
    EXPECT_EQ(AllPixels(*pSurface), std::vector<std::uint32_t>(12, 0));
}

// Drawing steps on a 6 x 5 surface; the second surface is a 6 x 5 source for copies.
using Step = std::function<void(Surface&, Surface&)>;

const std::uint8_t kInkArt[3][4] = {{1, 0, 1, 1}, {0, 1, 0, 0}, {1, 1, 1, 1}};

const std::vector<std::pair<const char*, std::vector<Step>>>& StepTables() {
    static const std::vector<std::pair<const char*, std::vector<Step>>> tables = {
        {"whole rows then part of a row",
         {[](Surface& s, Surface&) {
              FillSolid(s, {0, 1, 6, 3}, 0x11);
          },
          [](Surface& s, Surface&) {
              FillSolid(s, {2, 3, 4, 5}, 0x22);
          }}},
        {"part of a row then the whole row",
         {[](Surface& s, Surface&) {
              FillSolid(s, {1, 0, 3, 1}, 0x33);
          },
          [](Surface& s, Surface&) {
              FillSolid(s, {0, 0, 6, 2}, 0x44);
          }}},
        {"whole rows copied in, then in part",
         {[](Surface& s, Surface& src) {
              CopyPixels(s, {0, 2, 6, 4}, src, 0, 0);
          },
          [](Surface& s, Surface& src) {
              CopyPixels(s, {1, 0, 4, 2}, src, 2, 3);
          }}},
        {"a copy within the surface reads rows never drawn",
         {[](Surface& s, Surface&) {
              FillSolid(s, {0, 0, 6, 1}, 0x55);
          },
          [](Surface& s, Surface&) {
              CopyPixels(s, {0, 1, 6, 5}, s, 0, 0);
          }}},
        {"ink and single pixels on rows never drawn",
         {[](Surface& s, Surface&) {
              PaintInk(s, {1, 1, 5, 4}, &kInkArt[0][0], 4, kInk);
          },
          [](Surface& s, Surface&) { s.SetPixel(5, 4, 0x66); },
          [](Surface& s, Surface&) { InvertPixel(s, 0, 0); }}},
        {"a copy of the surface keeps the rows not drawn yet",
         {[](Surface& s, Surface&) {
              FillSolid(s, {0, 4, 6, 5}, 0x77);
          },
          [](Surface& s, Surface&) {
              const Surface copy(s);
              FillSolid(s, {0, 0, 6, 5}, 0x88);  // must not reach the copy
              CopyPixels(s, {0, 0, 6, 5}, copy, 0, 0);
          }}},
    };
    return tables;
}

// A surface filled on use must look, after any drawing, exactly like one filled at once.
TEST(Surface, FillingOnUseIsInvisible) {
    for (const auto& [pszName, aSteps] : StepTables()) {
        const SurfaceRef pSource = Surface::Create(6, 5, 0);
        for (int nY = 0; nY < 5; ++nY)
            for (int nX = 0; nX < 6; ++nX)
                pSource->SetPixel(nX, nY, static_cast<COLORREF>(0x010000 * nY + nX + 1));
        const SurfaceRef pAtOnce = Surface::Create(6, 5, kFill);
        const SurfaceRef pOnUse = Surface::CreateFilledOnUse(6, 5, kFill);
        for (const Step& step : aSteps) {
            step(*pAtOnce, *pSource);
            step(*pOnUse, *pSource);
        }
        EXPECT_EQ(AllPixels(*pOnUse), AllPixels(*pAtOnce)) << pszName;
    }
}

// Rows of three pixels drawn onto a row of five: '.' keeps the destination (d), 'x' is
// opaque; the image of row n has colour n + 1.
TEST(Surface, MaskedCopiesKeepTheDestinationWhereMasked) {
    struct Case {
        std::vector<std::string> aMask;
        RECT rcDest;
        int nSrcX;
        std::vector<std::string> aExpected;  // 'd' destination, '1'.. image row colour
    };
    const std::vector<Case> cases = {
        {{"xxx", "x.x"}, {1, 0, 4, 2}, 0, {"d111d", "d2d2d"}},
        {{"...", "xxx"}, {0, 0, 3, 2}, 0, {"ddddd", "222dd"}},
        {{"x.x", "xx."}, {3, 0, 5, 2}, 1, {"dddd1", "ddd2d"}},
    };
    constexpr std::uint32_t kDest = 0x00FFFFFF;
    for (const Case& c : cases) {
        MaskedImage image{Surface::Create(3, 2), {}};
        for (int nY = 0; nY < 2; ++nY)
            for (int nX = 0; nX < 3; ++nX) {
                image.pColor->SetPixel(nX, nY, static_cast<COLORREF>(nY + 1));
                image.aMask.push_back(c.aMask[nY][nX] == '.' ? 1 : 0);
            }
        const SurfaceRef pDest = Surface::Create(5, 2, kDest);
        CopyMaskedPixels(*pDest, c.rcDest, image, c.nSrcX, 0);
        for (int nY = 0; nY < 2; ++nY)
            for (int nX = 0; nX < 5; ++nX) {
                const char cWant = c.aExpected[nY][nX];
                const std::uint32_t nWant =
                    cWant == 'd' ? kDest : static_cast<std::uint32_t>(cWant - '0');
                EXPECT_EQ(pDest->Pixel(nX, nY), nWant)
                    << c.aExpected[0] << " at " << nX << "," << nY;
            }
    }
}

// An icon drawn onto its own pixels one column to the right copies pixel by pixel from the
// left, so each copied pixel is read again as the next one's source.
TEST(Surface, AnIconDrawnOverItselfCopiesFromTheLeft) {
    const SurfaceRef pPixels = Surface::Create(4, 1);
    for (int nX = 0; nX < 4; ++nX) pPixels->SetPixel(nX, 0, static_cast<COLORREF>(nX + 1));
    const MaskedImage image{pPixels, std::vector<std::uint8_t>(4, 0)};
    CopyMaskedPixels(*pPixels, {1, 0, 4, 1}, image, 0, 0);
    EXPECT_EQ(AllPixels(*pPixels), (std::vector<std::uint32_t>{1, 1, 1, 1}));
}

// Ink of 4 x 3 drawn through clip rectangles: rcDest with the ink position at its corner.
TEST(Surface, InkIsDrawnWhereSetAndOnlyWithinTheRectangle) {
    struct Case {
        RECT rcDest;
        int nInkX, nInkY;
        std::vector<std::string> aExpected;  // 6 x 4, '#' ink
    };
    const std::vector<Case> cases = {
        {{1, 0, 5, 3}, 0, 0, {".#.##.", "..#...", ".####.", "......"}},
        {{0, 1, 2, 3}, 2, 1, {"......", "......", "##....", "......"}},
        {{3, 2, 6, 4}, 1, 0, {"......", "......", "....##", "...#.."}},
        {{2, 3, 2, 4}, 0, 0, {"......", "......", "......", "......"}},
    };
    for (const Case& c : cases) {
        const SurfaceRef pSurface = Surface::CreateFilledOnUse(6, 4, kFill);
        const std::uint8_t* pInk = &kInkArt[c.nInkY][c.nInkX];
        PaintInk(*pSurface, c.rcDest, pInk, 4, kInk);
        for (int nY = 0; nY < 4; ++nY)
            for (int nX = 0; nX < 6; ++nX)
                EXPECT_EQ(pSurface->Pixel(nX, nY), c.aExpected[nY][nX] == '#' ? kInk : kFill)
                    << c.aExpected[0] << " at " << nX << "," << nY;
    }
}

// The glyphs of a font are dropped when too many are kept; ASCII glyphs found without the
// map must then be rendered again, not read from what was dropped.
TEST(GlyphCache, AsciiGlyphsSurviveTheCacheBeingEmptied) {
    FontRequest request;
    request.nHeight = -12;
    request.sFace = "MS UI Gothic";
    const std::shared_ptr<const RealizedFont> pFont = GdiState::Instance().Fonts().Realize(request);
    const Glyph before = pFont->GlyphOf(U'A');
    ASSERT_FALSE(before.aInk.empty());
    for (char32_t cCode = 0x10000; cCode < 0x10000 + 8200; ++cCode) pFont->GlyphOf(cCode);
    const Glyph& after = pFont->GlyphOf(U'A');
    EXPECT_EQ(after.aInk, before.aInk);
    EXPECT_EQ(after.nAdvance, before.nAdvance);
    EXPECT_EQ(after.nLeft, before.nLeft);
}

}  // namespace
}  // namespace qv::soft
