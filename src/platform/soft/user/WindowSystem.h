#pragma once

#include <cstdint>
#include <deque>
#include <map>

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

// One window: its outer rectangle in its parent's client coordinates, the border inside
// that rectangle, the vertical scroll bar beside the client area, and what still needs
// painting.
struct Window {
    win32::HWND hWnd{};
    win32::HWND hParent{};
    win32::RECT rcOuter{};
    int nBorderWidth = 0;
    bool bVisible = false;
    win32::WNDPROC pfnProc = nullptr;
    ScrollBarState vertical;
    bool bNeedsPaint = false;

    int ClientWidth() const;
    int ClientHeight() const;
};

// The windows of one thread and their message queue. The newest WindowSystem of a
// thread is its current one; the Win32-shaped functions act on it.
class WindowSystem {
  public:
    WindowSystem();
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // The current window system of this thread (one is made on first use if none exists).
    static WindowSystem& Current();

    win32::HWND CreateWindowAt(win32::HWND hParent, const win32::RECT& rcOuter,
                               win32::WNDPROC pfnProc);
    void DestroyWindow(win32::HWND hWnd);
    Window* Find(win32::HWND hWnd);
    std::size_t WindowCount() const { return m_windows.size(); }

    void SetVisible(win32::HWND hWnd, bool bVisible);
    void MoveWindow(win32::HWND hWnd, const win32::RECT& rcOuter);
    void SetBorderWidth(win32::HWND hWnd, int nBorderWidth);
    void Invalidate(win32::HWND hWnd);
    void Validate(win32::HWND hWnd);

    win32::LRESULT SendMessage(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                               win32::LPARAM lParam);
    void PostMessage(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                     win32::LPARAM lParam);

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

    bool DeliverPostedMessages();
    bool DeliverOnePaint();

    std::map<std::uint32_t, Window> m_windows;  // by handle, that is in creation order
    std::deque<QueuedMessage> m_queue;
    std::uint32_t m_nNextHandle = 0x00010010;
    WindowSystem* m_pPrevious = nullptr;
};

}  // namespace qv::soft
