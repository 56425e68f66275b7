#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/host/SiteUnits.h"
#include "platform/soft/gdi/GdiTestSupport.h"
#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/Pictures.h"

namespace qv::soft {
namespace {

using namespace win32;
using test::BitmapDC;

std::string WriteFile(const std::string& sName, const std::vector<std::uint8_t>& aBytes) {
    const std::string sPath = (test::TestOutputDir() / sName).string();
    std::ofstream(sPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(aBytes.data()),
               static_cast<std::streamsize>(aBytes.size()));
    return sPath;
}

void PutU32(std::vector<std::uint8_t>& aBytes, std::size_t nPos, std::uint32_t nValue) {
    for (int i = 0; i < 4; ++i) aBytes[nPos + i] = static_cast<std::uint8_t>(nValue >> (8 * i));
}

// A 2 x 2 bitmap file of 24 bits per pixel: green and blue over red and white. Rows are
// stored bottom first, pixels as blue, green, red, rows padded to four bytes.
std::vector<std::uint8_t> SmallBmp() {
    std::vector<std::uint8_t> aBytes(54 + 2 * 8, 0);
    aBytes[0] = 'B';
    aBytes[1] = 'M';
    PutU32(aBytes, 2, static_cast<std::uint32_t>(aBytes.size()));
    PutU32(aBytes, 10, 54);
    PutU32(aBytes, 14, 40);
    PutU32(aBytes, 18, 2);
    PutU32(aBytes, 22, 2);
    aBytes[26] = 1;
    aBytes[28] = 24;
    const std::uint8_t aPixels[] = {0, 0, 255, 255, 255, 255, 0, 0, 0, 255, 0, 255, 0, 0, 0, 0};
    std::copy(std::begin(aPixels), std::end(aPixels), aBytes.begin() + 54);
    return aBytes;
}

TEST(Pictures, HimetricIsRoundedFromPixelsAt96PerInch) {
    const std::vector<std::pair<int, Long>> cases = {{0, 0},    {1, 26},    {16, 423},
                                                     {32, 847}, {96, 2540}, {100, 2646}};
    for (const auto& [nPixels, nHimetric] : cases)
        EXPECT_EQ(host::HimetricFromPixels(nPixels), nHimetric) << nPixels;
}

TEST(Pictures, KindsHandlesAndSizes) {
    struct Case {
        std::string sName;
        host::PictureRef pPicture;
        Integer nType;
        bool bHandle;
        Long nWidth;
    };
    const std::vector<Case> cases = {
        {"bitmap", MakeBitmapPicture(100, 50, test::kRed), host::vbPicTypeBitmap, true, 2646},
        {"icon", MakeIconPicture(32, 32, test::kBlue), host::vbPicTypeIcon, true, 847},
        {"metafile", MakeMetafilePicture(), host::vbPicTypeMetafile, true, 847},
        {"empty", MakeEmptyPicture(), host::vbPicTypeNone, false, 0},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.pPicture) << c.sName;
        EXPECT_EQ(c.pPicture->Type(), c.nType) << c.sName;
        EXPECT_EQ(c.pPicture->Handle() != 0, c.bHandle) << c.sName;
        EXPECT_EQ(c.pPicture->Width(), c.nWidth) << c.sName;
    }
    EXPECT_EQ(cases[0].pPicture->Height(), 1323);
    EXPECT_FALSE(MakeBitmapPicture(-1, 5, 0));
    EXPECT_FALSE(MakeIconPicture(100000, 100000, 0));
}

TEST(Pictures, ReleasingAPictureReleasesItsHandle) {
    const std::size_t nBefore = LiveObjectCount();
    {
        auto pBitmap = MakeBitmapPicture(4, 4, 0);
        auto pIcon = MakeIconPicture(4, 4, 0);
        auto pMetafile = MakeMetafilePicture();
        EXPECT_EQ(LiveObjectCount(), nBefore + 3);
    }
    EXPECT_EQ(LiveObjectCount(), nBefore);
}

TEST(Pictures, BitmapAndIconPicturesDrawThroughTheirHandles) {
    auto pBitmap = MakeBitmapPicture(3, 2, test::kRed);
    auto pIcon = MakeIconPicture(3, 2, test::kBlue);
    BitmapDC dc(8, 8);
    UniqueDC mem(CreateCompatibleDC(dc.Get()));
    {
        ScopedSelection selection(
            mem.Get(), MakeHandle<HGDIOBJ>(static_cast<std::uint32_t>(pBitmap->Handle())));
        StretchBlt(dc.Get(), 0, 0, 6, 4, mem.Get(), 0, 0, 3, 2, SRCCOPY);
    }
    EXPECT_EQ(dc.Pixel(5, 3), test::kRed);
    EXPECT_EQ(dc.Pixel(6, 3), test::kWhite);
    EXPECT_EQ(
        DrawIcon(dc.Get(), 6, 6, MakeHandle<HICON>(static_cast<std::uint32_t>(pIcon->Handle()))),
        TRUE);
    EXPECT_EQ(dc.Pixel(7, 7), test::kBlue);
    EXPECT_EQ(dc.Pixel(5, 6), test::kWhite);
}

TEST(Pictures, IconMasksLeaveTheDestinationVisible) {
    SurfaceRef pColor = Surface::Create(2, 1, test::kBlue);
    auto pIcon = MakeIconPicture(MaskedImage{pColor, {0, 1}});
    BitmapDC dc(2, 1, test::kGreen);
    DrawIcon(dc.Get(), 0, 0, MakeHandle<HICON>(static_cast<std::uint32_t>(pIcon->Handle())));
    EXPECT_EQ(dc.Pixel(0, 0), test::kBlue);
    EXPECT_EQ(dc.Pixel(1, 0), test::kGreen);
    EXPECT_EQ(CreateIconFrom(MaskedImage{pColor, {0}}), HICON{}) << "a mask must cover every pixel";
}

TEST(Pictures, LoadFromPngAndBmpFiles) {
    std::string sError;
    const std::string sBmp = WriteFile("picture.bmp", SmallBmp());
    auto pFromBmp = LoadPictureFile(sBmp, sError);
    ASSERT_TRUE(pFromBmp) << sError;
    const SurfaceRef pBmpPixels =
        SurfaceOfBitmap(MakeHandle<HBITMAP>(static_cast<std::uint32_t>(pFromBmp->Handle())));
    EXPECT_EQ(pBmpPixels->Pixel(0, 0), test::kGreen);
    EXPECT_EQ(pBmpPixels->Pixel(1, 0), test::kBlue);
    EXPECT_EQ(pBmpPixels->Pixel(0, 1), test::kRed);
    EXPECT_EQ(pBmpPixels->Pixel(1, 1), test::kWhite);
    const std::string sPng = (test::TestOutputDir() / "picture.png").string();
    ASSERT_TRUE(WritePngFile(*pBmpPixels, sPng, sError)) << sError;
    auto pFromPng = LoadPictureFile(sPng, sError);
    ASSERT_TRUE(pFromPng) << sError;
    EXPECT_EQ(pFromPng->Type(), host::vbPicTypeBitmap);
    EXPECT_EQ(pFromPng->Width(), host::HimetricFromPixels(2));
    const SurfaceRef pPngPixels =
        SurfaceOfBitmap(MakeHandle<HBITMAP>(static_cast<std::uint32_t>(pFromPng->Handle())));
    EXPECT_EQ(pPngPixels->Pixel(1, 0), test::kBlue);
}

TEST(Pictures, MissingAndDamagedFilesFailWithAReason) {
    std::vector<std::uint8_t> aTruncatedBmp = SmallBmp();
    aTruncatedBmp.resize(60);
    std::vector<std::uint8_t> aHugeBmp = SmallBmp();
    PutU32(aHugeBmp, 18, 0x7FFFFFFF);
    std::vector<std::uint8_t> aBadPng = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                         0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"missing", (test::TestOutputDir() / "no-such-picture.png").string()},
        {"empty", WriteFile("empty.bmp", {})},
        {"text", WriteFile("text.png", {'h', 'e', 'l', 'l', 'o'})},
        {"truncated bmp", WriteFile("truncated.bmp", aTruncatedBmp)},
        {"huge bmp", WriteFile("huge.bmp", aHugeBmp)},
        {"damaged png", WriteFile("damaged.png", aBadPng)},
    };
    for (const auto& [sName, sPath] : cases) {
        std::string sError;
        EXPECT_FALSE(LoadPictureFile(sPath, sError)) << sName;
        EXPECT_FALSE(sError.empty()) << sName;
    }
}

}  // namespace
}  // namespace qv::soft
