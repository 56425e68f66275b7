// The contract's operations over the system's GDI, USER and image lists: what the control
// relies on beyond passing the call through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/MsgBox.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/ImageList.h"
#include "platform/win32/User.h"
#include "platform/windows/host/MessageBoxes.h"

// The system headers below name these as macros.
namespace contract {
constexpr int kWndProcIndex = qv::win32::GWL_WNDPROC;
constexpr int kWhiteBrush = qv::win32::WHITE_BRUSH;
constexpr int kBlackPen = qv::win32::BLACK_PEN;
constexpr qv::win32::UINT kDrawNormal = qv::win32::ILD_NORMAL;
}  // namespace contract

#include "platform/windows/SystemApi.h"

#include <commctrl.h>

namespace qv {
namespace {

struct BitmapCase {
    int nWidth;
    int nHeight;
    int nExpectedWidth;
    int nExpectedHeight;
    int nExpectedBits;
};

// Off-screen bitmaps have 32 bits per pixel on any display; an empty size gives the
// stock 1 x 1 bitmap, as on our own platform.
TEST(Win32Operations, CompatibleBitmapsHave32BitsPerPixel) {
    const win32::HDC hScreenDC = windows::ToOurs<win32::HDC>(::GetDC(nullptr));
    const win32::HDC hMemDC = win32::CreateCompatibleDC(hScreenDC);
    const std::vector<BitmapCase> cases = {
        {1, 1, 1, 1, 32}, {300, 2, 300, 2, 32}, {17, 40, 17, 40, 32}, {0, 5, 1, 1, 1}};
    for (const BitmapCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.nWidth) + "x" + std::to_string(c.nHeight));
        const win32::HBITMAP hBitmap = win32::CreateCompatibleBitmap(hMemDC, c.nWidth, c.nHeight);
        ASSERT_NE(hBitmap, win32::HBITMAP{});
        BITMAP info{};
        ASSERT_NE(::GetObjectA(windows::ToReal<::HGDIOBJ>(hBitmap), sizeof info, &info), 0);
        EXPECT_EQ(info.bmWidth, c.nExpectedWidth);
        EXPECT_EQ(info.bmHeight, c.nExpectedHeight);
        EXPECT_EQ(info.bmBitsPixel, c.nExpectedBits);
        win32::DeleteObject(hBitmap);
    }
    win32::DeleteDC(hMemDC);
    ::ReleaseDC(nullptr, windows::ToReal<::HDC>(hScreenDC));
}

// Calls with a handle that names nothing fail with the platform's failure value.
TEST(Win32Operations, InvalidHandlesFail) {
    const auto hNoDC = win32::MakeHandle<win32::HDC>(0x1234);
    const auto hNoWindow = win32::MakeHandle<win32::HWND>(0x1234);
    const auto hNoList = win32::MakeHandle<win32::HIMAGELIST>(0);
    const win32::RECT rc{0, 0, 4, 4};
    EXPECT_EQ(win32::FillRect(hNoDC, &rc, win32::GetStockObject(contract::kWhiteBrush)), 0);
    EXPECT_EQ(win32::Rectangle(hNoDC, 0, 0, 4, 4), 0);
    EXPECT_EQ(win32::SelectObject(hNoDC, win32::GetStockObject(contract::kBlackPen)),
              win32::HGDIOBJ{});
    EXPECT_EQ(win32::InvalidateRect(hNoWindow, &rc, 0), 0);
    EXPECT_EQ(win32::GetWindowLongA(hNoWindow, contract::kWndProcIndex), 0);
    EXPECT_EQ(win32::SetWindowLongA(hNoWindow, contract::kWndProcIndex, 1), 0);
    EXPECT_EQ(win32::ImageList_GetImageCount(hNoList), 0);
    EXPECT_EQ(win32::ImageList_Draw(hNoList, 0, hNoDC, 0, 0, contract::kDrawNormal), 0);
}

// Image lists of the system: counted, measured and drawn by index; an index outside the
// list draws nothing.
TEST(Win32Operations, ImageListsDrawByIndex) {
    ::HIMAGELIST hSystemList = ::ImageList_Create(8, 6, ILC_COLOR32, 2, 0);
    ASSERT_NE(hSystemList, nullptr);
    ::HDC hScreenDC = ::GetDC(nullptr);
    ::HBITMAP hStrip = ::CreateCompatibleBitmap(hScreenDC, 16, 6);
    ::HDC hStripDC = ::CreateCompatibleDC(hScreenDC);
    ::HGDIOBJ hOld = ::SelectObject(hStripDC, hStrip);
    const ::RECT rcFirst{0, 0, 8, 6};
    const ::RECT rcSecond{8, 0, 16, 6};
    ::FillRect(hStripDC, &rcFirst, static_cast<::HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::FillRect(hStripDC, &rcSecond, static_cast<::HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    ::SelectObject(hStripDC, hOld);
    ::ImageList_Add(hSystemList, hStrip, nullptr);
    const auto hList = windows::ToOurs<win32::HIMAGELIST>(hSystemList);

    int nWidth = 0, nHeight = 0;
    EXPECT_NE(win32::ImageList_GetIconSize(hList, &nWidth, &nHeight), 0);
    EXPECT_EQ(nWidth, 8);
    EXPECT_EQ(nHeight, 6);
    EXPECT_EQ(win32::ImageList_GetImageCount(hList), 2);

    const auto hTarget = windows::ToOurs<win32::HDC>(hStripDC);
    const win32::HBITMAP hCanvas = win32::CreateCompatibleBitmap(hTarget, 8, 6);
    const win32::HGDIOBJ hPrevious = win32::SelectObject(hTarget, hCanvas);
    const win32::RECT rcAll{0, 0, 8, 6};
    win32::FillRect(hTarget, &rcAll, win32::GetStockObject(contract::kWhiteBrush));
    struct DrawCase {
        int nIndex;
        COLORREF clrExpected;
    };
    const std::vector<DrawCase> cases = {
        {2, RGB(255, 255, 255)}, {-1, RGB(255, 255, 255)}, {1, RGB(128, 128, 128)}, {0, 0}};
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.nIndex);
        win32::ImageList_Draw(hList, c.nIndex, hTarget, 0, 0, contract::kDrawNormal);
        EXPECT_EQ(::GetPixel(hStripDC, 3, 3), c.clrExpected);
    }
    win32::SelectObject(hTarget, hPrevious);
    win32::DeleteObject(hCanvas);
    EXPECT_NE(win32::ImageList_Destroy(hList), 0);
    ::DeleteDC(hStripDC);
    ::DeleteObject(hStrip);
    ::ReleaseDC(nullptr, hScreenDC);
}

// Automated runs answer message boxes through the installed handler, never the system's
// modal box.
TEST(Win32Operations, MessageBoxesGoToTheInstalledHandler) {
    std::vector<std::string> prompts;
    auto previous = windows::SetMessageBoxHandler([&](std::string_view sPrompt, Long nButtons) {
        prompts.push_back(std::string(sPrompt) + "|" + std::to_string(nButtons));
        return host::vbOK;
    });
    EXPECT_EQ(host::MsgBox("行 3 は読み取り専用", host::vbCritical), host::vbOK);
    windows::SetMessageBoxHandler(std::move(previous));
    const std::vector<std::string> expected = {"行 3 は読み取り専用|16"};
    EXPECT_EQ(prompts, expected);
}

TEST(Win32Operations, TheSystemCodePageIsJapanese) {
    EXPECT_EQ(win32::GetACP(), 932u);
}

}  // namespace
}  // namespace qv
