#include "platform/soft/gdi/SoftGdi.h"

namespace qv::gdi_compare {

win32::COLORREF ReadPixel(win32::HDC hDC, int nX, int nY) {
    return soft::SurfaceOfDC(hDC)->Pixel(nX, nY);
}

}  // namespace qv::gdi_compare
