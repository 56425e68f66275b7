// What the Windows host makes for scripts: generated pictures and image lists, strips of
// images from files, and pictures kept in property-bag files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/HostError.h"
#include "platform/bagfile/PropertyBagFile.h"
#include "platform/host/SiteUnits.h"
#include "platform/site/GeneratedImages.h"
#include "platform/windows/host/BagPictures.h"
#include "platform/windows/host/GeneratedPictures.h"
#include "platform/windows/host/ImageCodec.h"
#include "platform/windows/host/ImageLists.h"
#include "platform/windows/host/ImagePixels.h"
#include "platform/windows/host/SystemPictures.h"
#include "properties/TempFolder.h"

#include <commctrl.h>

namespace qv {
namespace {

using windows::Pixels;

constexpr std::uint32_t kOpaque = 0xFF000000;
constexpr std::uint32_t kWhite = 0x00FFFFFF;

std::uint32_t Colour(std::uint32_t nArgb) {
    return nArgb & 0x00FFFFFF;
}

// The pixels of a picture's bitmap or icon.
Pixels PixelsOf(const host::IPicture& picture) {
    const auto nHandle = static_cast<std::uint32_t>(picture.Handle());
    std::optional<Pixels> pixels = picture.Type() == host::vbPicTypeIcon
                                       ? windows::PixelsOfIcon(windows::ToReal<HICON>(nHandle))
                                       : windows::PixelsOfBitmap(windows::ToReal<HBITMAP>(nHandle));
    EXPECT_TRUE(pixels.has_value());
    return pixels.value_or(Pixels{});
}

// Image i of the list drawn on white.
Pixels DrawnImage(win32::HIMAGELIST hList, int nIndex, int nWidth, int nHeight) {
    Pixels canvas = *Pixels::Filled(nWidth, nHeight, kWhite);
    HBITMAP hBitmap = windows::BitmapOfPixels(canvas);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    EXPECT_TRUE(
        ::ImageList_Draw(windows::ToReal<HIMAGELIST>(hList), nIndex, hDC, 0, 0, ILD_NORMAL));
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    Pixels drawn = *windows::PixelsOfBitmap(hBitmap);
    ::DeleteObject(hBitmap);
    return drawn;
}

struct ImageListDeleter {
    win32::HIMAGELIST hList;
    ~ImageListDeleter() {
        if (hList != win32::HIMAGELIST{}) ::ImageList_Destroy(windows::ToReal<HIMAGELIST>(hList));
    }
};

TEST(HostObjectsTest, GeneratedPicturesHaveTheirTypeSizeAndColour) {
    struct Case {
        const char* sName;
        host::PictureRef oPicture;
        host::PictureType eType;
        int nWidth, nHeight;
        std::uint32_t nColour;  // of every pixel, for bitmaps and icons
    };
    const Case cases[] = {
        {"bitmap", windows::MakeBitmapPicture(100, 50, 0x0000FF), host::vbPicTypeBitmap, 100, 50,
         0x00FF0000},
        {"icon", windows::MakeIconPicture(32, 16, 0x00FF00), host::vbPicTypeIcon, 32, 16,
         0x0000FF00 | kOpaque},
        {"metafile", windows::MakeMetafilePicture(), host::vbPicTypeMetafile,
         site::kGeneratedMetafileSize, site::kGeneratedMetafileSize, 0},
        {"empty", windows::EmptyPicture(), host::vbPicTypeNone, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sName);
        ASSERT_TRUE(c.oPicture);
        EXPECT_EQ(c.oPicture->Type(), c.eType);
        EXPECT_EQ(c.oPicture->Width(), host::HimetricFromPixels(c.nWidth));
        EXPECT_EQ(c.oPicture->Height(), host::HimetricFromPixels(c.nHeight));
        EXPECT_EQ(c.oPicture->Handle() != 0, c.eType != host::vbPicTypeNone);
        if (c.eType != host::vbPicTypeBitmap && c.eType != host::vbPicTypeIcon) continue;
        const Pixels pixels = PixelsOf(*c.oPicture);
        EXPECT_EQ(pixels.nWidth, c.nWidth);
        EXPECT_EQ(pixels.nHeight, c.nHeight);
        EXPECT_EQ(std::count(pixels.aArgb.begin(), pixels.aArgb.end(),
                             c.eType == host::vbPicTypeIcon ? c.nColour : Colour(c.nColour)),
                  static_cast<std::ptrdiff_t>(pixels.aArgb.size()));
    }
    EXPECT_FALSE(windows::MakeBitmapPicture(0, 10, 0));
    EXPECT_FALSE(windows::MakeIconPicture(10, -1, 0));
    EXPECT_FALSE(windows::MakeMetafilePictureHimetric(-1, 10));
}

TEST(HostObjectsTest, AGeneratedImageListDrawsEachImageInThePaletteColour) {
    std::string sError;
    const ImageListDeleter list{windows::CreateGeneratedImageList(16, 12, 10, sError)};
    ASSERT_NE(list.hList, win32::HIMAGELIST{}) << sError;
    const HIMAGELIST hReal = windows::ToReal<HIMAGELIST>(list.hList);
    EXPECT_EQ(::ImageList_GetImageCount(hReal), 10);
    int nWidth = 0, nHeight = 0;
    ASSERT_TRUE(::ImageList_GetIconSize(hReal, &nWidth, &nHeight));
    EXPECT_EQ(nWidth, 16);
    EXPECT_EQ(nHeight, 12);
    for (int i : {0, 3, 7, 9}) {
        const Pixels drawn = DrawnImage(list.hList, i, 16, 12);
        const std::uint32_t nExpected = windows::PixelOf(site::GeneratedImageColor(i));
        for (std::uint32_t nPixel : drawn.aArgb) ASSERT_EQ(Colour(nPixel), nExpected) << i;
    }
    const ImageListDeleter empty{windows::CreateGeneratedImageList(16, 16, 0, sError)};
    ASSERT_NE(empty.hList, win32::HIMAGELIST{});
    EXPECT_EQ(::ImageList_GetImageCount(windows::ToReal<HIMAGELIST>(empty.hList)), 0);
    EXPECT_EQ(windows::CreateGeneratedImageList(0, 16, 2, sError), win32::HIMAGELIST{});
    EXPECT_EQ(windows::CreateGeneratedImageList(16, 16, -1, sError), win32::HIMAGELIST{});
}

// A strip of 3 whole images of 4 x 4 (and one column spare): image i in palette colour i,
// its top-left pixel magenta and its top-right pixel transparent.
std::string StripFile() {
    Pixels strip = *Pixels::Filled(13, 5, kOpaque);
    for (int nX = 0; nX < 13; ++nX) {
        for (int nY = 0; nY < 5; ++nY)
            strip.At(nX, nY) = windows::PixelOf(site::GeneratedImageColor(nX / 4)) | kOpaque;
    }
    for (int i = 0; i < 3; ++i) {
        strip.At(i * 4, 0) = 0xFFFF00FF;
        strip.At(i * 4 + 3, 0) = 0x00123456;
    }
    const auto aBytes = windows::EncodePng(strip, true);
    EXPECT_TRUE(aBytes.has_value());
    return std::string(aBytes->begin(), aBytes->end());
}

TEST(HostObjectsTest, AStripLoadsAsManyImagesAsFitWithMagentaAndAlphaTransparent) {
    const TempFolder folder;
    const std::string sPath = folder.Write("strip.png", StripFile()).string();
    std::string sError;
    const ImageListDeleter list{windows::LoadImageListStrip(sPath, 4, 4, sError)};
    ASSERT_NE(list.hList, win32::HIMAGELIST{}) << sError;
    EXPECT_EQ(::ImageList_GetImageCount(windows::ToReal<HIMAGELIST>(list.hList)), 3);
    for (int i = 0; i < 3; ++i) {
        Pixels drawn = DrawnImage(list.hList, i, 4, 4);
        const std::uint32_t nImage = windows::PixelOf(site::GeneratedImageColor(i));
        EXPECT_EQ(Colour(drawn.At(0, 0)), kWhite) << i;
        EXPECT_EQ(Colour(drawn.At(3, 0)), kWhite) << i;
        EXPECT_EQ(Colour(drawn.At(1, 0)), nImage) << i;
        EXPECT_EQ(Colour(drawn.At(3, 3)), nImage) << i;
    }
    struct Refusal {
        std::string sPath;
        int nWidth, nHeight;
        const char* sReason;
    };
    const Refusal refusals[] = {
        {(folder.Path() / "missing.png").string(), 4, 4, "cannot open"},
        {sPath, 14, 4, "no whole image"},
        {sPath, 4, 6, "no whole image"},
        {folder.Write("text.png", "not an image").string(), 4, 4, "not an image"},
    };
    for (const Refusal& refusal : refusals) {
        sError.clear();
        EXPECT_EQ(
            windows::LoadImageListStrip(refusal.sPath, refusal.nWidth, refusal.nHeight, sError),
            win32::HIMAGELIST{});
        EXPECT_NE(sError.find(refusal.sReason), std::string::npos) << sError;
    }
}

TEST(HostObjectsTest, PicturesComeBackFromTheImagesABagKeeps) {
    const bagfile::IBagPictures& pictures = windows::BagPictures();
    Pixels two = *Pixels::Filled(3, 2, 0x00102030);
    two.At(2, 1) = 0x00A0B0C0;
    const host::PictureRef oBitmap = windows::BitmapPicture(windows::BitmapOfPixels(two));
    Pixels masked = *Pixels::Filled(4, 4, 0xFF00FF00);
    masked.At(1, 2) = 0x00000000;
    const host::PictureRef oIcon = windows::IconPicture(windows::IconOfPixels(masked));
    struct Case {
        const char* sName;
        host::PictureRef oPicture;
        Pixels expected;
    };
    const Case cases[] = {{"bitmap", oBitmap, two}, {"icon", oIcon, masked}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sName);
        const auto aImage = pictures.ImageFile(*c.oPicture);
        ASSERT_TRUE(aImage.has_value());
        const host::PictureRef oAgain = c.oPicture->Type() == host::vbPicTypeIcon
                                            ? pictures.IconOf(*aImage)
                                            : pictures.BitmapOf(*aImage);
        ASSERT_TRUE(oAgain);
        EXPECT_EQ(oAgain->Type(), c.oPicture->Type());
        EXPECT_EQ(oAgain->Width(), c.oPicture->Width());
        EXPECT_EQ(PixelsOf(*oAgain).aArgb, c.expected.aArgb);
    }
    EXPECT_FALSE(pictures.ImageFile(*windows::MakeMetafilePicture()));
    EXPECT_FALSE(pictures.ImageFile(*windows::EmptyPicture()));
    EXPECT_FALSE(pictures.BitmapOf({'n', 'o', 't'}));
    EXPECT_FALSE(pictures.IconOf({}));
    const host::PictureRef oMetafile = pictures.Metafile(9999999, 100);
    ASSERT_TRUE(oMetafile);
    EXPECT_EQ(oMetafile->Width(), 9999999);
    EXPECT_EQ(oMetafile->Height(), 100);
}

class BagFileSaveTest : public ::testing::Test {
  protected:
    bagfile::PropertyBagFile Bag() const {
        bagfile::PropertyBagFile bag(windows::BagPictures());
        bag.WriteProperty("FrameStyle", Variant(Long{2}), Variant(Long{1}));
        bag.WriteProperty("BackPicture", Variant(ObjectRef(windows::MakeIconPicture(16, 16, 0xFF))),
                          Variant());
        return bag;
    }
    TempFolder folder;
};

TEST_F(BagFileSaveTest, ASaveReplacesTheFileAndLoadsBackWithItsPicture) {
    const auto path = folder.Write("bag.json", "old text");
    Bag().Save(path);
    EXPECT_EQ(TempFolder::Read(path), Bag().Text());
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"bag.json"});
    bagfile::PropertyBagFile loaded = bagfile::PropertyBagFile::Load(path, windows::BagPictures());
    EXPECT_EQ(loaded.ReadProperty("FrameStyle", Variant()), Variant(Long{2}));
    const auto oIcon = std::dynamic_pointer_cast<host::IPicture>(
        loaded.ReadProperty("BackPicture", Variant()).Object());
    ASSERT_TRUE(oIcon);
    EXPECT_EQ(oIcon->Type(), host::vbPicTypeIcon);
    EXPECT_EQ(oIcon->Width(), host::HimetricFromPixels(16));
    EXPECT_EQ(Colour(PixelsOf(*oIcon).At(5, 5)), 0x00FF0000u);
}

TEST_F(BagFileSaveTest, AFailedSaveLeavesTheOldFileAndNothingElse) {
    const auto path = folder.Write("bag.json", "old text");
    std::filesystem::create_directory(folder.Path() / "folder.json");
    folder.Write("folder.json/inside", "kept");
    const std::filesystem::path targets[] = {folder.Path() / "folder.json",
                                             folder.Path() / "missing" / "bag.json"};
    for (const auto& target : targets)
        EXPECT_THROW(Bag().Save(target), bagfile::PropertyBagFileError) << target;
    EXPECT_EQ(TempFolder::Read(folder.Path() / "folder.json" / "inside"), "kept");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"bag.json", "folder.json"}));
    EXPECT_EQ(TempFolder::Read(path), "old text");
}

}  // namespace
}  // namespace qv
