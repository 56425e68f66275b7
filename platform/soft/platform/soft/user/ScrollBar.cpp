#include "platform/soft/user/ScrollBar.h"

#include <algorithm>

#include "platform/soft/user/WindowSystem.h"

namespace qv::soft {

using namespace win32;

namespace {

constexpr int kMinThumbLength = 8;

// nPart / nWhole of nLength, rounded to the nearest pixel as MulDiv rounds: the thumb of
// 68 pixels' track over eight positions is 9 pixels long, not 8. All three are at least 0
// and nWhole is positive.
long long RoundedShare(long long nLength, long long nPart, long long nWhole) {
    return (nLength * nPart + nWhole / 2) / nWhole;
}

}  // namespace

int HighestPosition(const ScrollBarState& bar) {
    const long long nPageExtra = bar.nPage > 0 ? static_cast<long long>(bar.nPage) - 1 : 0;
    return static_cast<int>(std::max<long long>(bar.nMin, bar.nMax - nPageExtra));
}

ScrollBarLayout ScrollBarLayout::Of(const ScrollBarState& bar, int nWidth, int nHeight) {
    ScrollBarLayout layout;
    layout.nWidth = nWidth;
    layout.nHeight = nHeight;
    layout.nArrowLength = std::min(nWidth, nHeight / 2);
    layout.nTrackTop = layout.nArrowLength;
    layout.nTrackLength = std::max(0, nHeight - 2 * layout.nArrowLength);
    const long long nRange = static_cast<long long>(bar.nMax) - bar.nMin + 1;
    const long long nSpan = static_cast<long long>(HighestPosition(bar)) - bar.nMin;
    if (nSpan <= 0 || layout.nTrackLength < kMinThumbLength) return layout;
    const long long nPage = bar.nPage > 0 ? bar.nPage : 1;
    const int nThumb = static_cast<int>(
        std::min<long long>(RoundedShare(layout.nTrackLength, nPage, nRange), layout.nTrackLength));
    layout.nThumbLength = std::clamp(nThumb, kMinThumbLength, layout.nTrackLength);
    const long long nFree = layout.nTrackLength - layout.nThumbLength;
    const long long nOffset =
        std::clamp<long long>(bar.nPos, bar.nMin, bar.nMin + nSpan) - bar.nMin;
    layout.nThumbTop = layout.nTrackTop + static_cast<int>(RoundedShare(nFree, nOffset, nSpan));
    return layout;
}

ScrollBarPart ScrollBarLayout::PartAt(int nX, int nY) const {
    if (nX < 0 || nX >= nWidth || nY < 0 || nY >= nHeight) return ScrollBarPart::None;
    if (nY < nTrackTop) return ScrollBarPart::UpArrow;
    if (nY >= nTrackTop + nTrackLength) return ScrollBarPart::DownArrow;
    if (nThumbLength == 0) return ScrollBarPart::None;
    if (nY < nThumbTop) return ScrollBarPart::PageUp;
    if (nY < nThumbTop + nThumbLength) return ScrollBarPart::Thumb;
    return ScrollBarPart::PageDown;
}

int ScrollBarLayout::PositionForThumbTop(const ScrollBarState& bar, int nTop) const {
    const int nFree = nTrackLength - nThumbLength;
    const long long nSpan = static_cast<long long>(HighestPosition(bar)) - bar.nMin;
    if (nFree <= 0 || nSpan <= 0) return bar.nMin;
    const long long nOffset =
        std::clamp<long long>(static_cast<long long>(nTop) - nTrackTop, 0, nFree);
    // Rounded to the nearest position, so the thumb snaps the way it is drawn.
    return static_cast<int>(bar.nMin + (nOffset * nSpan + nFree / 2) / nFree);
}

WPARAM ScrollRequest(int nRequest, int nPosition) {
    return static_cast<WPARAM>(static_cast<std::uint32_t>(nRequest & 0xFFFF) |
                               (static_cast<std::uint32_t>(nPosition & 0xFFFF) << 16));
}

void ScrollBarTracker::Press(HWND hWnd, const ScrollBarState& bar, const ScrollBarLayout& layout,
                             int nY) {
    m_hWnd = hWnd;
    m_ePart = layout.PartAt(0, nY);
    m_nTrackPosition = bar.nPos;
    switch (m_ePart) {
        case ScrollBarPart::UpArrow:
            Send(SB_LINEUP);
            break;
        case ScrollBarPart::DownArrow:
            Send(SB_LINEDOWN);
            break;
        case ScrollBarPart::PageUp:
            Send(SB_PAGEUP);
            break;
        case ScrollBarPart::PageDown:
            Send(SB_PAGEDOWN);
            break;
        case ScrollBarPart::Thumb:
            m_nGrabOffset = nY - layout.nThumbTop;
            break;
        case ScrollBarPart::None:
            break;
    }
}

void ScrollBarTracker::Move(const ScrollBarState& bar, const ScrollBarLayout& layout, int nY) {
    if (m_ePart != ScrollBarPart::Thumb) return;
    const int nPosition =
        layout.PositionForThumbTop(bar, SaturateToLong(static_cast<long long>(nY) - m_nGrabOffset));
    if (nPosition == m_nTrackPosition) return;
    m_nTrackPosition = nPosition;
    Send(SB_THUMBTRACK, nPosition);
}

void ScrollBarTracker::Release() {
    const ScrollBarPart ePart = m_ePart;
    m_ePart = ScrollBarPart::None;
    if (ePart == ScrollBarPart::None) return;
    if (ePart == ScrollBarPart::Thumb) Send(SB_THUMBPOSITION, m_nTrackPosition);
    Send(SB_ENDSCROLL);
}

void ScrollBarTracker::Send(int nRequest, int nPosition) const {
    if (WindowSystem* pWindows = WindowSystemOf(m_hWnd))
        pWindows->SendMessage(m_hWnd, WM_VSCROLL, ScrollRequest(nRequest, nPosition), 0);
}

}  // namespace qv::soft
