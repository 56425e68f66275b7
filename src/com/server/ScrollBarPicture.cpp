#include "com/server/ScrollBarPicture.h"

#include <oleacc.h>

#include <utility>

namespace qv::com {

namespace {

// GetScrollBarInfo's rgstate: the bar, then its parts from the top (left) arrow on.
enum BarPart { kBar = 0, kFirstArrow = 1, kThumb = 3, kLastArrow = 5 };

bool Has(const SCROLLBARINFO& info, BarPart ePart, DWORD dwState) {
    return (info.rgstate[ePart] & dwState) != 0;
}

// The track: the system's scroll-bar colour, or, where that would vanish against the
// window colour, a dither of the face and highlight colours.
class TrackBrush {
  public:
    explicit TrackBrush(HDC hDC) : m_hDC(hDC) {
        m_clrOldText = ::SetTextColor(hDC, ::GetSysColor(COLOR_3DFACE));
        m_clrOldBack = ::SetBkColor(hDC, ::GetSysColor(COLOR_3DHILIGHT));
        if (::GetSysColor(COLOR_3DHILIGHT) == ::GetSysColor(COLOR_WINDOW)) {
            static const WORD kDither[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
            m_hDither = ::CreateBitmap(8, 8, 1, 1, kDither);
            m_hOwnBrush = m_hDither ? ::CreatePatternBrush(m_hDither) : nullptr;
        }
        m_hOldBrush =
            ::SelectObject(hDC, m_hOwnBrush ? m_hOwnBrush : ::GetSysColorBrush(COLOR_SCROLLBAR));
    }
    ~TrackBrush() {
        ::SelectObject(m_hDC, m_hOldBrush);
        ::SetTextColor(m_hDC, m_clrOldText);
        ::SetBkColor(m_hDC, m_clrOldBack);
        if (m_hOwnBrush) ::DeleteObject(m_hOwnBrush);
        if (m_hDither) ::DeleteObject(m_hDither);
    }
    TrackBrush(const TrackBrush&) = delete;
    TrackBrush& operator=(const TrackBrush&) = delete;

    void Fill(const RECT& rc) const {
        if (rc.right > rc.left && rc.bottom > rc.top)
            ::PatBlt(m_hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, PATCOPY);
    }

  private:
    HDC m_hDC;
    HBITMAP m_hDither = nullptr;
    HBRUSH m_hOwnBrush = nullptr;
    HGDIOBJ m_hOldBrush;
    COLORREF m_clrOldText;
    COLORREF m_clrOldBack;
};

// One bar, its rectangle in window pixels. Offsets along the bar run from its top (left).
void DrawBar(HDC hDC, const SCROLLBARINFO& info, RECT rcBar, bool bVertical) {
    const int nLength = bVertical ? rcBar.bottom - rcBar.top : rcBar.right - rcBar.left;
    const int nButton = ::GetSystemMetrics(bVertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    const int nArrow = nButton < nLength / 2 ? nButton : nLength / 2;
    // The part of the bar from offset nFrom to nTo.
    auto part = [&](int nFrom, int nTo) {
        RECT rc = rcBar;
        if (bVertical) {
            rc.top = rcBar.top + nFrom;
            rc.bottom = rcBar.top + nTo;
        } else {
            rc.left = rcBar.left + nFrom;
            rc.right = rcBar.left + nTo;
        }
        return rc;
    };
    const bool bDisabled = Has(info, kBar, STATE_SYSTEM_UNAVAILABLE);
    auto arrow = [&](BarPart ePart, UINT uShape, const RECT& rc) {
        RECT rcArrow = rc;
        const bool bInactive = bDisabled || Has(info, ePart, STATE_SYSTEM_UNAVAILABLE);
        ::DrawFrameControl(hDC, &rcArrow, DFC_SCROLL, uShape | (bInactive ? DFCS_INACTIVE : 0));
    };
    arrow(kFirstArrow, bVertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT, part(0, nArrow));
    arrow(kLastArrow, bVertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT,
          part(nLength - nArrow, nLength));

    const TrackBrush track(hDC);
    const bool bThumb = !bDisabled && !Has(info, kThumb, STATE_SYSTEM_INVISIBLE) &&
                        info.xyThumbBottom > info.xyThumbTop;
    if (!bThumb) {
        track.Fill(part(nArrow, nLength - nArrow));
        return;
    }
    track.Fill(part(nArrow, info.xyThumbTop));
    track.Fill(part(info.xyThumbBottom, nLength - nArrow));
    RECT rcThumb = part(info.xyThumbTop, info.xyThumbBottom);
    ::DrawEdge(hDC, &rcThumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

}  // namespace

void DrawWindowScrollBars(HWND hWnd, HDC hDC) {
    RECT rcWindow{};
    if (!::GetWindowRect(hWnd, &rcWindow)) return;
    const std::pair<LONG, bool> bars[] = {{OBJID_VSCROLL, true}, {OBJID_HSCROLL, false}};
    for (const auto& [idObject, bVertical] : bars) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        if (!::GetScrollBarInfo(hWnd, idObject, &info)) continue;
        if (Has(info, kBar, STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) continue;
        RECT rcBar = info.rcScrollBar;
        ::OffsetRect(&rcBar, -rcWindow.left, -rcWindow.top);
        DrawBar(hDC, info, rcBar, bVertical);
    }
}

}  // namespace qv::com
