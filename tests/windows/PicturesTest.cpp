// Pictures loaded by the system: type, size in HIMETRIC and an owned handle.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/windows/host/Pictures.h"

#include "platform/windows/SystemApi.h"

namespace qv {
namespace {

void PutLittleEndian(std::vector<std::uint8_t>& aBytes, std::uint32_t nValue, int nBytes) {
    for (int i = 0; i < nBytes; ++i) aBytes.push_back(static_cast<std::uint8_t>(nValue >> (8 * i)));
}

// A 16 x 16 icon file of 32-bit pixels: directory, one entry, the image's header (twice
// the height: colour and mask), its pixels and its mask.
std::vector<std::uint8_t> IconFile() {
    constexpr int kSide = 16;
    constexpr std::uint32_t kImageBytes = 40 + kSide * kSide * 4 + kSide * 4;
    std::vector<std::uint8_t> aBytes;
    PutLittleEndian(aBytes, 0, 2);
    PutLittleEndian(aBytes, 1, 2);
    PutLittleEndian(aBytes, 1, 2);
    aBytes.insert(aBytes.end(), {kSide, kSide, 0, 0});
    PutLittleEndian(aBytes, 1, 2);
    PutLittleEndian(aBytes, 32, 2);
    PutLittleEndian(aBytes, kImageBytes, 4);
    PutLittleEndian(aBytes, 22, 4);
    for (std::uint32_t nValue : {40u, 16u, 32u}) PutLittleEndian(aBytes, nValue, 4);
    PutLittleEndian(aBytes, 1, 2);
    PutLittleEndian(aBytes, 32, 2);
    for (int i = 0; i < 6; ++i) PutLittleEndian(aBytes, 0, 4);
    for (int i = 0; i < kSide * kSide; ++i) PutLittleEndian(aBytes, 0xFF3366CC, 4);
    for (int i = 0; i < kSide; ++i) PutLittleEndian(aBytes, 0, 4);
    return aBytes;
}

std::string WriteTempFile(const std::string& sName, const std::vector<std::uint8_t>& aBytes) {
    char szFolder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szFolder);
    const std::string sPath = std::string(szFolder) + sName;
    FILE* pFile = std::fopen(sPath.c_str(), "wb");
    std::fwrite(aBytes.data(), 1, aBytes.size(), pFile);
    std::fclose(pFile);
    return sPath;
}

std::uint32_t Crc32(const std::uint8_t* pBytes, std::size_t nCount) {
    std::uint32_t nCrc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < nCount; ++i) {
        nCrc ^= pBytes[i];
        for (int nBit = 0; nBit < 8; ++nBit) nCrc = (nCrc >> 1) ^ (0xEDB88320 & (0 - (nCrc & 1)));
    }
    return ~nCrc;
}

void PutBigEndian(std::vector<std::uint8_t>& aBytes, std::uint32_t nValue) {
    for (int nShift = 24; nShift >= 0; nShift -= 8)
        aBytes.push_back(static_cast<std::uint8_t>(nValue >> nShift));
}

void PutChunk(std::vector<std::uint8_t>& aPng, const char* pszType,
              const std::vector<std::uint8_t>& aData) {
    PutBigEndian(aPng, static_cast<std::uint32_t>(aData.size()));
    const std::size_t nStart = aPng.size();
    aPng.insert(aPng.end(), pszType, pszType + 4);
    aPng.insert(aPng.end(), aData.begin(), aData.end());
    PutBigEndian(aPng, Crc32(&aPng[nStart], aPng.size() - nStart));
}

