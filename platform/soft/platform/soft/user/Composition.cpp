#include "platform/soft/user/Composition.h"

#include <algorithm>

#include "platform/win32/User.h"

namespace qv::soft {

using namespace win32;

namespace {

// System colour indices of the classic three-dimensional look.
constexpr int kFrame = 6;
constexpr int kFace = 15;
constexpr int kShadow = 16;
constexpr int kText = 18;
constexpr int kHighlight = 20;
constexpr int kDarkShadow = 21;
constexpr int kLight = 22;

std::uint32_t Sys(int nIndex) {
    return PixelOf(GetSysColor(nIndex));
}

void Fill(Surface& surface, RECT rc, std::uint32_t nPixel) {
    rc.left = std::max<LONG>(rc.left, 0);
    rc.top = std::max<LONG>(rc.top, 0);
    rc.right = std::min<LONG>(rc.right, surface.Width());
    rc.bottom = std::min<LONG>(rc.bottom, surface.Height());
    for (LONG nY = rc.top; nY < rc.bottom; ++nY)
        std::fill(surface.Row(nY) + rc.left, surface.Row(nY) + std::max(rc.left, rc.right), nPixel);
}

// One ring of an edge: top and left in one colour, bottom and right in another.
void Ring(Surface& surface, const RECT& rc, std::uint32_t nTopLeft, std::uint32_t nBottomRight) {
    Fill(surface, {rc.left, rc.top, rc.right - 1, rc.top + 1}, nTopLeft);
    Fill(surface, {rc.left, rc.top, rc.left + 1, rc.bottom - 1}, nTopLeft);
    Fill(surface, {rc.left, rc.bottom - 1, rc.right, rc.bottom}, nBottomRight);
    Fill(surface, {rc.right - 1, rc.top, rc.right, rc.bottom}, nBottomRight);
}

RECT Inset(const RECT& rc, int nBy) {
    return {rc.left + nBy, rc.top + nBy, rc.right - nBy, rc.bottom - nBy};
}

void RaisedButton(Surface& surface, const RECT& rc) {
    Fill(surface, rc, Sys(kFace));
    Ring(surface, rc, Sys(kLight), Sys(kDarkShadow));
    Ring(surface, Inset(rc, 1), Sys(kHighlight), Sys(kShadow));
}

// A solid triangle pointing up or down, centred in the button.
void Arrow(Surface& surface, const RECT& rc, bool bUp) {
    const int nRows = std::max<LONG>(1, std::min(rc.right - rc.left, rc.bottom - rc.top) / 4);
    const LONG nCentreX = (rc.left + rc.right - 1) / 2;
    const LONG nTop = (rc.top + rc.bottom - nRows) / 2;
    for (int i = 0; i < nRows; ++i) {
        const int nHalf = bUp ? i : nRows - 1 - i;
        Fill(surface, {nCentreX - nHalf, nTop + i, nCentreX + nHalf + 1, nTop + i + 1}, Sys(kText));
    }
}

// The track between the arrows: a fine checker of face and highlight.
void Track(Surface& surface, const RECT& rc) {
    for (LONG nY = std::max<LONG>(rc.top, 0); nY < std::min<LONG>(rc.bottom, surface.Height());
         ++nY) {
        for (LONG nX = std::max<LONG>(rc.left, 0); nX < std::min<LONG>(rc.right, surface.Width());
             ++nX)
            surface.Row(nY)[nX] = ((nX + nY) % 2 == 0) ? Sys(kHighlight) : Sys(kFace);
    }
}

void ScrollBarAt(Surface& surface, const Window& window, LONG nLeft, LONG nTop) {
    const int nHeight = window.ClientHeight();
    const ScrollBarLayout layout = ScrollBarLayout::Of(window.vertical, kScrollBarWidth, nHeight);
    const LONG nRight = nLeft + kScrollBarWidth;
    Track(surface,
          {nLeft, nTop + layout.nTrackTop, nRight, nTop + layout.nTrackTop + layout.nTrackLength});
    const RECT rcUp{nLeft, nTop, nRight, nTop + layout.nArrowLength};
    const RECT rcDown{nLeft, nTop + nHeight - layout.nArrowLength, nRight, nTop + nHeight};
    for (const RECT& rc : {rcUp, rcDown}) RaisedButton(surface, rc);
    Arrow(surface, rcUp, true);
    Arrow(surface, rcDown, false);
    if (layout.nThumbLength > 0) {
        RaisedButton(surface, {nLeft, nTop + layout.nThumbTop, nRight,
                               nTop + layout.nThumbTop + layout.nThumbLength});
    }
}

// A 2-pixel border is the sunken three-dimensional edge, a 1-pixel one a flat line.
void Border(Surface& surface, const Window& window) {
    const RECT rc = surface.Bounds();
    if (window.nBorderWidth >= 2) {
        Ring(surface, rc, Sys(kShadow), Sys(kHighlight));
        Ring(surface, Inset(rc, 1), Sys(kDarkShadow), Sys(kLight));
    } else if (window.nBorderWidth == 1) {
        Ring(surface, rc, Sys(kFrame), Sys(kFrame));
    }
}

// Offsets are 64-bit: a child's position plus its parent's border may pass 32 bits.
void Blit(Surface& dest, const Surface& source, std::int64_t nLeft, std::int64_t nTop) {
    const std::int64_t nFrom = std::max<std::int64_t>(0, -nLeft);
    const std::int64_t nTo = std::min<std::int64_t>(source.Width(), dest.Width() - nLeft);
    if (nFrom >= nTo) return;
    for (int nY = 0; nY < source.Height(); ++nY) {
        const std::int64_t nDestY = nTop + nY;
        if (nDestY < 0 || nDestY >= dest.Height()) continue;
        std::copy(source.Row(nY) + nFrom, source.Row(nY) + nTo,
                  dest.Row(static_cast<int>(nDestY)) + (nLeft + nFrom));
    }
}

}  // namespace

SurfaceRef ComposeWindow(WindowSystem& windows, HWND hWnd) {
    const Window* pWindow = windows.Find(hWnd);
    if (!pWindow) return nullptr;
    const RECT& rcOuter = pWindow->rcOuter;
    SurfaceRef pSurface =
        Surface::Create(std::max<LONG>(0, rcOuter.right - rcOuter.left),
                        std::max<LONG>(0, rcOuter.bottom - rcOuter.top), GetSysColor(kFace));
    if (!pSurface) return nullptr;
    Border(*pSurface, *pWindow);
    const int nInset = pWindow->nBorderWidth;
    Blit(*pSurface, *pWindow->pClient, nInset, nInset);
    if (pWindow->vertical.bVisible)
        ScrollBarAt(*pSurface, *pWindow, nInset + pWindow->ClientWidth(), nInset);
    return pSurface;
}

SurfaceRef ComposeForm(WindowSystem& windows, HWND hForm) {
    SurfaceRef pForm = ComposeWindow(windows, hForm);
    if (!pForm) return nullptr;
    const int nInset = windows.Find(hForm)->nBorderWidth;
    windows.ForEachWindow([&](const Window& window) {
        if (window.hParent != hForm || !window.bVisible) return;
        if (SurfaceRef pChild = ComposeWindow(windows, window.hWnd))
            Blit(*pForm, *pChild, std::int64_t{nInset} + window.rcOuter.left,
                 std::int64_t{nInset} + window.rcOuter.top);
    });
    return pForm;
}

}  // namespace qv::soft
