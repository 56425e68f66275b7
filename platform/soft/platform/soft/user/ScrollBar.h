#pragma once

#include "platform/win32/Types.h"

namespace qv::soft {

struct ScrollBarState;

// The parts of a vertical scroll bar, top to bottom.
enum class ScrollBarPart { None, UpArrow, PageUp, Thumb, PageDown, DownArrow };

// Where the parts of a vertical scroll bar lie, in pixels from the top of the bar. The
// arrow buttons are square; the thumb's length follows the page, and it is not shown
// when the track has no room for it or the bar cannot scroll.
struct ScrollBarLayout {
    int nWidth = 0;
    int nHeight = 0;
    int nArrowLength = 0;
    int nTrackTop = 0;
    int nTrackLength = 0;
    int nThumbTop = 0;
    int nThumbLength = 0;  // 0: no thumb

    static ScrollBarLayout Of(const ScrollBarState& bar, int nWidth, int nHeight);
    ScrollBarPart PartAt(int nX, int nY) const;
    // The position the thumb stands for when its top is at nThumbTop.
    int PositionForThumbTop(const ScrollBarState& bar, int nThumbTop) const;
};

// The highest position the bar allows (the last page starts there).
int HighestPosition(const ScrollBarState& bar);

// The user's hand on a scroll bar, from a press to its release:
//
//   press on      | at once                | while held, moving | on release
//   --------------+------------------------+--------------------+---------------------------
//   an arrow      | SB_LINEUP / SB_LINEDOWN| nothing            | SB_ENDSCROLL
//   the track     | SB_PAGEUP / SB_PAGEDOWN| nothing            | SB_ENDSCROLL
//   the thumb     | nothing                | SB_THUMBTRACK at   | SB_THUMBPOSITION at the
//                 |                        | each new position  | last position, SB_ENDSCROLL
//
// Each request goes to the bar's window as WM_VSCROLL; the bar itself does not move:
// its window sets the new position.
class ScrollBarTracker {
  public:
    bool IsTracking() const { return m_ePart != ScrollBarPart::None; }
    win32::HWND Window() const { return m_hWnd; }

    // nY is measured from the top of the bar.
    void Press(win32::HWND hWnd, const ScrollBarState& bar, const ScrollBarLayout& layout, int nY);
    void Move(const ScrollBarState& bar, const ScrollBarLayout& layout, int nY);
    void Release();
    void Cancel() { m_ePart = ScrollBarPart::None; }

  private:
    void Send(int nRequest, int nPosition = 0) const;

    win32::HWND m_hWnd{};
    ScrollBarPart m_ePart = ScrollBarPart::None;
    int m_nGrabOffset = 0;  // from the thumb's top to the point where it was grabbed
    int m_nTrackPosition = 0;
};

// The WM_VSCROLL parameter of a request, with the position in its high word.
win32::WPARAM ScrollRequest(int nRequest, int nPosition);

}  // namespace qv::soft
