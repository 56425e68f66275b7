// Loading a property-bag file that holds many keys the control never reads.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/bagfile/PropertyBagFile.h"
#include "platform/soft/host/SoftBagPictures.h"

namespace qv {
namespace {

std::string BagOfUnknownKeys(int nKeys) {
    std::string sText = "{";
    for (int i = 0; i < nKeys; ++i) sText += "\"Unknown" + std::to_string(i) + "\": 1, ";
    return sText + "\"FrameStyle\": 2}";
}

void BM_LoadBag100000Keys(benchmark::State& state) {
    const std::string sText = BagOfUnknownKeys(100000);
    for (auto _ : state) {
        bagfile::PropertyBagFile bag =
            bagfile::PropertyBagFile::LoadBytes(sText, "big.json", soft::BagPictures());
        benchmark::DoNotOptimize(bag.ReadProperty("FrameStyle", Variant(Long{1})));
    }
}
BENCHMARK(BM_LoadBag100000Keys)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv
