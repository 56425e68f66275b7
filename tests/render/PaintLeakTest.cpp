#include <gtest/gtest.h>

#include "platform/HostError.h"
#include "platform/soft/gdi/Pictures.h"
#include "platform/soft/gdi/SoftGdi.h"
#include "render/PaintFixture.h"
#include "render/TestPictures.h"

namespace qv {
namespace {

class PaintLeakTest : public PaintTest {
  protected:
    void SetUp() override {
        PaintTest::SetUp();
        SetOuterSize(120, 90);
        control.SetImageList(ImageListOf(16, 16));
        control.SetCheckBoxImageList(ImageListOf(12, 12));
        for (int i = 0; i < 12; ++i) control.AddItem("リスト " + std::to_string(i), i % 8);
        Inspect::SetListIndex(control, 1);
        Inspect::SetHasFocus(control, VbTrue);
        form.RunUntilIdle();
    }

    // Every back style with every kind of picture, every selection look and glyph kind,
    // enabled and disabled: one paint each.
    int PaintEveryLook() {
        const host::PictureRef pictures[] = {nullptr, soft::MakeBitmapPicture(30, 20, 0x0000FF),
                                             soft::MakeIconPicture(16, 16, 0x00FF00),
                                             soft::MakeMetafilePicture(), soft::MakeEmptyPicture()};
        const int nBefore = recorder.nPaints;
        for (Long nBackStyle = bsNormal; nBackStyle <= bsPictureRepeat; ++nBackStyle) {
            control.SetBackStyle(nBackStyle);
            for (const host::PictureRef& oPicture : pictures) {
                control.SetBackPicture(oPicture);
                form.RunUntilIdle();
            }
        }
        control.SetBackPicture(soft::MakeIconPicture(16, 16, 0x00FF00));
        for (const bool bEnabled : {true, false}) {
            control.SetEnabled(Boolean::FromBool(bEnabled));
            for (Long nStyle = lsNormal; nStyle <= lsCheck; ++nStyle) {
                control.SetStyle(nStyle);
                control.SetSelectedItem(2, VbTrue);
                Inspect::SetListIndex(control, 1);
                for (Long nLook = sbFill; nLook <= sbHatch; ++nLook) {
                    control.SetSelBackStyle(nLook);
                    for (Long nKind = ciCheck; nKind <= ciImage; ++nKind) {
                        control.SetCheckBoxImage(nKind);
                        form.RunUntilIdle();
                    }
                }
            }
        }
        return recorder.nPaints - nBefore;
    }
};

TEST_F(PaintLeakTest, PaintingEveryLookLeavesNoObjectBehind) {
    PaintEveryLook();  // the platform's caches fill on first use
    const std::size_t nObjects = soft::LiveObjectCount();
    EXPECT_GE(PaintEveryLook(), 40);
    EXPECT_EQ(soft::LiveObjectCount(), nObjects);
}

// A host error ends the paint; whatever the paint had created by then is released.
TEST_F(PaintLeakTest, APaintThatEndsInAnErrorReleasesWhatItMade) {
    auto oIcon = std::make_shared<PictureView>(soft::MakeIconPicture(16, 16, 0x00FF00));
    control.SetBackPicture(oIcon);
    control.SetBackStyle(bsPictureStretch);
    form.RunUntilIdle();
    const std::size_t nObjects = soft::LiveObjectCount();
    // The first reading of the width is the background's, the second the icon drawing's,
    // made while that drawing holds a device context of its own.
    for (const int nFailingRead : {1, 2}) {
        oIcon->FailOnWidthRead(nFailingRead);
        EXPECT_THROW(control.UserControl_Paint(), HostError) << nFailingRead;
        EXPECT_EQ(soft::LiveObjectCount(), nObjects) << nFailingRead;
    }
    oIcon->FailOnWidthRead(0);
    control.SetBackStyle(bsNormal);
    // Rows so tall that the second row's bottom edge leaves 32 bits: the rows fail midway,
    // with the font selected.
    Inspect::SetItemHeight(control, 0x7FFFFFF0);
    try {
        control.UserControl_Paint();
        FAIL() << "no error";
    } catch (const HostError& error) {
        EXPECT_EQ(error.Number(), err::kOverflow);
    }
    EXPECT_EQ(soft::LiveObjectCount(), nObjects);
}

}  // namespace
}  // namespace qv
