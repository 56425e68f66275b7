#include "platform/soft/user/WindowSystem.h"

#include <algorithm>
#include <memory>

#include "platform/soft/PlatformContext.h"

namespace qv::soft {

using namespace win32;

namespace {
constexpr int kMaxIdleRounds = 10000;
}  // namespace

int Window::ClientWidth() const {
    int nWidth = rcOuter.right - rcOuter.left - 2 * nBorderWidth;
    if (vertical.bVisible) nWidth -= kScrollBarWidth;
    return std::max(nWidth, 0);
}

int Window::ClientHeight() const {
    return std::max(rcOuter.bottom - rcOuter.top - 2 * nBorderWidth, 0);
}

WindowSystem::WindowSystem() : m_context(PlatformContext::ThisThread()) {
    m_context.AddSystem(*this);
}

WindowSystem::~WindowSystem() {
    m_context.RemoveSystem(*this);
}

WindowSystem* WindowSystemOf(HWND hWnd) {
    return PlatformContext::ThisThread().SystemOf(hWnd);
}

HWND WindowSystem::CreateWindowAt(HWND hParent, const RECT& rcOuter, WNDPROC pfnProc) {
    const HWND hWnd = m_context.AddWindow(*this);
    Window& window = m_windows[HandleValue(hWnd)];
    window.hWnd = hWnd;
    window.hParent = hParent;
    window.rcOuter = LimitWindowRect(rcOuter);
    window.pfnProc = pfnProc;
    ClientAreaChanged(hWnd);
    return hWnd;
}

void WindowSystem::DestroyWindow(HWND hWnd) {
    m_pLastFound = nullptr;
    if (m_windows.erase(HandleValue(hWnd)) == 0) return;
    m_context.RemoveWindow(hWnd);
    if (m_hFocus == hWnd) m_hFocus = HWND{};
    if (m_hCapture == hWnd) m_hCapture = HWND{};
    if (m_scrollTracker.Window() == hWnd) m_scrollTracker.Cancel();
    CancelHover(hWnd);
    std::erase_if(m_queue, [hWnd](const QueuedMessage& msg) { return msg.hWnd == hWnd; });
}

// The last window found is asked for again and again (a list edit reaches its window a
// dozen times), so it is kept; map nodes stay where they are until erased.
Window* WindowSystem::Find(HWND hWnd) {
    if (m_pLastFound && m_pLastFound->hWnd == hWnd) return m_pLastFound;
    auto it = m_windows.find(HandleValue(hWnd));
    if (it == m_windows.end()) return nullptr;
    m_pLastFound = &it->second;
    return m_pLastFound;
}

void WindowSystem::SetVisible(HWND hWnd, bool bVisible) {
    if (Window* pWindow = Find(hWnd)) {
        pWindow->bVisible = bVisible;
        pWindow->bNeedsPaint = bVisible;
    }
}

void WindowSystem::MoveWindow(HWND hWnd, const RECT& rcOuter) {
    if (Window* pWindow = Find(hWnd)) {
        pWindow->rcOuter = LimitWindowRect(rcOuter);
        pWindow->bNeedsPaint = pWindow->bVisible;
        ClientAreaChanged(hWnd);
    }
}

void WindowSystem::SetBorderWidth(HWND hWnd, int nBorderWidth) {
    if (Window* pWindow = Find(hWnd)) {
        pWindow->nBorderWidth = nBorderWidth;
        ClientAreaChanged(hWnd);
    }
}

void WindowSystem::ClientAreaChanged(HWND hWnd) {
    if (Window* pWindow = Find(hWnd))
        pWindow->pClient.Resize(pWindow->ClientWidth(), pWindow->ClientHeight());
}

void WindowSystem::Invalidate(HWND hWnd) {
    if (Window* pWindow = Find(hWnd)) pWindow->bNeedsPaint = true;
}

void WindowSystem::Validate(HWND hWnd) {
    if (Window* pWindow = Find(hWnd)) pWindow->bNeedsPaint = false;
}

LRESULT WindowSystem::SendMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    Window* pWindow = Find(hWnd);
    if (!pWindow || !pWindow->pfnProc) return 0;
    return pWindow->pfnProc(hWnd, uMsg, wParam, lParam);
}

void WindowSystem::PostMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    m_queue.push_back({hWnd, uMsg, wParam, lParam});
}

bool WindowSystem::RunUntilIdle() {
    for (int nRound = 0; nRound < kMaxIdleRounds; ++nRound) {
        if (DeliverPostedMessages()) continue;
        if (!DeliverOnePaint()) return true;
    }
    return false;
}

bool WindowSystem::DeliverPostedMessages() {
    if (m_queue.empty()) return false;
    while (!m_queue.empty()) {
        const QueuedMessage msg = m_queue.front();
        m_queue.pop_front();
        SendMessage(msg.hWnd, msg.uMsg, msg.wParam, msg.lParam);
    }
    return true;
}

// WM_PAINT is synthesised only when the queue is empty, once however often the window
// was invalidated; the window counts as painted before its procedure runs, so an
// invalidation made while painting asks for another paint.
bool WindowSystem::DeliverOnePaint() {
    for (auto& [nHandle, window] : m_windows) {
        if (window.bVisible && window.bNeedsPaint) {
            window.bNeedsPaint = false;
            SendMessage(window.hWnd, WM_PAINT, 0, 0);
            return true;
        }
    }
    return false;
}

}  // namespace qv::soft
