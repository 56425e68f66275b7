// Hover requests of a window that holds the capture, served by the runtime on the form's
// clock: wherever the cursor rests, and in the wait in which the rest time ends.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/User.h"
#include "platform/windows/host/Form.h"

// The system headers name the same values as macros.
constexpr qv::win32::DWORD kTrackHover = qv::win32::TME_HOVER;
constexpr qv::win32::DWORD kCancel = qv::win32::TME_CANCEL;

#include "platform/windows/SystemApi.h"

namespace qv {
namespace {

std::vector<::POINT> g_hovers;  // where each WM_MOUSEHOVER said the cursor was
::WNDPROC g_pfnStatic = nullptr;

LRESULT CALLBACK SpyProc(::HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_MOUSEHOVER)
        g_hovers.push_back(
            {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))});
    return ::CallWindowProcA(g_pfnStatic, hWnd, uMsg, wParam, lParam);
}

constexpr DWORD kHoverTime = 100;

class CapturedHoverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_hWnd = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 80,
                                   windows::ToReal<::HWND>(form.hWnd()), nullptr, nullptr, nullptr);
        g_pfnStatic = reinterpret_cast<::WNDPROC>(
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SpyProc)));
        g_hovers.clear();
        form.RunUntilIdle();
    }
    void TearDown() override {
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
        ::DestroyWindow(m_hWnd);
    }

    // The cursor onto a point given in the window's client coordinates.
    void PutCursor(int nX, int nY) {
        ::POINT pt{nX, nY};
        ::ClientToScreen(m_hWnd, &pt);
        ::SetCursorPos(pt.x, pt.y);
        form.RunUntilIdle();
    }

    BOOL Track(DWORD dwFlags) {
        win32::TRACKMOUSEEVENT track;
        track.dwFlags = dwFlags;
        track.hwndTrack = windows::ToOurs<win32::HWND>(m_hWnd);
        track.dwHoverTime = kHoverTime;
        return win32::TrackMouseEvent(&track);
    }

    windows::Form form{320, 240};
    ::HWND m_hWnd{};
};

struct RequestCase {
    const char* pszName;
    bool bCapture;
    ::POINT ptCursor;  // client coordinates
    bool bReleaseFirst;
    bool bCancelFirst;
    size_t nHovers;
};

// Answered wherever the cursor rests while the capture lasts; a request of a window
// without the capture stays the system's, which answers only over the window.
TEST_F(CapturedHoverTest, AnswersWhileTheCaptureLasts) {
    const RequestCase cases[] = {
        {"captured, below the window", true, {50, 150}, false, false, 1},
        {"captured, left of the window", true, {-5, 20}, false, false, 1},
        {"captured, over the window", true, {50, 40}, false, false, 1},
        {"capture released before the time", true, {50, 150}, true, false, 0},
        {"cancelled", true, {50, 150}, false, true, 0},
        {"not captured, below the window", false, {50, 150}, false, false, 0},
    };
    for (const RequestCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        g_hovers.clear();
        PutCursor(c.ptCursor.x, c.ptCursor.y);
        if (c.bCapture) ::SetCapture(m_hWnd);
        ASSERT_NE(Track(kTrackHover), 0);
        if (c.bReleaseFirst) ::ReleaseCapture();
        if (c.bCancelFirst) {
            ASSERT_NE(Track(kTrackHover | kCancel), 0);
        }
        form.PumpFor(2 * kHoverTime);
        ::ReleaseCapture();
        ASSERT_EQ(g_hovers.size(), c.nHovers);
        if (c.nHovers == 0) continue;
        EXPECT_EQ(g_hovers[0].x, c.ptCursor.x);
        EXPECT_EQ(g_hovers[0].y, c.ptCursor.y);
    }
}

// The work between two waits takes no time on the form's clock.
TEST_F(CapturedHoverTest, ComesInTheWaitInWhichTheRestTimeEnds) {
    PutCursor(50, 150);
    ::SetCapture(m_hWnd);
    ASSERT_NE(Track(kTrackHover), 0);
    ::Sleep(30);
    form.PumpFor(kHoverTime - 1);
    EXPECT_TRUE(g_hovers.empty());
    ::Sleep(30);
    form.PumpFor(1);
    EXPECT_EQ(g_hovers.size(), 1u);
}

// A cursor that leaves the hover rectangle rests again from where it is (noticed within
// 10 ms); one that stays within it keeps resting.
TEST_F(CapturedHoverTest, AMovedCursorRestsAgain) {
    struct MoveCase {
        int nDX;
        DWORD dwQuietAfterMove;  // no hover yet this long after the move
        DWORD dwHoverBy;         // but by then
    } const cases[] = {{1, kHoverTime / 2 - 1, kHoverTime / 2},
                       {20, kHoverTime - 1, kHoverTime + 10}};
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.nDX);
        g_hovers.clear();
        PutCursor(50, 150);
        ::SetCapture(m_hWnd);
        ASSERT_NE(Track(kTrackHover), 0);
        form.PumpFor(kHoverTime / 2);
        PutCursor(50 + c.nDX, 150);
        form.PumpFor(c.dwQuietAfterMove);
        EXPECT_TRUE(g_hovers.empty());
        form.PumpFor(c.dwHoverBy - c.dwQuietAfterMove);
        EXPECT_EQ(g_hovers.size(), 1u);
        ::ReleaseCapture();
    }
}

}  // namespace
}  // namespace qv
