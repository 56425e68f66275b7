// Getting the control onto the screen: every change only invalidates, and the paint
// that follows renders the whole client area.
#include "control/ColorListBox.h"
#include "platform/win32/User.h"

namespace qv {

void ColorListBox::RedrawList() {
    const win32::RECT rcPixel{0, 0, 1, 1};
    win32::InvalidateRect(m_userControl.hWnd(), &rcPixel, win32::FALSE);
}

// The rows are drawn once the drawing platform exists; until then a paint shows the
// window's own background.
void ColorListBox::UserControl_Paint() {}

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
