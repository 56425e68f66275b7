// Runs the benchmarks in a process that keeps its heap, as a long-running host does.
// Without this glibc returns each freed multi-megabyte item array to the system between
// iterations, and every iteration would time the page faults of fresh memory rather
// than the code being measured.
#include <benchmark/benchmark.h>
#include <malloc.h>

int main(int argc, char** argv) {
    constexpr int kKeptHeapBytes = 64 << 20;
    mallopt(M_TRIM_THRESHOLD, kKeptHeapBytes);
    mallopt(M_MMAP_THRESHOLD, kKeptHeapBytes);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
