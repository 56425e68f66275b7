// The user's mouse, keyboard and focus, turned into the messages a window receives.
#include <algorithm>

#include "platform/soft/user/WindowSystem.h"

namespace qv::soft {

using namespace win32;

namespace {

UINT ButtonMessage(int nButton, bool bDown) {
    switch (nButton) {
        case kRightButton:
            return bDown ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        case kMiddleButton:
            return bDown ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        default:
            return bDown ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    }
}

bool Contains(const RECT& rc, std::int64_t nX, std::int64_t nY) {
    return nX >= rc.left && nX < rc.right && nY >= rc.top && nY < rc.bottom;
}

}  // namespace

// Points farther out than 16 bits are pinned to the edge of that range rather than wrapped.
LPARAM PackPoint(LONG nX, LONG nY) {
    const auto Half = [](LONG nValue) {
        return static_cast<std::uint32_t>(
            static_cast<std::uint16_t>(std::clamp<LONG>(nValue, -32768, 32767)));
    };
    return static_cast<LPARAM>(static_cast<std::int32_t>(Half(nX) | (Half(nY) << 16)));
}

WindowSystem::Offset WindowSystem::ExactClientOrigin(HWND hWnd) {
    Offset origin;
    for (Window* pWindow = Find(hWnd); pWindow; pWindow = Find(pWindow->hParent)) {
        origin.nX += std::int64_t{pWindow->rcOuter.left} + pWindow->nBorderWidth;
        origin.nY += std::int64_t{pWindow->rcOuter.top} + pWindow->nBorderWidth;
    }
    return origin;
}

POINT WindowSystem::ClientOrigin(HWND hWnd) {
    const Offset origin = ExactClientOrigin(hWnd);
    return {SaturateToLong(origin.nX), SaturateToLong(origin.nY)};
}

// The topmost enabled, visible child window under the point (later windows lie on top),
// or the top-level window.
HWND WindowSystem::WindowAt(POINT ptScreen) {
    HWND hFound{};
    for (auto& [nHandle, window] : m_windows) {
        if (!window.bVisible) continue;
        if (window.hParent == HWND{}) {
            if (hFound == HWND{}) hFound = window.hWnd;
            continue;
        }
        const Offset parent = ExactClientOrigin(window.hParent);
        const std::int64_t nLocalX = ptScreen.x - parent.nX;
        const std::int64_t nLocalY = ptScreen.y - parent.nY;
        if (window.bEnabled && Contains(window.rcOuter, nLocalX, nLocalY)) hFound = window.hWnd;
    }
    return hFound;
}

bool WindowSystem::OnScrollBar(HWND hWnd, POINT ptScreen, ScrollBarLayout& layout, int& nBarY) {
    Window* pWindow = Find(hWnd);
    if (!pWindow || !pWindow->vertical.bVisible) return false;
    const Offset client = ExactClientOrigin(hWnd);
    const std::int64_t nBarX = ptScreen.x - client.nX - pWindow->ClientWidth();
    // Far above or below the bar all points act alike; the bound keeps the drag sums small.
    nBarY = static_cast<int>(
        std::clamp<std::int64_t>(ptScreen.y - client.nY, -4 * kMaxWindowSide, 4 * kMaxWindowSide));
    layout = ScrollBarLayout::Of(pWindow->vertical, kScrollBarWidth, pWindow->ClientHeight());
    return nBarX >= 0 && nBarX < kScrollBarWidth && nBarY >= 0 && nBarY < layout.nHeight;
}

LPARAM WindowSystem::ClientPoint(HWND hWnd, POINT ptScreen) {
    const Offset client = ExactClientOrigin(hWnd);
    const POINT ptLocal = OffsetPoint(ptScreen, -client.nX, -client.nY);
    return PackPoint(ptLocal.x, ptLocal.y);
}

WPARAM WindowSystem::MouseKeyFlags() const {
    WPARAM nFlags = 0;
    if (m_nButtons & kLeftButton) nFlags |= MK_LBUTTON;
    if (m_nButtons & kRightButton) nFlags |= MK_RBUTTON;
    if (m_nButtons & kMiddleButton) nFlags |= MK_MBUTTON;
    if (m_nModifiers & win32::kShiftMask) nFlags |= MK_SHIFT;
    if (m_nModifiers & win32::kCtrlMask) nFlags |= MK_CONTROL;
    return nFlags;
}

void WindowSystem::SendMouse(HWND hWnd, UINT uMsg, POINT ptScreen) {
    SendMessage(hWnd, uMsg, MouseKeyFlags(), ClientPoint(hWnd, ptScreen));
}

void WindowSystem::MouseDown(POINT ptScreen, int nButton, int nModifiers) {
    m_ptPointer = ptScreen;
    m_nModifiers = nModifiers;
    const HWND hTarget = m_hCapture != HWND{} ? m_hCapture : WindowAt(ptScreen);
    ScrollBarLayout layout;
    int nBarY = 0;
    if (m_hCapture == HWND{} && nButton == kLeftButton && !m_scrollTracker.IsTracking() &&
        OnScrollBar(hTarget, ptScreen, layout, nBarY)) {
        m_scrollTracker.Press(hTarget, Find(hTarget)->vertical, layout, nBarY);
        return;
    }
    if (hTarget == HWND{} || m_scrollTracker.IsTracking()) return;
    if (nButton == kLeftButton && m_hFocus != hTarget) SetFocus(hTarget);
    if (!Find(hTarget)) return;
    m_nButtons |= nButton;
    m_hCapture = hTarget;
    SendMouse(hTarget, ButtonMessage(nButton, true), ptScreen);
}

void WindowSystem::MouseUp(POINT ptScreen, int nButton, int nModifiers) {
    m_ptPointer = ptScreen;
    m_nModifiers = nModifiers;
    if (m_scrollTracker.IsTracking()) {
        if (nButton == kLeftButton) m_scrollTracker.Release();
        return;
    }
    if (!(m_nButtons & nButton)) return;  // a release without its press
    m_nButtons &= ~nButton;
    const HWND hTarget = m_hCapture != HWND{} ? m_hCapture : WindowAt(ptScreen);
    ReleaseCaptureIfUp();
    if (hTarget != HWND{}) SendMouse(hTarget, ButtonMessage(nButton, false), ptScreen);
}

void WindowSystem::MouseMove(POINT ptScreen, int nModifiers) {
    m_ptPointer = ptScreen;
    m_nModifiers = nModifiers;
    RestartHoverClocks();
    if (m_scrollTracker.IsTracking()) {
        ScrollBarLayout layout;
        int nBarY = 0;
        const HWND hBar = m_scrollTracker.Window();
        OnScrollBar(hBar, ptScreen, layout, nBarY);
        if (Window* pWindow = Find(hBar)) m_scrollTracker.Move(pWindow->vertical, layout, nBarY);
        return;
    }
    const HWND hTarget = m_hCapture != HWND{} ? m_hCapture : WindowAt(ptScreen);
    if (hTarget != HWND{}) SendMouse(hTarget, WM_MOUSEMOVE, ptScreen);
}

void WindowSystem::MouseWheel(HWND hWnd, int nDelta, POINT ptScreen, int nModifiers) {
    m_ptPointer = ptScreen;
    m_nModifiers = nModifiers;
    const WPARAM nDeltaBits = static_cast<std::uint16_t>(std::clamp(nDelta, -32768, 32767));
    SendMessage(hWnd, WM_MOUSEWHEEL, MouseKeyFlags() | (nDeltaBits << 16),
                PackPoint(ptScreen.x, ptScreen.y));
}

void WindowSystem::ReleaseCaptureIfUp() {
    if (m_nButtons == 0) m_hCapture = HWND{};
}

void WindowSystem::Key(UINT uMsg, int nCode, int nModifiers) {
    m_nModifiers = nModifiers;
    if (m_hFocus == HWND{}) return;
    const LPARAM nFlags = uMsg == WM_KEYUP ? static_cast<LPARAM>(0xC0000001u) : 1;
    SendMessage(m_hFocus, uMsg, static_cast<WPARAM>(nCode), nFlags);
}

void WindowSystem::SetFocus(HWND hWnd) {
    Window* pWindow = Find(hWnd);
    if (hWnd != HWND{} && (!pWindow || !pWindow->bEnabled)) return;
    if (hWnd == m_hFocus) return;
    const HWND hOld = m_hFocus;
    m_hFocus = hWnd;
    if (hOld != HWND{}) SendMessage(hOld, WM_KILLFOCUS, static_cast<WPARAM>(HandleValue(hWnd)), 0);
    if (hWnd != HWND{} && m_hFocus == hWnd)
        SendMessage(hWnd, WM_SETFOCUS, static_cast<WPARAM>(HandleValue(hOld)), 0);
}

void WindowSystem::EnableWindow(HWND hWnd, bool bEnable) {
    Window* pWindow = Find(hWnd);
    if (!pWindow) return;
    pWindow->bEnabled = bEnable;
    if (!bEnable && m_hFocus == hWnd) SetFocus(HWND{});
}

}  // namespace qv::soft
