// Hover notifications on the virtual clock. The clock moves only when the host lets time
// pass, so the same input gives the same notifications at the same moments every time.
#include <algorithm>

#include "platform/soft/PlatformContext.h"
#include "platform/soft/user/WindowSystem.h"
#include "platform/win32/User.h"

namespace qv::soft {

using namespace win32;

namespace {
constexpr unsigned kDefaultHoverTime = 400;
}

void WindowSystem::TrackHover(HWND hWnd, unsigned nHoverTime) {
    if (!Find(hWnd)) return;
    CancelHover(hWnd);
    m_hoverRequests.push_back({hWnd, nHoverTime, Now() + nHoverTime});
}

void WindowSystem::CancelHover(HWND hWnd) {
    std::erase_if(m_hoverRequests,
                  [hWnd](const HoverRequest& request) { return request.hWnd == hWnd; });
}

// Resting starts again with every move of the pointer.
void WindowSystem::RestartHoverClocks() {
    const unsigned long long nNow = Now();
    for (HoverRequest& request : m_hoverRequests) request.nDue = nNow + request.nHoverTime;
}

unsigned long long WindowSystem::Now() const {
    return m_context.Now();
}

void WindowSystem::AdvanceTime(unsigned nMilliseconds) {
    m_context.AdvanceTime(nMilliseconds);
}

namespace {
template <typename TRequests>
auto EarliestRequest(TRequests& requests) {
    return std::min_element(requests.begin(), requests.end(),
                            [](const auto& a, const auto& b) { return a.nDue < b.nDue; });
}
}  // namespace

std::optional<unsigned long long> WindowSystem::NextHoverDue() const {
    auto itNext = EarliestRequest(m_hoverRequests);
    if (itNext == m_hoverRequests.end()) return std::nullopt;
    return itNext->nDue;
}

void WindowSystem::DeliverNextHover() {
    auto itNext = EarliestRequest(m_hoverRequests);
    if (itNext == m_hoverRequests.end()) return;
    const HoverRequest request = *itNext;
    m_hoverRequests.erase(itNext);
    DeliverHover(request);
    RunUntilIdle();
}

// The request is used up either way; it fires only while the pointer is over the window,
// or anywhere while the window holds the capture.
void WindowSystem::DeliverHover(const HoverRequest& request) {
    if (!Find(request.hWnd)) return;
    const bool bCaptured = m_hCapture == request.hWnd;
    if (!bCaptured && WindowAt(m_ptPointer) != request.hWnd) return;
    PostMessage(request.hWnd, WM_MOUSEHOVER, MouseKeyFlags(),
                ClientPoint(request.hWnd, m_ptPointer));
}

}  // namespace qv::soft

namespace qv::win32 {

BOOL TrackMouseEvent(TRACKMOUSEEVENT* pEventTrack) {
    if (!pEventTrack) return FALSE;
    soft::WindowSystem* pWindows = soft::WindowSystemOf(pEventTrack->hwndTrack);
    if (!pWindows) return FALSE;
    soft::WindowSystem& windows = *pWindows;
    if (!(pEventTrack->dwFlags & TME_HOVER)) return TRUE;
    if (pEventTrack->dwFlags & TME_CANCEL) {
        windows.CancelHover(pEventTrack->hwndTrack);
        return TRUE;
    }
    const unsigned nTime = pEventTrack->dwHoverTime == HOVER_DEFAULT ? soft::kDefaultHoverTime
                                                                     : pEventTrack->dwHoverTime;
    windows.TrackHover(pEventTrack->hwndTrack, nTime);
    return TRUE;
}

}  // namespace qv::win32
