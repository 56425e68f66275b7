#include "platform/win32/Types.h"
#include "platform/windows/SystemApi.h"

namespace qv::gdi_compare {

win32::COLORREF ReadPixel(win32::HDC hDC, int nX, int nY) {
    return ::GetPixel(windows::ToReal<::HDC>(hDC), nX, nY);
}

}  // namespace qv::gdi_compare
