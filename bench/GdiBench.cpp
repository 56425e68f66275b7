// A paint-like load on the drawing platform: fill a 640 x 480 bitmap, then draw 30 rows of
// 20-character text and 30 check glyphs; and, for scale, one plain fill of that bitmap.
#include <benchmark/benchmark.h>

#include "platform/soft/gdi/SoftGdi.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/GdiOwners.h"

namespace qv {
namespace {

using namespace win32;

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kRows = 30;
constexpr int kRowHeight = 16;

struct Target {
    Target()
        : dc(CreateCompatibleDC(HDC{})),
          bitmap(CreateCompatibleBitmap(dc.Get(), kWidth, kHeight)),
          selection(dc.Get(), bitmap.Get()) {}
    win32::UniqueDC dc;
    win32::UniqueGdiObject bitmap;
    win32::ScopedSelection selection;
};

void Fill(HDC hDC) {
    const LOGBRUSH logBrush{BS_SOLID, 0x00FFFFFF, 0};
    win32::UniqueGdiObject brush(CreateBrushIndirect(&logBrush));
    const RECT rcAll{0, 0, kWidth, kHeight};
    FillRect(hDC, &rcAll, brush.Get());
}

void BM_GdiPlainFill(benchmark::State& state) {
    Target target;
    for (auto _ : state) {
        Fill(target.dc.Get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GdiPlainFill);

void BM_GdiPaintRows(benchmark::State& state) {
    Target target;
    const HDC hDC = target.dc.Get();
    win32::UniqueGdiObject font(CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0,
                                            0, 0, 0, "MS UI Gothic"));
    win32::ScopedSelection fontSelection(hDC, font.Get());
    SetBkMode(hDC, TRANSPARENT);
    const char kText[] = "Item text 0123456789";  // 20 characters
    for (auto _ : state) {
        Fill(hDC);
        for (int nRow = 0; nRow < kRows; ++nRow) {
            const int nTop = nRow * kRowHeight;
            const RECT rcGlyph{2, nTop + 2, 15, nTop + 15};
            DrawFrameControl(hDC, &rcGlyph, DFC_BUTTON,
                             DFCS_BUTTONCHECK | (nRow % 2 ? DFCS_CHECKED : 0));
            TextOutA(hDC, 21, nTop + 2, kText, 20);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GdiPaintRows);

}  // namespace
}  // namespace qv
