#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/soft/gdi/GdiTestSupport.h"

namespace qv::soft {
namespace {

using namespace win32;
using test::BitmapDC;

// A handle that was valid once: a deleted brush.
HGDIOBJ DeletedBrush() {
    const HBRUSH hBrush = BitmapDC::Brush(test::kRed);
    DeleteObject(hBrush);
    return hBrush;
}

TEST(GdiObjects, InvalidAndDeletedHandlesGiveTheFailureValue) {
    BitmapDC dc(4, 4);
    const HDC hBadDC = MakeHandle<HDC>(0x12345678);
    const HGDIOBJ hDeleted = DeletedBrush();
    const RECT rc{0, 0, 2, 2};
    SIZE size{};
    struct Case {
        std::string sCall;
        std::function<long long()> call;
        long long nFailure;
    };
    const std::vector<Case> cases = {
        {"SelectObject deleted brush",
         [&] { return HandleValue(SelectObject(dc.Get(), hDeleted)); }, 0},
        {"SelectObject bad dc",
         [&] { return HandleValue(SelectObject(hBadDC, GetStockObject(NULL_PEN))); }, 0},
        {"DeleteObject deleted", [&] { return DeleteObject(hDeleted); }, FALSE},
        {"DeleteObject null", [&] { return DeleteObject(HGDIOBJ{}); }, FALSE},
        {"DeleteDC bad", [&] { return DeleteDC(hBadDC); }, FALSE},
        {"DeleteObject of a dc",
         [&] { return DeleteObject(MakeHandle<HGDIOBJ>(HandleValue(dc.Get()))); }, FALSE},
        {"FillRect deleted brush", [&] { return FillRect(dc.Get(), &rc, hDeleted); }, 0},
        {"FillRect bad dc", [&] { return FillRect(hBadDC, &rc, GetStockObject(BLACK_BRUSH)); }, 0},
        {"CreateCompatibleDC bad", [&] { return HandleValue(CreateCompatibleDC(hBadDC)); }, 0},
        {"CreateCompatibleBitmap bad",
         [&] { return HandleValue(CreateCompatibleBitmap(hBadDC, 2, 2)); }, 0},
        {"SetTextColor bad", [&] { return SetTextColor(hBadDC, 0); }, CLR_INVALID},
        {"SetBkMode bad", [&] { return SetBkMode(hBadDC, TRANSPARENT); }, 0},
        {"SetBkMode bad mode", [&] { return SetBkMode(dc.Get(), 7); }, 0},
        {"SetStretchBltMode bad", [&] { return SetStretchBltMode(hBadDC, COLORONCOLOR); }, 0},
        {"GetDeviceCaps bad", [&] { return GetDeviceCaps(hBadDC, LOGPIXELSY); }, 0},
        {"Rectangle bad", [&] { return Rectangle(hBadDC, 0, 0, 2, 2); }, FALSE},
        {"DrawFocusRect bad", [&] { return DrawFocusRect(hBadDC, &rc); }, FALSE},
        {"DrawIcon bad icon", [&] { return DrawIcon(dc.Get(), 0, 0, HICON{}); }, FALSE},
        {"TextOutA bad", [&] { return TextOutA(hBadDC, 0, 0, "A", 1); }, FALSE},
        {"GetTextExtentPoint32A bad", [&] { return GetTextExtentPoint32A(hBadDC, "A", 1, &size); },
         FALSE},
        {"BitBlt bad source", [&] { return BitBlt(dc.Get(), 0, 0, 2, 2, hBadDC, 0, 0, SRCCOPY); },
         FALSE},
        {"GetStockObject unknown", [&] { return HandleValue(GetStockObject(99)); }, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.call(), c.nFailure) << c.sCall;
    EXPECT_EQ(dc.Pixel(0, 0), test::kWhite) << "a failed call drew something";
}

TEST(GdiObjects, SelectObjectReturnsWhatItReplaced) {
    BitmapDC dc(2, 2);
    UniqueGdiObject brush(BitmapDC::Brush(test::kRed));
    const HGDIOBJ hFirst = SelectObject(dc.Get(), brush.Get());
    EXPECT_EQ(hFirst, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc.Get(), hFirst), brush.Get());
    EXPECT_EQ(SelectObject(dc.Get(), GetStockObject(NULL_PEN)), GetStockObject(BLACK_PEN));
}

TEST(GdiObjects, SelectedObjectsAreNotDeletedAndStockObjectsStay) {
    BitmapDC dc(2, 2);
    const HBRUSH hBrush = BitmapDC::Brush(test::kRed);
    const HGDIOBJ hPrevious = SelectObject(dc.Get(), hBrush);
    EXPECT_EQ(DeleteObject(hBrush), FALSE);
    SelectObject(dc.Get(), hPrevious);
    EXPECT_EQ(DeleteObject(hBrush), TRUE);
    EXPECT_EQ(DeleteObject(GetStockObject(NULL_PEN)), TRUE);
    EXPECT_NE(SelectObject(dc.Get(), GetStockObject(NULL_PEN)), HGDIOBJ{});
}

TEST(GdiObjects, ABitmapLivesInOneMemoryContextAtATime) {
    BitmapDC first(2, 2);
    UniqueDC second(CreateCompatibleDC(HDC{}));
    EXPECT_EQ(SelectObject(second.Get(), first.Bitmap()), HGDIOBJ{});
}

TEST(GdiObjects, BitmapSizes) {
    UniqueDC dc(CreateCompatibleDC(HDC{}));
    struct Case {
        int nWidth, nHeight;
        bool bMade;
        int nExpectedWidth;
    };
    const std::vector<Case> cases = {
        {3, 2, true, 3},          {0, 0, true, 1},   {0, 5, true, 1},
        {-1, 5, false, 0},        {5, -1, false, 0}, {100000, 100000, false, 0},
        {32767, 32767, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nWidth) + "x" + std::to_string(c.nHeight));
        UniqueGdiObject bitmap(CreateCompatibleBitmap(dc.Get(), c.nWidth, c.nHeight));
        ASSERT_EQ(static_cast<bool>(bitmap), c.bMade);
        if (c.bMade) {
            EXPECT_EQ(SurfaceOfBitmap(bitmap.Get())->Width(), c.nExpectedWidth);
        }
    }
}

TEST(GdiObjects, PaintLikeUseLeavesNothingBehind) {
    const std::size_t nBefore = LiveObjectCount();
    {
        BitmapDC target(40, 20);
        const HDC hMem = CreateCompatibleDC(target.Get());
        const HBITMAP hBitmap = CreateCompatibleBitmap(target.Get(), 40, 20);
        const HGDIOBJ hOldBitmap = SelectObject(hMem, hBitmap);
        const HFONT hFont = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0,
                                        0, "MS UI Gothic");
        const HGDIOBJ hOldFont = SelectObject(hMem, hFont);
        const LOGBRUSH hatch{BS_HATCHED, test::kBlue, HS_DIAGCROSS};
        const HBRUSH hBrush = CreateBrushIndirect(&hatch);
        const HGDIOBJ hOldBrush = SelectObject(hMem, hBrush);
        const HGDIOBJ hOldPen = SelectObject(hMem, GetStockObject(NULL_PEN));
        Rectangle(hMem, 0, 0, 40, 20);
        TextOutA(hMem, 2, 2, "Ab", 2);
        BitBlt(target.Get(), 0, 0, 40, 20, hMem, 0, 0, SRCCOPY);
        SelectObject(hMem, hOldPen);
        SelectObject(hMem, hOldBrush);
        SelectObject(hMem, hOldFont);
        SelectObject(hMem, hOldBitmap);
        EXPECT_EQ(DeleteObject(hBrush), TRUE);
        EXPECT_EQ(DeleteObject(hFont), TRUE);
        EXPECT_EQ(DeleteObject(hBitmap), TRUE);
        EXPECT_EQ(DeleteDC(hMem), TRUE);
        EXPECT_GT(LiveObjectCount(), nBefore);  // the target itself
    }
    EXPECT_EQ(LiveObjectCount(), nBefore);
}

