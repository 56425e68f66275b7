// One full paint of the list, from the host's Paint to the window's pixels, at 640 x 480 and
// 200 x 150 with 10 and with 30001 items: check style with check glyphs, 16-pixel item
// images, alternate row colours, a selected current item and 20-character texts. Each
// paint benchmark also times one plain fill of a bitmap of its client size in the same run
// and reports the ratio of the two as fill_ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "control/ColorListBox.h"
#include "platform/soft/gdi/ImageLists.h"
#include "platform/soft/gdi/Pictures.h"
#include "platform/soft/host/ControlSite.h"
#include "platform/soft/host/Form.h"
#include "platform/soft/user/WindowSystem.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/GdiOwners.h"
#include "platform/win32/ImageList.h"
#include "qvhost/PlacedList.h"

namespace qv {
namespace {

using namespace win32;
using Clock = std::chrono::steady_clock;

// A list on a form whose client area is nWidth x nHeight beside its scroll bar.
struct PaintedList {
    PaintedList(int nWidth, int nHeight, int nItems)
        : form(nWidth + soft::kScrollBarWidth + 20, nHeight + 20),
          placed(form, 0, 0, nWidth + soft::kScrollBarWidth, nHeight),
          hImages(soft::CreateGeneratedImageList(16, 16, 8)) {
        placed.StartNew();
        control.SetFrameStyle(fsNone);
        control.SetStyle(lsCheck);
        control.SetBackStyle(bsAlternate);
        control.SetImageList(static_cast<Long>(HandleValue(hImages)));
        for (int i = 0; i < nItems; ++i) {
            char sText[32];
            std::snprintf(sText, sizeof sText, "Item text no. %06d", i);  // 20 characters
            control.AddItem(sText, i % 8);
        }
        control.SetSelectedItem(1, VbTrue);  // check style keeps one mark set this way
        control.SetListIndex(2);
        form.RunUntilIdle();
    }
    ~PaintedList() {
        site.Terminate();
        ImageList_Destroy(hImages);
    }
    soft::Form form;
    qvhost::PlacedList placed;
    site::ControlSiteCore& site = placed.Site();
    ColorListBox& control = placed.Control();
    HIMAGELIST hImages;
};

// The mean time of one solid fill of a bitmap of that size, over enough fills to be steady.
double PlainFillSeconds(int nWidth, int nHeight) {
    const win32::UniqueDC dc(CreateCompatibleDC(HDC{}));
    const win32::UniqueGdiObject bitmap(CreateCompatibleBitmap(dc.Get(), nWidth, nHeight));
    const win32::ScopedSelection selection(dc.Get(), bitmap.Get());
    const LOGBRUSH logBrush{BS_SOLID, 0x00FFFFFF, 0};
    const win32::UniqueGdiObject brush(CreateBrushIndirect(&logBrush));
    const RECT rcAll{0, 0, nWidth, nHeight};
    constexpr int kFills = 2000;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kFills; ++i) {
        FillRect(dc.Get(), &rcAll, brush.Get());
        benchmark::ClobberMemory();
    }
    return std::chrono::duration<double>(Clock::now() - start).count() / kFills;
}

void BM_PaintList(benchmark::State& state) {
    const int nWidth = static_cast<int>(state.range(0));
    const int nHeight = static_cast<int>(state.range(1));
    PaintedList list(nWidth, nHeight, static_cast<int>(state.range(2)));
    const double dFillSeconds = PlainFillSeconds(nWidth, nHeight);
    const Clock::time_point start = Clock::now();
    for (auto _ : state) {
        list.control.UserControl_Paint();
        benchmark::ClobberMemory();
    }
    const double dPaintSeconds =
        std::chrono::duration<double>(Clock::now() - start).count() / state.iterations();
    state.counters["fill_us"] = dFillSeconds * 1e6;
    state.counters["fill_ratio"] = dPaintSeconds / dFillSeconds;
}
BENCHMARK(BM_PaintList)
    ->ArgNames({"w", "h", "items"})
    ->Args({640, 480, 10})
    ->Args({640, 480, 30})
    ->Args({640, 480, 30001})
    ->Args({200, 150, 10})
    ->Args({200, 150, 30001})
    ->Unit(benchmark::kMicrosecond);

// The same full list at 640 x 480 on a plain background and on tiles of a picture.
void BM_PaintBackStyle(benchmark::State& state, Long nBackStyle, int nTileSide) {
    PaintedList list(640, 480, 30001);
    if (nTileSide > 0) {
        soft::SurfaceRef pTile = soft::Surface::Create(nTileSide, nTileSide, 0x00C08040);
        pTile->SetPixel(0, 0, 0x000000FF);
        list.control.SetBackPicture(soft::MakeBitmapPicture(pTile));
    }
    list.control.SetBackStyle(nBackStyle);
    list.form.RunUntilIdle();
    for (auto _ : state) {
        list.control.UserControl_Paint();
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(BM_PaintBackStyle, normal, bsNormal, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintBackStyle, repeat_16x16, bsPictureRepeat, 16)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintBackStyle, repeat_1x1, bsPictureRepeat, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qv
