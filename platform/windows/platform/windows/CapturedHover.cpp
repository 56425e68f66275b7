#include "platform/windows/CapturedHover.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/windows/RuntimeClock.h"

namespace qv::windows {

namespace {

struct HoverRequest {
    ::HWND hWnd;
    DWORD dwHoverTime;
    ::POINT ptRest;            // where the cursor rests, in screen coordinates
    std::uint64_t nRestStart;  // since when, on the runtime's clock
    std::uintptr_t nAlarm;
};

// How often the cursor is looked at while a request waits.
constexpr std::uint64_t kLookEvery = 10;

// The runtime clock's alarms call back on the thread that set them: one list a thread.
std::vector<HoverRequest>& Requests() {
    thread_local std::vector<HoverRequest> requests;
    return requests;
}

std::vector<HoverRequest>::iterator FindByWindow(::HWND hWnd) {
    return std::find_if(Requests().begin(), Requests().end(),
                        [hWnd](const HoverRequest& r) { return r.hWnd == hWnd; });
}

UINT SystemParameter(UINT uAction, UINT nFallback) {
    UINT nValue = 0;
    return ::SystemParametersInfoA(uAction, 0, &nValue, 0) && nValue > 0 ? nValue : nFallback;
}

// The cursor still rests while it stays within the hover rectangle centred where it was.
bool StillResting(const ::POINT& ptRest, const ::POINT& ptNow) {
    const LONG nHalfWidth = static_cast<LONG>(SystemParameter(SPI_GETMOUSEHOVERWIDTH, 4) / 2);
    const LONG nHalfHeight = static_cast<LONG>(SystemParameter(SPI_GETMOUSEHOVERHEIGHT, 4) / 2);
    return std::labs(ptNow.x - ptRest.x) <= nHalfWidth &&
           std::labs(ptNow.y - ptRest.y) <= nHalfHeight;
}

WPARAM MouseKeys() {
    const auto Down = [](int nKey) { return (::GetKeyState(nKey) & 0x8000) != 0; };
    return (Down(VK_LBUTTON) ? MK_LBUTTON : 0) | (Down(VK_RBUTTON) ? MK_RBUTTON : 0) |
           (Down(VK_MBUTTON) ? MK_MBUTTON : 0) | (Down(VK_SHIFT) ? MK_SHIFT : 0) |
           (Down(VK_CONTROL) ? MK_CONTROL : 0);
}

// The request is used up either way; it is answered while the window still has the
// capture, or when the cursor has come to rest over the window after all.
void Deliver(const HoverRequest& request, ::POINT ptCursor) {
    const bool bOver = ::WindowFromPoint(ptCursor) == request.hWnd;
    if (::GetCapture() != request.hWnd && !bOver) return;
    ::POINT pt = ptCursor;
    ::ScreenToClient(request.hWnd, &pt);
    ::PostMessageA(request.hWnd, WM_MOUSEHOVER, MouseKeys(),
                   MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
}

void LookAtCursor(::HWND hWnd);

void LookAgain(HoverRequest& request) {
    const ::HWND hWnd = request.hWnd;
    const std::uint64_t nNext =
        std::min(request.nRestStart + request.dwHoverTime, ClockNow() + kLookEvery);
    request.nAlarm = ClockCallAt(nNext, [hWnd] { LookAtCursor(hWnd); });
}

// A cursor that has left the hover rectangle rests again from where it is now.
void LookAtCursor(::HWND hWnd) {
    auto it = FindByWindow(hWnd);
    if (it == Requests().end()) return;
    ::POINT ptCursor{};
    ::GetCursorPos(&ptCursor);
    if (!StillResting(it->ptRest, ptCursor)) {
        it->ptRest = ptCursor;
        it->nRestStart = ClockNow();
    }
    if (::IsWindow(hWnd) && ClockNow() < it->nRestStart + it->dwHoverTime) {
        LookAgain(*it);
        if (it->nAlarm == 0) Requests().erase(it);
        return;
    }
    const HoverRequest request = *it;
    Requests().erase(it);
    if (::IsWindow(hWnd)) Deliver(request, ptCursor);
}

}  // namespace

bool TrackHoverWithCapture(::HWND hWnd, DWORD dwHoverTime) {
    CancelHoverWithCapture(hWnd);
    if (dwHoverTime == HOVER_DEFAULT) dwHoverTime = SystemParameter(SPI_GETMOUSEHOVERTIME, 400);
    HoverRequest request{hWnd, dwHoverTime, {}, ClockNow(), 0};
    ::GetCursorPos(&request.ptRest);
    LookAgain(request);
    if (request.nAlarm == 0) return false;
    Requests().push_back(request);
    return true;
}

void CancelHoverWithCapture(::HWND hWnd) {
    std::erase_if(Requests(), [hWnd](const HoverRequest& request) {
        if (request.hWnd != hWnd) return false;
        ClockCancel(request.nAlarm);
        return true;
    });
}

}  // namespace qv::windows
