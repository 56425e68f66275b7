// The frame of the demo window after a click: the control's paint and the composition of
// the whole form that the window then shows. A frame at 60 per second has 16 ms.
#include <benchmark/benchmark.h>

#include "qvhost/DemoForm.h"

namespace qv {
namespace {

using qvhost::DemoForm;
using qvhost::DemoLayout;

constexpr int kRowHeight = 17;

// A click on row nRow of the list at rcList, the paints it causes, and the form composed.
void ClickAndCompose(DemoForm& form, const win32::RECT& rcList, int nRow) {
    const win32::POINT pt{rcList.left + 40, rcList.top + 2 + nRow * kRowHeight + 4};
    form.Windows().MouseDown(pt, win32::kLeftButton, 0);
    form.Windows().MouseUp(pt, win32::kLeftButton, 0);
    form.HostForm().RunUntilIdle();
    benchmark::DoNotOptimize(form.Compose());
}

// A click on the first list, alternating between two rows so that every click moves the
// selection, and the frame the window shows for it.
void BM_DemoFrameAfterClick(benchmark::State& state) {
    DemoForm form;
    const win32::RECT rcList = DemoLayout::ListRect(0);
    int nRow = 1;
    for (auto _ : state) {
        ClickAndCompose(form, rcList, nRow);
        nRow = 3 - nRow;
    }
}
BENCHMARK(BM_DemoFrameAfterClick)->Unit(benchmark::kMillisecond);

// The worst frame: a click while every list and the panel must paint again (as when the
// window is uncovered), and the whole form composed.
void BM_DemoFrameEveryListRepainted(benchmark::State& state) {
    DemoForm form;
    const win32::RECT rcList = DemoLayout::ListRect(0);
    int nRow = 1;
    for (auto _ : state) {
        form.Windows().ForEachWindow([&](const soft::Window& window) {
            if (window.hParent != win32::HWND{}) form.Windows().Invalidate(window.hWnd);
        });
        ClickAndCompose(form, rcList, nRow);
        nRow = 3 - nRow;
    }
}
BENCHMARK(BM_DemoFrameEveryListRepainted)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv
