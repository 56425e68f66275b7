// Filling the list through the control's own operations, as a host does.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "control/ColorListBox.h"
#include "platform/soft/host/ControlSite.h"
#include "platform/soft/host/Form.h"
#include "qvhost/PlacedList.h"

namespace qv {
namespace {

constexpr int kItems = 30001;

struct HostedList {
    HostedList() : form(640, 480), placed(form, 0, 0, 200, 300) {
        placed.StartNew();
        form.RunUntilIdle();
    }
    ~HostedList() { site.Terminate(); }
    soft::Form form;
    qvhost::PlacedList placed;
    site::ControlSiteCore& site = placed.Site();
    ColorListBox& control = placed.Control();
};

std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    for (int i = 0; i < kItems; ++i) texts.push_back("Item number " + std::to_string(i));
    return texts;
}

void BM_AddItem30001(benchmark::State& state) {
    const std::vector<std::string> texts = Texts();
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<HostedList>();
        state.ResumeTiming();
        for (const std::string& sText : texts) list->control.AddItem(sText);
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddItem30001)->Unit(benchmark::kMillisecond);

void BM_InsertItemAtTop30001(benchmark::State& state) {
    const std::vector<std::string> texts = Texts();
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<HostedList>();
        state.ResumeTiming();
        for (const std::string& sText : texts) list->control.InsertItem(0, sText);
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertItemAtTop30001)->Unit(benchmark::kMillisecond);

// Single selection re-applies itself after each removal.
void BM_RemoveItemAtTopSingle30001(benchmark::State& state) {
    const std::vector<std::string> texts = Texts();
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<HostedList>();
        for (const std::string& sText : texts) list->control.AddItem(sText);
        list->control.SetListIndex(0);
        state.ResumeTiming();
        while (list->control.ListCount() > 0) list->control.RemoveItem(0);
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveItemAtTopSingle30001)->Unit(benchmark::kMillisecond);

void BM_GetTextAtRandom(benchmark::State& state) {
    HostedList list;
    for (const std::string& sText : Texts()) list.control.AddItem(sText);
    std::string sValue;
    Long nIndex = 0;
    for (auto _ : state) {
        list.control.GetText(nIndex, sValue);
        benchmark::DoNotOptimize(sValue);
        nIndex = (nIndex + 7919) % kItems;
    }
}
BENCHMARK(BM_GetTextAtRandom);

}  // namespace
}  // namespace qv
