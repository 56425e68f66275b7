// Getting the control onto the screen: every change only invalidates, and the paint
// that follows renders the whole client area.
#include "control/ColorListBox.h"
#include "platform/Checked.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/User.h"
#include "render/GdiScope.h"
#include "render/RectMath.h"

namespace qv {

void ColorListBox::RedrawList() {
    const win32::RECT rcPixel{0, 0, 1, 1};
    win32::InvalidateRect(m_userControl.hWnd(), &rcPixel, win32::FALSE);
}

// The whole client area is drawn off-screen, background first and then the rows, and
// reaches the window in one transfer, so the window never shows a half-drawn list. An
// empty client area paints nothing.
void ColorListBox::UserControl_Paint() {
    const win32::RECT rect = MakeRect(0, 0, RoundToLong(m_userControl.ScaleWidth()),
                                      RoundToLong(m_userControl.ScaleHeight()));
    if (RectIsEmpty(rect).IsTrue()) return;
    const win32::HDC hControlDC = m_userControl.hDC();
    const OwnedDC memDC(win32::CreateCompatibleDC(hControlDC));
    const OwnedGdiObject bitmap(win32::CreateCompatibleBitmap(hControlDC, rect.right, rect.bottom));
    const SelectedObject selection(memDC.Get(), bitmap.Get());
    DrawBackground(memDC.Get(), rect);
    DrawItems(memDC.Get(), rect);
    win32::BitBlt(hControlDC, 0, 0, rect.right, rect.bottom, memDC.Get(), 0, 0, win32::SRCCOPY);
}

// The frame is the host window's border; the border lies outside the client area.
void ColorListBox::ApplyFrameStyle() {
    Integer nAppearance = 0;
    Integer nBorderStyle = 0;
    if (m_eFrameStyle == fsSunken) {
        nAppearance = 1;
        nBorderStyle = 1;
    } else if (m_eFrameStyle == fsBorder) {
        nBorderStyle = 1;
    }
    m_userControl.SetAppearance(nAppearance);
    m_userControl.SetBorderStyle(nBorderStyle);
}

}  // namespace qv
