#include "platform/windows/GdiObjectCount.h"

#include <atomic>

namespace qv::windows {

namespace {
std::atomic<long> g_nLiveGdiObjects{0};
}  // namespace

long LiveGdiObjects() {
    return g_nLiveGdiObjects.load(std::memory_order_relaxed);
}

void CountGdiCreated() {
    g_nLiveGdiObjects.fetch_add(1, std::memory_order_relaxed);
}

void CountGdiDeleted() {
    g_nLiveGdiObjects.fetch_sub(1, std::memory_order_relaxed);
}

}  // namespace qv::windows