// A PNG file of 8-bit RGBA rows (filter 0 each), kept in one stored deflate block.
std::vector<std::uint8_t> RgbaPng(int nWidth, const std::vector<std::uint32_t>& aRgba) {
    const int nHeight = static_cast<int>(aRgba.size()) / nWidth;
    std::vector<std::uint8_t> aRaw;
    for (int y = 0; y < nHeight; ++y) {
        aRaw.push_back(0);
        for (int x = 0; x < nWidth; ++x) PutBigEndian(aRaw, aRgba[y * nWidth + x]);
    }
    std::vector<std::uint8_t> aZlib = {0x78, 0x01, 0x01};
    const auto nLength = static_cast<std::uint16_t>(aRaw.size());
    PutLittleEndian(aZlib, nLength, 2);
    PutLittleEndian(aZlib, static_cast<std::uint16_t>(~nLength), 2);
    aZlib.insert(aZlib.end(), aRaw.begin(), aRaw.end());
    std::uint32_t nA = 1, nB = 0;
    for (std::uint8_t nByte : aRaw) {
        nA = (nA + nByte) % 65521;
        nB = (nB + nA) % 65521;
    }
    PutBigEndian(aZlib, (nB << 16) | nA);
    std::vector<std::uint8_t> aHeader;
    PutBigEndian(aHeader, static_cast<std::uint32_t>(nWidth));
    PutBigEndian(aHeader, static_cast<std::uint32_t>(nHeight));
    aHeader.insert(aHeader.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA
    std::vector<std::uint8_t> aPng = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(aPng, "IHDR", aHeader);
    PutChunk(aPng, "IDAT", aZlib);
    PutChunk(aPng, "IEND", {});
    return aPng;
}

std::vector<std::uint8_t> FileBytes(const std::string& sPath) {
    std::vector<std::uint8_t> aBytes;
    FILE* pFile = std::fopen(sPath.c_str(), "rb");
    if (!pFile) return aBytes;
    for (int nByte = std::fgetc(pFile); nByte != EOF; nByte = std::fgetc(pFile))
        aBytes.push_back(static_cast<std::uint8_t>(nByte));
    std::fclose(pFile);
    return aBytes;
}

COLORREF PixelOf(const host::PictureRef& oPicture, int nX, int nY) {
    const auto hBitmap = reinterpret_cast<HGDIOBJ>(
        static_cast<std::uintptr_t>(static_cast<std::uint32_t>(oPicture->Handle())));
    HDC hDC = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    const COLORREF clr = ::GetPixel(hDC, nX, nY);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return clr;
}

constexpr char kTile[] = QV_TEST_DATA_DIR "/tile_40x30.png";

// PNG files become bitmaps like BMP files, top row first, every pixel keeping its colour
// whatever its transparency (as our own platform's pictures do).
TEST(SystemPictures, PngFilesLoadAsBitmapsWithTheirColours) {
    struct PixelCase {
        int nX, nY;
        COLORREF clrExpected;
    };
    struct PngCase {
        std::string sPath;
        Long nExpectedWidth;
        Long nExpectedHeight;
        std::vector<PixelCase> pixels;
    };
    const std::vector<PngCase> cases = {
        {kTile, 1058, 794, {{0, 0, 0x0000FF}, {39, 0, 0xFF0000}, {0, 29, 0xFF0000}}},
        {WriteTempFile("qv_test_rgba.png",
                       RgbaPng(2, {0xFF0000FF, 0x00FF0000, 0x0000FF80, 0xFFFFFFFF})),
         53,
         53,
         {{0, 0, 0x0000FF}, {1, 0, 0x00FF00}, {0, 1, 0xFF0000}, {1, 1, 0xFFFFFF}}},
    };
    for (const PngCase& c : cases) {
        SCOPED_TRACE(c.sPath);
        std::string sError;
        const host::PictureRef oPicture = windows::LoadPictureFile(c.sPath, sError);
        ASSERT_NE(oPicture, nullptr) << sError;
        EXPECT_EQ(oPicture->Type(), host::vbPicTypeBitmap);
        EXPECT_EQ(oPicture->Width(), c.nExpectedWidth);
        EXPECT_EQ(oPicture->Height(), c.nExpectedHeight);
        for (const PixelCase& pixel : c.pixels)
            EXPECT_EQ(PixelOf(oPicture, pixel.nX, pixel.nY), pixel.clrExpected)
                << pixel.nX << "," << pixel.nY;
    }
}

// A damaged PNG is refused with the reason a damaged BMP gets.
TEST(SystemPictures, DamagedPngFilesAreRefusedLikeDamagedBitmaps) {
    const std::string sBmp = WriteTempFile("qv_test_damaged.bmp", {'B', 'M', 'x', 'y'});
    std::string sBmpError;
    ASSERT_EQ(windows::LoadPictureFile(sBmp, sBmpError), nullptr);
    const std::string sBmpReason = sBmpError.substr(sBmp.size());

    std::vector<std::uint8_t> aTruncated = FileBytes(kTile);
    ASSERT_GT(aTruncated.size(), 60u);
    aTruncated.resize(60);
    std::vector<std::uint8_t> aBadHeader = RgbaPng(2, {1, 2, 3, 4});
    aBadHeader[16] = 0xFF;  // a width beyond what PNG allows, the header's checksum now wrong
    const std::vector<std::string> paths = {
        WriteTempFile("qv_test_signature_only.png", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}),
        WriteTempFile("qv_test_truncated.png", aTruncated),
        WriteTempFile("qv_test_bad_header.png", aBadHeader),
    };
    for (const std::string& sPath : paths) {
        SCOPED_TRACE(sPath);
        std::string sError;
        EXPECT_EQ(windows::LoadPictureFile(sPath, sError), nullptr);
        ASSERT_EQ(sError.find(sPath), 0u) << sError;
        EXPECT_EQ(sError.substr(sPath.size()), sBmpReason);
    }
}

