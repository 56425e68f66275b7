// Getting the control onto the screen: every change only invalidates, and the paint
// that follows hands the list, its looks and its rows to the painting routines.
#include "control/ColorListBox.h"
#include "platform/Checked.h"
#include "platform/win32/User.h"
#include "render/ListPainting.h"
#include "render/RectMath.h"

namespace qv {

// Every change only invalidates one pixel: any invalid area makes the host send a paint,
// and the paint always renders the whole client area, so a larger area would add nothing.
// Changes that come together before the message loop runs thus cost one paint.
void ColorListBox::RedrawList() {
    const win32::RECT rcPixel{0, 0, 1, 1};
    win32::InvalidateRect(m_userControl.hWnd(), &rcPixel, win32::FALSE);
}

// An empty client area paints nothing and asks for no device context.
void ColorListBox::UserControl_Paint() {
    const win32::RECT rect = MakeRect(0, 0, RoundToLong(m_userControl.ScaleWidth()),
                                      RoundToLong(m_userControl.ScaleHeight()));
    if (RectIsEmpty(rect).IsTrue()) return;
    const win32::HDC hControlDC = m_userControl.hDC();
    const ListPaintView view{m_model,         m_looks,       m_nTopIndex,
                             m_nVisibleCount, m_nItemHeight, Enabled().IsTrue(),
                             hControlDC,      TextFont()};
    PaintList(hControlDC, rect, view);
}

// The frame is the host window's border; the border lies outside the client area.
void ColorListBox::ApplyFrameStyle() {
    Integer nAppearance = 0;
    Integer nBorderStyle = 0;
    if (m_looks.m_eFrameStyle == fsSunken) {
        nAppearance = 1;
        nBorderStyle = 1;
    } else if (m_looks.m_eFrameStyle == fsBorder) {
        nBorderStyle = 1;
    }
    m_userControl.SetAppearance(nAppearance);
    m_userControl.SetBorderStyle(nBorderStyle);
}

}  // namespace qv
