#include <gtest/gtest.h>

#include <map>

#include "platform/soft/gdi/Pictures.h"
#include "platform/soft/gdi/SoftGdi.h"
#include "render/PaintFixture.h"
#include "render/TestPictures.h"

namespace qv {
namespace {

using soft::test::CountColor;
using win32::COLORREF;

constexpr COLORREF kRed = 0x000000FF;
constexpr COLORREF kGreen = 0x0000FF00;
constexpr COLORREF kBlue = 0x00FF0000;

class BackgroundTest : public PaintTest {
  protected:
    void ShowPicture(enmBackStyle eStyle, host::PictureRef oPicture) {
        control.SetBackPicture(std::move(oPicture));
        control.SetBackStyle(eStyle);
        form.RunUntilIdle();
    }
    int CountEverywhere(COLORREF clrColor) {
        return CountColor(Client(), Client().Bounds(), clrColor);
    }
    int ClientArea() { return Client().Width() * Client().Height(); }
};

// A picture of nWidth x nHeight in blue whose top-left pixel is red, so tiles can be told apart.
host::PictureRef MarkedPicture(int nWidth, int nHeight) {
    soft::SurfaceRef pPixels = soft::Surface::Create(nWidth, nHeight, kBlue);
    pPixels->SetPixel(0, 0, kRed);
    return soft::MakeBitmapPicture(pPixels);
}

TEST_F(BackgroundTest, PlainAndAlternateBackgroundsAreTheBackColour) {
    SetOuterSize(120, 80);
    for (const enmBackStyle eStyle : {bsNormal, bsAlternate}) {
        ShowPicture(eStyle, soft::MakeBitmapPicture(20, 20, kRed));
        EXPECT_EQ(CountEverywhere(kBack), ClientArea()) << eStyle;
    }
}

TEST_F(BackgroundTest, RealSizePictureIsCentredWithHalvesToEven) {
    SetOuterSize(301, 201);
    ShowPicture(bsPictureReal, soft::MakeBitmapPicture(100, 50, kRed));
    EXPECT_EQ(CountColor(Client(), {100, 76, 200, 126}, kRed), 100 * 50);
    EXPECT_EQ(CountEverywhere(kRed), 100 * 50);
    EXPECT_EQ(CountEverywhere(kBack), ClientArea() - 100 * 50);
    Snapshot("background_real");
}

TEST_F(BackgroundTest, RealSizePictureLargerThanTheClientIsCutOff) {
    SetOuterSize(60, 40);
    ShowPicture(bsPictureReal, MarkedPicture(100, 50));
    EXPECT_EQ(CountEverywhere(kBlue), ClientArea());  // the red corner lies outside
}

TEST_F(BackgroundTest, RepeatTilesFromTheTopLeftColumnByColumn) {
    SetOuterSize(100, 60);
    ShowPicture(bsPictureRepeat, MarkedPicture(40, 30));
    for (const int nX : {0, 40, 80})
        for (const int nY : {0, 30}) EXPECT_EQ(Pixel(nX, nY), kRed) << nX << "," << nY;
    EXPECT_EQ(CountEverywhere(kRed), 6);
    EXPECT_EQ(CountEverywhere(kBlue), ClientArea() - 6);
    Snapshot("background_repeat");
}

TEST_F(BackgroundTest, StretchCoversTheClientWithTheWholePicture) {
    SetOuterSize(100, 60);
    soft::SurfaceRef pHalves = soft::Surface::Create(10, 10, kRed);
    for (int nY = 0; nY < 10; ++nY)
        for (int nX = 5; nX < 10; ++nX) pHalves->SetPixel(nX, nY, kGreen);
    ShowPicture(bsPictureStretch, soft::MakeBitmapPicture(pHalves));
    EXPECT_EQ(CountColor(Client(), {0, 0, 50, 60}, kRed), 50 * 60);
    EXPECT_EQ(CountColor(Client(), {50, 0, 100, 60}, kGreen), 50 * 60);
    ShowPicture(bsPictureStretch, soft::MakeIconPicture(32, 32, kGreen));
    EXPECT_EQ(CountEverywhere(kGreen), ClientArea());
    Snapshot("background_stretch_icon");
}

TEST_F(BackgroundTest, IconsAreDrawnAtTheirSizeLikeBitmaps) {
    SetOuterSize(100, 60);
    ShowPicture(bsPictureReal, soft::MakeIconPicture(20, 10, kGreen));
    EXPECT_EQ(CountColor(Client(), {40, 25, 60, 35}, kGreen), 200);
    EXPECT_EQ(CountEverywhere(kGreen), 200);
    ShowPicture(bsPictureRepeat, soft::MakeIconPicture(20, 10, kGreen));
    EXPECT_EQ(CountEverywhere(kGreen), ClientArea());
}

// Where no picture can be drawn, the background colour is what shows.
TEST_F(BackgroundTest, PicturesThatCannotBeDrawnLeaveTheBackColour) {
    SetOuterSize(100, 60);
    auto oZeroSized = std::make_shared<PictureView>(soft::MakeBitmapPicture(40, 30, kRed));
    oZeroSized->ReportSize(0, 0);
    auto oFlat = std::make_shared<PictureView>(soft::MakeBitmapPicture(40, 30, kRed));
    oFlat->ReportSize(1058, 0);
    const std::map<std::string, host::PictureRef> pictures = {
        {"nothing", nullptr},
        {"metafile", soft::MakeMetafilePicture()},
        {"empty picture", soft::MakeEmptyPicture()},
        {"no pixels", oZeroSized},
        {"no height", oFlat},
    };
    for (const auto& [sName, oPicture] : pictures) {
        for (const enmBackStyle eStyle : {bsPictureStretch, bsPictureReal, bsPictureRepeat}) {
            SCOPED_TRACE(testing::Message() << sName << ", style " << eStyle);
            ShowPicture(bsNormal, nullptr);
            ShowPicture(eStyle, oPicture);
            EXPECT_EQ(CountEverywhere(kBack), ClientArea());
        }
    }
}

TEST_F(BackgroundTest, AnEmptyClientAreaPaintsNothing) {
    Fill(5);
    for (const auto& size : {std::pair{0, 50}, std::pair{50, 0}}) {
        SetOuterSize(size.first, size.second);
        const std::size_t nObjects = soft::LiveObjectCount();
        EXPECT_NO_THROW(control.UserControl_Paint());
        EXPECT_EQ(soft::LiveObjectCount(), nObjects);
    }
}

// Changes only invalidate; the paint that follows renders the whole client area, however
// little of it was invalidated.
TEST_F(BackgroundTest, SeveralChangesGiveOnePaintOfTheWholeClientArea) {
    SetOuterSize(100, 60);
    control.SetBackColor(kGreen);
    control.SetBackStyle(bsAlternate);
    control.SetAlternateBackColor(kRed);
    EXPECT_EQ(PaintsWhenIdle(), 1);
    EXPECT_EQ(CountEverywhere(kGreen), ClientArea());
}

// A bag that holds some values; every other key reads as its default.
struct ValueBag : host::IPropertyBag {
    std::map<std::string, Variant, std::less<>> values;
    Variant ReadProperty(std::string_view sName, const Variant& vDefault) override {
        auto it = values.find(sName);
        return it == values.end() ? vDefault : it->second;
    }
    void WriteProperty(std::string_view, const Variant&, const Variant&) override {}
};

// Loaded colours keep their system-colour codes; drawing shows the colours they name.
TEST_F(BackgroundTest, SystemColourCodesFromABagAreDrawnAsTheirColours) {
    ValueBag bag;
    bag.values["FrameStyle"] = Variant(Long{fsNone});
    bag.values["BackStyle"] = Variant(Long{bsAlternate});
    bag.values["BackColor"] = Variant(static_cast<Long>(0x80000018));           // info background
    bag.values["AlternateBackColor"] = Variant(static_cast<Long>(0x80000002));  // active caption
    site.ReadProperties(bag);
    SetOuterSize(100, 60);
    Fill(2);
    Repaint();
    EXPECT_EQ(control.BackColor(), 0x80000018u);
    EXPECT_EQ(Pixel(90, 50), 0x00E1FFFFu);
    EXPECT_EQ(Pixel(90, 2), 0x006A240Au);
}

}  // namespace
}  // namespace qv
