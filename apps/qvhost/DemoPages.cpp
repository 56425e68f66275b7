#include "qvhost/DemoPages.h"

#include <algorithm>

#include "platform/win32/User.h"

namespace qv::qvhost {

namespace {

// The frame of a classic dialog: two rings, light above and left, dark below and right.
constexpr int kFrameWidth = 2;
constexpr int kLight = 22, kHighlight = 20, kShadow = 16, kDarkShadow = 21;

void PutPixel(soft::Surface& surface, int nX, int nY, int nSysColor) {
    if (surface.Contains(nX, nY)) surface.SetPixel(nX, nY, win32::GetSysColor(nSysColor));
}

void Ring(soft::Surface& surface, const win32::RECT& rc, int nTopLeft, int nBottomRight) {
    for (int nX = rc.left; nX < rc.right; ++nX) {
        PutPixel(surface, nX, rc.top, nX == rc.right - 1 ? nBottomRight : nTopLeft);
        PutPixel(surface, nX, rc.bottom - 1, nBottomRight);
    }
    for (int nY = rc.top + 1; nY < rc.bottom - 1; ++nY) {
        PutPixel(surface, rc.left, nY, nTopLeft);
        PutPixel(surface, rc.right - 1, nY, nBottomRight);
    }
}

}  // namespace

DemoPages::DemoPages(std::function<ColorListBox&()> lookUpList, const win32::SIZE& formSize)
    : m_formSize(formSize) {
    std::vector<std::unique_ptr<SelectedControl>> selection;
    selection.push_back(std::make_unique<SelectedControl>(std::move(lookUpList)));
    m_pSession = OpenPageSession("general", std::move(selection));
}

win32::RECT DemoPages::Bounds() const {
    const win32::SIZE size = m_pSession->sheet->Size();
    const int nWidth = size.cx + 2 * kFrameWidth;
    const int nHeight = size.cy + 2 * kFrameWidth;
    const int nLeft = std::max(0, (m_formSize.cx - nWidth) / 2);
    const int nTop = std::max(0, (m_formSize.cy - nHeight) / 2);
    return {nLeft, nTop, nLeft + nWidth, nTop + nHeight};
}

void DemoPages::MouseDown(const win32::POINT& ptForm) {
    const win32::RECT rc = Bounds();
    const int nX = ptForm.x - rc.left - kFrameWidth;
    const int nY = ptForm.y - rc.top - kFrameWidth;
    const win32::SIZE size = m_pSession->sheet->Size();
    if (nX < 0 || nY < 0 || nX >= size.cx || nY >= size.cy) return;
    Sheet().MouseDown(nX, nY);
}

// The sheet is repainted whole for every frame; it is small beside the form.
void DemoPages::DrawOver(soft::Surface& frame) const {
    const soft::SurfaceRef pSheet = m_pSession->sheet->Paint();
    if (!pSheet) return;
    const win32::RECT rc = Bounds();
    const int nLeft = rc.left + kFrameWidth;
    const int nTop = rc.top + kFrameWidth;
    const int nWidth = std::min(pSheet->Width(), frame.Width() - nLeft);
    for (int nY = 0; nY < pSheet->Height() && nTop + nY < frame.Height(); ++nY) {
        if (nWidth > 0) std::copy_n(pSheet->Row(nY), nWidth, frame.Row(nTop + nY) + nLeft);
    }
    Ring(frame, rc, kLight, kDarkShadow);
    Ring(frame, {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1}, kHighlight, kShadow);
}

}  // namespace qv::qvhost
