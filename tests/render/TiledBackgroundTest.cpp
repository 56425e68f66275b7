// The tiled background is drawn once and copied; every pixel must be what drawing each tile
// on its own gives, whatever the picture, its reported size and the client size.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/soft/gdi/Pictures.h"
#include "render/BackPicture.h"
#include "render/PaintFixture.h"
#include "render/TestPictures.h"

namespace qv {
namespace {

// Each pixel a different colour, so a tile copied from the wrong place shows.
soft::SurfaceRef Gradient(int nWidth, int nHeight) {
    soft::SurfaceRef pPixels = soft::Surface::Create(nWidth, nHeight);
    for (int nY = 0; nY < nHeight; ++nY)
        for (int nX = 0; nX < nWidth; ++nX)
            pPixels->SetPixel(nX, nY, static_cast<win32::COLORREF>(0x10000 * nY + 0x100 * nX + 7));
    return pPixels;
}

// An icon whose every third pixel is transparent.
host::PictureRef HoledIcon(int nWidth, int nHeight) {
    soft::MaskedImage image{Gradient(nWidth, nHeight), {}};
    for (int i = 0; i < nWidth * nHeight; ++i) image.aMask.push_back(i % 3 == 0 ? 1 : 0);
    return soft::MakeIconPicture(std::move(image));
}

// A bitmap that reports another size than it has, in HIMETRIC (26.4583 per pixel at 96 dpi).
host::PictureRef Misreported(int nWidth, int nHeight, Long nHimetricWidth, Long nHimetricHeight) {
    auto oView = std::make_shared<PictureView>(soft::MakeBitmapPicture(Gradient(nWidth, nHeight)));
    oView->ReportSize(nHimetricWidth, nHimetricHeight);
    return oView;
}

class TiledBackgroundTest : public PaintTest {
  protected:
    // The background as the tiles come one by one onto a fresh bitmap.
    int DifferencesFromTileByTile(const host::PictureRef& oPicture) {
        const int nWidth = Client().Width();
        const int nHeight = Client().Height();
        soft::test::BitmapDC reference(nWidth, nHeight, 0);
        Long nTileWidth = 0;
        Long nTileHeight = 0;
        GetPictureSize(reference.Get(), oPicture, nTileWidth, nTileHeight);
        for (Long nX = 0; nX <= nWidth; nX += nTileWidth)
            for (Long nY = 0; nY <= nHeight; nY += nTileHeight)
                DrawPicture(reference.Get(), oPicture, {nX, nY, nX + nTileWidth, nY + nTileHeight},
                            {0, 0, nTileWidth, nTileHeight});
        return DifferingPixels({0, 0, nWidth, nHeight}, reference);
    }
};

TEST_F(TiledBackgroundTest, CopiedTilesMatchTilesDrawnOneByOne) {
    struct Case {
        std::string sName;
        std::function<host::PictureRef()> makePicture;
    };
    const std::vector<Case> cases = {
        {"1x1", [] { return soft::MakeBitmapPicture(Gradient(1, 1)); }},
        {"7x5", [] { return soft::MakeBitmapPicture(Gradient(7, 5)); }},
        {"16x16", [] { return soft::MakeBitmapPicture(Gradient(16, 16)); }},
        {"wider than the client", [] { return soft::MakeBitmapPicture(Gradient(150, 9)); }},
        {"taller than the client", [] { return soft::MakeBitmapPicture(Gradient(6, 90)); }},
        {"icon with holes", [] { return HoledIcon(9, 11); }},
        {"reported larger than its pixels", [] { return Misreported(5, 4, 265, 212); }},
        {"reported smaller than its pixels", [] { return Misreported(30, 30, 265, 132); }},
    };
    for (const auto& [nWidth, nHeight] : {std::pair{100, 60}, std::pair{97, 61}}) {
        SetOuterSize(nWidth, nHeight);
        for (const Case& test : cases) {
            control.SetBackPicture(test.makePicture());
            control.SetBackStyle(bsPictureRepeat);
            form.RunUntilIdle();
            EXPECT_EQ(DifferencesFromTileByTile(control.BackPicture()), 0)
                << test.sName << " in " << nWidth << " x " << nHeight;
        }
    }
}

}  // namespace
}  // namespace qv
