#pragma once

#include <windows.h>

namespace qv::com {

// Draws the window's standard scroll bars (those it shows) into a device context whose
// origin stands for the window's top-left corner, in the system's classic look: arrow
// buttons, the track in the scroll-bar brush and the raised thumb, placed where the
// system places them on the window. The system draws them only on the window itself.
void DrawWindowScrollBars(HWND hWnd, HDC hDC);

}  // namespace qv::com
