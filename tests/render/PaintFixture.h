#pragma once

#include <memory>
#include <string>
#include <vector>

#include "control/ControlFixture.h"
#include "platform/soft/gdi/GdiTestSupport.h"
#include "platform/soft/gdi/ImageFiles.h"
#include "platform/soft/gdi/ImageLists.h"
#include "platform/soft/user/WindowSystem.h"
#include "platform/win32/ImageList.h"
#include "render/FontAndBrush.h"

namespace qv {

// A control without a frame, so that its client area is its outer size (less the scroll
// bar while it shows), on a background of a colour no drawing routine uses by itself.
class PaintTest : public ControlTest {
  protected:
    static constexpr win32::COLORREF kBack = 0x00406080;
    static constexpr win32::COLORREF kAlternate = 0x00A0C0E0;
    static constexpr win32::COLORREF kSelBack = 0x00800000;
    static constexpr win32::COLORREF kFore = 0x00000000;
    static constexpr win32::COLORREF kSelFore = 0x00FFFFFF;

    void SetUp() override {
        ControlTest::SetUp();
        control.SetFrameStyle(fsNone);
        control.SetBackColor(kBack);
        control.SetAlternateBackColor(kAlternate);
        control.SetSelBackColor(kSelBack);
        control.SetForeColor(kFore);
        control.SetSelForeColor(kSelFore);
        form.RunUntilIdle();
        recorder.log.clear();
    }
    void TearDown() override {
        ControlTest::TearDown();
        for (win32::HIMAGELIST hList : m_lists) win32::ImageList_Destroy(hList);
    }

    void SetOuterSize(int nWidth, int nHeight) {
        site.ResizeOuter(nWidth, nHeight);
        form.RunUntilIdle();
    }

    // A list of solid images: image i has the colour soft::GeneratedImageColor(i).
    Long ImageListOf(int nWidth, int nHeight) {
        m_lists.push_back(soft::CreateGeneratedImageList(nWidth, nHeight, 8));
        return static_cast<Long>(win32::HandleValue(m_lists.back()));
    }

    // Asks for a paint and lets the host deliver it.
    void Repaint() {
        control.Refresh(VbFalse);
        form.RunUntilIdle();
    }

    soft::Surface& Client() { return *form.Windows().Find(site.hWnd())->pClient; }
    win32::COLORREF Pixel(int nX, int nY) { return Client().Pixel(nX, nY); }

    // Leaves a picture of the client area in the test output folder for people to look at.
    void Snapshot(const std::string& sName) {
        std::string sError;
        const std::string sPath = (soft::test::TestOutputDir() / (sName + ".png")).string();
        EXPECT_TRUE(soft::WritePngFile(Client(), sPath, sError)) << sError;
    }

    // How many pixels of rc in the client area differ from a reference bitmap whose
    // top-left pixel stands for rc's top-left corner.
    int DifferingPixels(const win32::RECT& rc, const soft::test::BitmapDC& reference) {
        int nCount = 0;
        for (int nY = rc.top; nY < rc.bottom; ++nY)
            for (int nX = rc.left; nX < rc.right; ++nX)
                nCount += Pixel(nX, nY) != reference.Pixel(nX - rc.left, nY - rc.top);
        return nCount;
    }

    // ASCII text as the control's font draws it at nX, nY in a colour, on a bitmap of the
    // background colour.
    std::unique_ptr<soft::test::BitmapDC> ReferenceText(int nWidth, int nHeight, int nX, int nY,
                                                        const std::string& sText,
                                                        win32::COLORREF clrText) {
        auto pDC = std::make_unique<soft::test::BitmapDC>(nWidth, nHeight, kBack);
        const win32::UniqueGdiObject font(CreateFontHandle(pDC->Get(), *control.Font()));
        const win32::ScopedSelection selection(pDC->Get(), font.Get());
        win32::SetBkMode(pDC->Get(), win32::TRANSPARENT);
        win32::SetTextColor(pDC->Get(), clrText);
        win32::TextOutA(pDC->Get(), nX, nY, sText.data(), static_cast<int>(sText.size()));
        return pDC;
    }

  private:
    std::vector<win32::HIMAGELIST> m_lists;
};

}  // namespace qv
