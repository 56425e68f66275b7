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
    std::string sError;
    host::PictureRef oPicture =
        windows::LoadPictureFile(QV_RESOURCE_DIR "/ColorListBox.bmp", sError);
    ASSERT_NE(oPicture, nullptr);
    const auto hBitmap = reinterpret_cast<HGDIOBJ>(
        static_cast<std::uintptr_t>(static_cast<std::uint32_t>(oPicture->Handle())));
    EXPECT_EQ(::GetObjectType(hBitmap), static_cast<DWORD>(OBJ_BITMAP));
    oPicture.reset();
    EXPECT_EQ(::GetObjectType(hBitmap), 0u);
}

}  // namespace
}  // namespace qv
