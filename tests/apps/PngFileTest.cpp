// The PNG files qvhost.exe writes without a compression library, read back by the image
// decoder of our platform (libpng).
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/Surface.h"
#include "qvhost/PngFile.h"

namespace qv::qvhost {
namespace {

struct PngCase {
    const char* sName;
    int nWidth;
    int nHeight;
};

class StoredPngTest : public ::testing::TestWithParam<PngCase> {};

std::filesystem::path TestFolder() {
    const auto* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string sName = std::string(pInfo->test_suite_name()) + "." + pInfo->name();
    for (char& c : sName)
        if (c == '/') c = '_';
    const std::filesystem::path folder = std::filesystem::path("test-output") / sName;
    std::filesystem::create_directories(folder);
    return folder;
}

TEST_P(StoredPngTest, ReadsBackPixelForPixel) {
    const PngCase& c = GetParam();
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < c.nWidth * c.nHeight; ++i)
        pixels.push_back(static_cast<std::uint32_t>(i * 2654435761u) & 0x00FFFFFF);
    const std::filesystem::path path = TestFolder() / "picture.png";
    std::string sError;
    ASSERT_TRUE(WriteStoredPngFile(path, c.nWidth, c.nHeight, pixels, sError)) << sError;
    const std::optional<soft::MaskedImage> image = soft::ReadImageFile(path.string(), sError);
    ASSERT_TRUE(image) << sError;
    ASSERT_EQ(image->pColor->Width(), c.nWidth);
    ASSERT_EQ(image->pColor->Height(), c.nHeight);
    for (int nY = 0; nY < c.nHeight; ++nY) {
        for (int nX = 0; nX < c.nWidth; ++nX) {
            const std::uint32_t nRgb = pixels[static_cast<std::size_t>(nY) * c.nWidth + nX];
            const win32::COLORREF clrExpected =
                ((nRgb & 0xFF) << 16) | (nRgb & 0xFF00) | ((nRgb >> 16) & 0xFF);
            ASSERT_EQ(image->pColor->Pixel(nX, nY), clrExpected) << nX << "," << nY;
        }
    }
}

// The last two need more than one stored block (65535 bytes each): exactly at the limit
// and past it.
const PngCase kCases[] = {
    {"OnePixel", 1, 1},
    {"Rows", 3, 2},
    {"OneFullBlock", 21845, 1},  // 1 + 3 x 21845 = 65536 bytes: one byte into a second block
    {"SeveralBlocks", 200, 120},
};

INSTANTIATE_TEST_SUITE_P(Table, StoredPngTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.sName); });

TEST(StoredPng, RefusesAnImageWithoutPixelsOrOfTheWrongSize) {
    std::string sError;
    const std::filesystem::path path = TestFolder() / "none.png";
    EXPECT_FALSE(WriteStoredPngFile(path, 0, 5, {}, sError));
    EXPECT_FALSE(WriteStoredPngFile(path, 2, 2, std::vector<std::uint32_t>(3), sError));
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace qv::qvhost
