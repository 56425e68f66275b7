#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "platform/soft/user/ClientPixels.h"
#include "platform/soft/user/ScrollBar.h"
#include "platform/soft/user/WindowLimits.h"
#include "platform/win32/Input.h"
#include "platform/win32/Types.h"

namespace qv::soft {

// Width of the standard vertical scroll bar, in pixels.
inline constexpr int kScrollBarWidth = 16;

struct ScrollBarState {
    bool bVisible = false;
    int nMin = 0;
    int nMax = 0;
    unsigned nPage = 0;
    int nPos = 0;
};

// One window: its outer rectangle in its parent's client coordinates (always within the
// window limits), the border inside that rectangle, the vertical scroll bar beside the
// client area, and what still needs painting.
struct Window {
    win32::HWND hWnd{};
    win32::HWND hParent{};
    win32::RECT rcOuter{};
    int nBorderWidth = 0;
    bool bVisible = false;
    bool bEnabled = true;
    win32::WNDPROC pfnProc = nullptr;
    ScrollBarState vertical;
    bool bNeedsPaint = false;
    ClientPixels pClient;  // what was painted into the client area

    int ClientWidth() const;
    int ClientHeight() const;
};

// A point as mouse messages carry it: two signed 16-bit halves, x in the low one.
win32::LPARAM PackPoint(win32::LONG nX, win32::LONG nY);

class PlatformContext;

// A set of windows with their message queue and the user's input, as one screen shows
// them (a form and the controls on it, say). Its window handles come from the thread's
// platform context, unique among all the window systems of the thread; the Win32-shaped
// functions find a window's system through its handle (WindowSystemOf).
class WindowSystem {
  public:
    WindowSystem();
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    win32::HWND CreateWindowAt(win32::HWND hParent, const win32::RECT& rcOuter,
                               win32::WNDPROC pfnProc);
    void DestroyWindow(win32::HWND hWnd);
    Window* Find(win32::HWND hWnd);
    std::size_t WindowCount() const { return m_windows.size(); }
    // Visits every window in creation order.
    template <typename TVisit>
    void ForEachWindow(TVisit&& visit) const {
        for (const auto& [nHandle, window] : m_windows) visit(window);
    }

    void SetVisible(win32::HWND hWnd, bool bVisible);
    void MoveWindow(win32::HWND hWnd, const win32::RECT& rcOuter);
    void SetBorderWidth(win32::HWND hWnd, int nBorderWidth);
    void Invalidate(win32::HWND hWnd);
    // Tells the window's client pixels the size of its client area after the border, the
    // outer size or the scroll bar changed; they follow when next looked at, keeping what
    // fits of the old pixels.
    void ClientAreaChanged(win32::HWND hWnd);
    void Validate(win32::HWND hWnd);

    win32::LRESULT SendMessage(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                               win32::LPARAM lParam);
    void PostMessage(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                     win32::LPARAM lParam);

    // Where a window's client area starts, in the coordinates of the top-level window
    // (screen coordinates), pinned to the 32-bit range.
    win32::POINT ClientOrigin(win32::HWND hWnd);

    // The user's input, at points in screen coordinates. A press captures the mouse
    // for the window it lands on until every button is up: moves and the release then
    // go to that window, wherever the pointer is. A left press first moves the focus to
    // the window it lands on. A press on a window's scroll bar drives the bar instead.
    void MouseDown(win32::POINT ptScreen, int nButton, int nModifiers);
    void MouseUp(win32::POINT ptScreen, int nButton, int nModifiers);
    void MouseMove(win32::POINT ptScreen, int nModifiers);
    void MouseWheel(win32::HWND hWnd, int nDelta, win32::POINT ptScreen, int nModifiers);
    // Keys go to the focus window; uMsg is WM_KEYDOWN, WM_KEYUP or WM_CHAR.
    void Key(win32::UINT uMsg, int nCode, int nModifiers);
    // Moves the focus (a null handle: to no window); disabled windows cannot take it.
    void SetFocus(win32::HWND hWnd);
    win32::HWND Focus() const { return m_hFocus; }
    win32::HWND Capture() const { return m_hCapture; }
    int Modifiers() const { return m_nModifiers; }
    int ButtonsHeld() const { return m_nButtons; }
    void EnableWindow(win32::HWND hWnd, bool bEnable);

    // Hover tracking on the virtual clock: one WM_MOUSEHOVER when the pointer has rested
    // for nHoverTime over the window, or anywhere while the window has the capture.
    void TrackHover(win32::HWND hWnd, unsigned nHoverTime);
    void CancelHover(win32::HWND hWnd);
    // Lets the thread's virtual time pass: what falls due, here or in another window system
    // of the thread, is delivered in time order, and after each the message loop of its
    // system runs until it is idle.
    void AdvanceTime(unsigned nMilliseconds);
    unsigned long long Now() const;
    // When this system's earliest hover request falls due; nothing when none is waiting.
    std::optional<unsigned long long> NextHoverDue() const;
    // Delivers the earliest hover request (at its time, which the clock has reached) and
    // runs the message loop until it is idle.
    void DeliverNextHover();

    // Delivers the posted messages, then one WM_PAINT to each visible window that needs
    // painting, until nothing is left. A window that keeps invalidating itself from its
    // own paint is given up after a bounded number of rounds; returns false then.
    bool RunUntilIdle();

  private:
    struct QueuedMessage {
        win32::HWND hWnd;
        win32::UINT uMsg;
        win32::WPARAM wParam;
        win32::LPARAM lParam;
    };

    // A client origin as it really is, which may lie beyond 32 bits.
    struct Offset {
        std::int64_t nX = 0;
        std::int64_t nY = 0;
    };

    struct HoverRequest {
        win32::HWND hWnd{};
        unsigned nHoverTime = 0;
        unsigned long long nDue = 0;
    };

    bool DeliverPostedMessages();
    bool DeliverOnePaint();
    Offset ExactClientOrigin(win32::HWND hWnd);
    win32::HWND WindowAt(win32::POINT ptScreen);
    bool OnScrollBar(win32::HWND hWnd, win32::POINT ptScreen, ScrollBarLayout& layout, int& nBarY);
    void SendMouse(win32::HWND hWnd, win32::UINT uMsg, win32::POINT ptScreen);
    // A screen point in the window's client coordinates, packed as mouse messages carry it.
    win32::LPARAM ClientPoint(win32::HWND hWnd, win32::POINT ptScreen);
    win32::WPARAM MouseKeyFlags() const;
    void ReleaseCaptureIfUp();
    void RestartHoverClocks();
    void DeliverHover(const HoverRequest& request);

    std::map<std::uint32_t, Window> m_windows;  // by handle, that is in creation order
    Window* m_pLastFound = nullptr;
    std::deque<QueuedMessage> m_queue;
    win32::HWND m_hFocus{};
    win32::HWND m_hCapture{};
    win32::POINT m_ptPointer{};
    int m_nButtons = 0;
    int m_nModifiers = 0;
    ScrollBarTracker m_scrollTracker;
    std::vector<HoverRequest> m_hoverRequests;
    PlatformContext& m_context;
};

// The window system of the thread that holds the window; nullptr for a handle that no live
// window has.
WindowSystem* WindowSystemOf(win32::HWND hWnd);

}  // namespace qv::soft
