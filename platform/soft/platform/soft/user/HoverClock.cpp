// Hover notifications on the virtual clock. The clock moves only when the host lets time
// pass, so the same input gives the same notifications at the same moments every time.
#include <algorithm>

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
    m_hoverRequests.push_back({hWnd, nHoverTime, m_nNow + nHoverTime});
}

void WindowSystem::CancelHover(HWND hWnd) {
    std::erase_if(m_hoverRequests,
                  [hWnd](const HoverRequest& request) { return request.hWnd == hWnd; });
}

// Resting starts again with every move of the pointer.
void WindowSystem::RestartHoverClocks() {
    for (HoverRequest& request : m_hoverRequests) request.nDue = m_nNow + request.nHoverTime;
}

void WindowSystem::AdvanceTime(unsigned nMilliseconds) {
    const unsigned long long nEnd = m_nNow + nMilliseconds;
    for (;;) {
        auto itNext = std::min_element(
            m_hoverRequests.begin(), m_hoverRequests.end(),
            [](const HoverRequest& a, const HoverRequest& b) { return a.nDue < b.nDue; });
        if (itNext == m_hoverRequests.end() || itNext->nDue > nEnd) break;
        const HoverRequest request = *itNext;
        m_hoverRequests.erase(itNext);
        m_nNow = request.nDue;
        DeliverHover(request);
        RunUntilIdle();
    }
    m_nNow = nEnd;
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
    soft::WindowSystem& windows = soft::WindowSystem::Current();
    if (!windows.Find(pEventTrack->hwndTrack)) return FALSE;
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
