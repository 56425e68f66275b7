// Selection at the largest list: counting, selecting all, the resets of a new mode or
// style, and a host that selects item after item from its own data.
#include <benchmark/benchmark.h>

#include <memory>

#include "control/ColorListBox.h"
#include "platform/soft/host/ControlSite.h"
#include "platform/soft/host/Form.h"
#include "platform/win32/Input.h"
#include "qvhost/PlacedList.h"

namespace qv {

namespace {

// Ctrl+A, the way a user selects every item in extended selection.
void SelectAll(ColorListBox& control) {
    Integer nKeyCode = 'A';
    Integer nShift = win32::kCtrlMask;
    control.UserControl_KeyDown(nKeyCode, nShift);
}

constexpr int kItems = 30001;

struct FullList {
    FullList() : form(640, 480), placed(form, 0, 0, 200, 300) {
        placed.StartNew();
        for (int i = 0; i < kItems; ++i) control.AddItem("Item");
        form.RunUntilIdle();
    }
    ~FullList() { site.Terminate(); }
    soft::Form form;
    qvhost::PlacedList placed;
    site::ControlSiteCore& site = placed.Site();
    ColorListBox& control = placed.Control();
};

void BM_SelCount30001(benchmark::State& state) {
    FullList list;
    list.control.SetMultiSelect(msExtend);
    SelectAll(list.control);
    for (auto _ : state) benchmark::DoNotOptimize(list.control.SelCount());
}
BENCHMARK(BM_SelCount30001)->Unit(benchmark::kMicrosecond);

void BM_SelectAll30001(benchmark::State& state) {
    FullList list;
    list.control.SetMultiSelect(msExtend);
    for (auto _ : state) SelectAll(list.control);
}
BENCHMARK(BM_SelectAll30001)->Unit(benchmark::kMicrosecond);

// Each change of mode in normal style clears every flag.
void BM_MultiSelectReset30001(benchmark::State& state) {
    FullList list;
    Long nMode = msSingle;
    for (auto _ : state) {
        state.PauseTiming();
        list.control.SetMultiSelect(msExtend);
        SelectAll(list.control);
        state.ResumeTiming();
        nMode = nMode == msMulti ? msSingle : msMulti;
        list.control.SetMultiSelect(nMode);
    }
}
BENCHMARK(BM_MultiSelectReset30001)->Unit(benchmark::kMicrosecond);

void BM_StyleReset30001(benchmark::State& state) {
    FullList list;
    Long nStyle = lsNormal;
    for (auto _ : state) {
        nStyle = nStyle == lsNormal ? lsCheck : lsNormal;
        list.control.SetStyle(nStyle);
    }
}
BENCHMARK(BM_StyleReset30001)->Unit(benchmark::kMicrosecond);

// 30001 calls, one item at a time, in multiple selection.
void BM_SetSelectedItemEach30001(benchmark::State& state) {
    FullList list;
    list.control.SetMultiSelect(msMulti);
    for (auto _ : state) {
        for (Long i = 0; i < kItems; ++i) list.control.SetSelectedItem(i, VbTrue);
        state.PauseTiming();
        list.control.SetMultiSelect(msSingle);
        list.control.SetMultiSelect(msMulti);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SetSelectedItemEach30001)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv
