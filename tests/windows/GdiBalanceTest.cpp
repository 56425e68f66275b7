// The backend's count of the GDI objects it holds: each object it makes shows until it is
// deleted, and a control hosted, painted in every look and destroyed gives back all it took.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "control/ColorListBox.h"
#include "platform/host/StdFont.h"
#include "platform/win32/Gdi.h"
#include "platform/windows/host/ControlSite.h"
#include "platform/windows/host/Form.h"
#include "platform/windows/host/Pictures.h"

// The system headers name these as macros.
namespace contract {
constexpr qv::win32::UINT kSolidBrush = qv::win32::BS_SOLID;
}  // namespace contract

#include "platform/windows/GdiObjectCount.h"
#include "platform/windows/SystemApi.h"

#include <commctrl.h>

namespace qv {
namespace {

struct MadeObject {
    const char* sKind;
    std::function<std::uint32_t(win32::HDC)> make;
    std::function<win32::BOOL(std::uint32_t)> release;
};

win32::BOOL DeleteGdiObject(std::uint32_t hObject) {
    return win32::DeleteObject(static_cast<win32::HGDIOBJ>(hObject));
}

// Made and not yet deleted, an object is one more in the count: a routine that forgot
// to delete it would leave the count raised. A second delete fails and counts nothing.
TEST(GdiObjectCount, AnObjectCountsFromItsMakingToItsDeletion) {
    const win32::LOGBRUSH brush{contract::kSolidBrush, 0x0000FF, 0};
    const MadeObject objects[] = {
        {"brush", [&](win32::HDC) { return win32::HandleValue(win32::CreateBrushIndirect(&brush)); },
         DeleteGdiObject},
        {"font",
         [](win32::HDC) {
             return win32::HandleValue(
                 win32::CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"));
         },
         DeleteGdiObject},
        {"bitmap",
         [](win32::HDC hDC) { return win32::HandleValue(win32::CreateCompatibleBitmap(hDC, 8, 8)); },
         DeleteGdiObject},
        {"device context",
         [](win32::HDC hDC) { return win32::HandleValue(win32::CreateCompatibleDC(hDC)); },
         [](std::uint32_t hDC) { return win32::DeleteDC(static_cast<win32::HDC>(hDC)); }},
    };
    ::HDC hScreen = ::GetDC(nullptr);
    for (const MadeObject& object : objects) {
        SCOPED_TRACE(object.sKind);
        const long nBefore = windows::LiveGdiObjects();
        const std::uint32_t hObject = object.make(windows::ToOurs<win32::HDC>(hScreen));
        ASSERT_NE(hObject, 0u);
        EXPECT_EQ(windows::LiveGdiObjects(), nBefore + 1) << "a leaked object would not show";
        EXPECT_NE(object.release(hObject), 0);
        EXPECT_EQ(windows::LiveGdiObjects(), nBefore);
        EXPECT_EQ(object.release(hObject), 0);
        EXPECT_EQ(windows::LiveGdiObjects(), nBefore);
    }
    ::ReleaseDC(nullptr, hScreen);
}

class PaintCount : public site::IHostObserver {
  public:
    void OnPaintDelivered(site::ControlSiteCore&) override { ++nPaints; }
    int nPaints = 0;
};

struct Look {
    Long nStyle, nCheckBoxImage, nBackStyle, nSelBackStyle, nFrameStyle;
};

// Every look of the list over a picture, in its own font, with check glyphs and an image
// list, painted in a real window; then the window and the control go.
void HostPaintAndDestroy(const Look* pLooks, size_t nLooks) {
    std::string sError;
    const host::PictureRef pictures[] = {
        windows::LoadPictureFile(QV_TEST_DATA_DIR "/tile_40x30.png", sError),
        windows::LoadPictureFile(QV_RESOURCE_DIR "/ColorListBox.bmp", sError),
    };
    ASSERT_TRUE(pictures[0] && pictures[1]) << sError;
    ::HIMAGELIST hImages = ::ImageList_Create(16, 16, ILC_COLOR32, 2, 0);
    PaintCount paints;
    windows::Form form(320, 240, &paints);
    auto site = std::make_unique<windows::ControlSite>(form, 10, 10, 200, 154);
    {
        ColorListBox control(*site);
        site->Attach(&control);
        site->Initialize();
        site->InitProperties();
        site->Show();
        for (int i = 0; i < 20; ++i) control.AddItem("Item " + std::to_string(i));
        control.SetFont(std::make_shared<host::StdFont>("Arial", 10));
        control.SetImageList(static_cast<Long>(reinterpret_cast<std::uintptr_t>(hImages)));
        for (size_t i = 0; i < nLooks; ++i) {
            const Look& look = pLooks[i];
            SCOPED_TRACE(i);
            control.SetStyle(look.nStyle);
            control.SetCheckBoxImage(look.nCheckBoxImage);
            control.SetBackPicture(pictures[i % 2]);
            control.SetBackStyle(look.nBackStyle);
            control.SetSelBackStyle(look.nSelBackStyle);
            control.SetFrameStyle(look.nFrameStyle);
            control.SetListIndex(static_cast<Long>(i % 4));
            const int nPaintsBefore = paints.nPaints;
            ::RedrawWindow(windows::ToReal<::HWND>(site->hWnd()), nullptr, nullptr,
                           RDW_INVALIDATE | RDW_UPDATENOW);
            form.RunUntilIdle();
            EXPECT_GT(paints.nPaints, nPaintsBefore) << "the look was not painted";
        }
        site->Terminate();
    }
    site.reset();
    ::ImageList_Destroy(hImages);
}

TEST(GdiObjectCount, AHostedControlGivesBackEveryObjectOfEveryLook) {
    const Look looks[] = {
        {0, 0, 0, 0, 0}, {0, 0, 1, 1, 1}, {0, 0, 2, 2, 2}, {1, 0, 3, 0, 1},
        {1, 1, 4, 1, 2}, {1, 2, 0, 2, 0}, {1, 3, 2, 0, 1},
    };
    const long nBefore = windows::LiveGdiObjects();
    HostPaintAndDestroy(looks, std::size(looks));
    EXPECT_EQ(windows::LiveGdiObjects(), nBefore) << "GDI objects left over";
}

}  // namespace
}  // namespace qv