TEST(SystemPictures, BitmapsAndIconsLoadWithTheirSize) {
    struct PictureCase {
        std::string sPath;
        Integer nExpectedType;
        Long nExpectedWidth;
        Long nExpectedHeight;
    };
    const std::vector<PictureCase> cases = {
        {QV_RESOURCE_DIR "/ColorListBox.bmp", host::vbPicTypeBitmap, 423, 397},
        {WriteTempFile("qv_test_icon.ico", IconFile()), host::vbPicTypeIcon, 423, 423},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.sPath);
        std::string sError;
        const host::PictureRef oPicture = windows::LoadPictureFile(c.sPath, sError);
        ASSERT_NE(oPicture, nullptr) << sError;
        EXPECT_EQ(oPicture->Type(), c.nExpectedType);
        EXPECT_EQ(oPicture->Width(), c.nExpectedWidth);
        EXPECT_EQ(oPicture->Height(), c.nExpectedHeight);
        EXPECT_NE(oPicture->Handle(), 0);
    }
}

TEST(SystemPictures, FilesTheSystemCannotLoadAreRefusedWithAReason) {
    const std::vector<std::string> paths = {
        WriteTempFile("qv_test_not_a_picture.bmp", {'B', 'M', 'x', 'y'}),
        QV_RESOURCE_DIR "/missing.bmp",
    };
    for (const std::string& sPath : paths) {
        SCOPED_TRACE(sPath);
        std::string sError;
        EXPECT_EQ(windows::LoadPictureFile(sPath, sError), nullptr);
        EXPECT_NE(sError.find(sPath), std::string::npos);
    }
}

// The picture owns its handle: the bitmap goes with the last reference.
TEST(SystemPictures, TheHandleGoesWithThePicture) {
    for (const std::string& sPath :
         {std::string(QV_RESOURCE_DIR "/ColorListBox.bmp"), std::string(kTile)}) {
        SCOPED_TRACE(sPath);
        std::string sError;
        host::PictureRef oPicture = windows::LoadPictureFile(sPath, sError);
        ASSERT_NE(oPicture, nullptr);
        const auto hBitmap = reinterpret_cast<HGDIOBJ>(
            static_cast<std::uintptr_t>(static_cast<std::uint32_t>(oPicture->Handle())));
        EXPECT_EQ(::GetObjectType(hBitmap), static_cast<DWORD>(OBJ_BITMAP));
        oPicture.reset();
        EXPECT_EQ(::GetObjectType(hBitmap), 0u);
    }
}

}  // namespace
}  // namespace qv