TEST(GdiObjects, DeletingAContextReleasesItsSelections) {
    const HDC hDC = CreateCompatibleDC(HDC{});
    const HBITMAP hBitmap = CreateCompatibleBitmap(hDC, 4, 4);
    SelectObject(hDC, hBitmap);
    EXPECT_EQ(DeleteObject(hBitmap), FALSE);
    DeleteDC(hDC);
    EXPECT_EQ(DeleteObject(hBitmap), TRUE);
}

TEST(GdiObjects, SurfaceContextDrawsIntoItsAreaOnly) {
    SurfaceRef pSurface = Surface::Create(10, 10, test::kWhite);
    const RECT rcArea{2, 3, 6, 8};
    UniqueDC dc(CreateSurfaceDC(pSurface, &rcArea));
    const RECT rcHuge{-1000, -1000, 1000, 1000};
    FillRect(dc.Get(), &rcHuge, GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(test::CountColor(*pSurface, pSurface->Bounds(), test::kBlack), 4 * 5);
    EXPECT_EQ(pSurface->Pixel(2, 3), test::kBlack);
    EXPECT_EQ(pSurface->Pixel(5, 7), test::kBlack);
    EXPECT_EQ(pSurface->Pixel(6, 7), test::kWhite);
    EXPECT_EQ(GetDeviceCaps(dc.Get(), HORZRES), 4);
    UniqueDC mem(CreateCompatibleDC(dc.Get()));
    UniqueGdiObject bitmap(CreateCompatibleBitmap(dc.Get(), 2, 2));
    EXPECT_EQ(SelectObject(dc.Get(), bitmap.Get()), HGDIOBJ{})
        << "bitmaps go into memory contexts only";
}

TEST(GdiObjects, StateSettersReturnTheOldValue) {
    BitmapDC dc(1, 1);
    EXPECT_EQ(SetBkMode(dc.Get(), TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc.Get(), OPAQUE), TRANSPARENT);
    EXPECT_EQ(SetTextColor(dc.Get(), test::kRed), test::kBlack);
    EXPECT_EQ(SetTextColor(dc.Get(), test::kBlue), test::kRed);
    EXPECT_EQ(SetStretchBltMode(dc.Get(), COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(SetStretchBltMode(dc.Get(), HALFTONE), COLORONCOLOR);
    EXPECT_EQ(SetBkColor(dc.Get(), test::kRed), test::kWhite);
    EXPECT_EQ(GetDeviceCaps(dc.Get(), LOGPIXELSY), 96);
}

}  // namespace
}  // namespace qv::soft
