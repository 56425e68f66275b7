// A key press that moves the selection in a full list, up to the end of the paint it
// causes, as the user sees it.
#include <benchmark/benchmark.h>

#include <string>

#include "control/ColorListBox.h"
#include "platform/soft/host/ControlSite.h"
#include "platform/soft/host/Form.h"
#include "platform/win32/Types.h"
#include "qvhost/PlacedList.h"

namespace qv {
namespace {

void BM_KeyDownMovesTheSelection(benchmark::State& state) {
    soft::Form form(640, 480);
    qvhost::PlacedList placed(form, 0, 0, 640, 480);
    placed.StartNew();
    site::ControlSiteCore& site = placed.Site();
    ColorListBox& control = placed.Control();
    for (Long i = 0; i < state.range(0); ++i) control.AddItem("Item number " + std::to_string(i));
    form.Windows().SetFocus(site.hWnd());
    form.RunUntilIdle();
    constexpr int kDown = 40, kUp = 38;
    int nKey = kDown;
    for (auto _ : state) {
        form.Windows().Key(win32::WM_KEYDOWN, nKey, 0);
        form.RunUntilIdle();
        nKey = nKey == kDown ? kUp : kDown;  // stay near the top, where the paint is full
    }
    site.Terminate();
}
BENCHMARK(BM_KeyDownMovesTheSelection)->Arg(10)->Arg(30001)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qv
