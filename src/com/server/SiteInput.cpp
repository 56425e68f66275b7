// The messages of the control's window that are the COM object's own, before the site
// core turns the window's messages into the control's notifications:
//
//   message            the object does                 then
//   WM_ERASEBKGND      nothing: the paint covers all   -
//   WM_MOUSEACTIVATE   the container activates us      -
//   WM_GETDLGCODE      the arrows and characters are   -
//                      the list's, not the dialog's
//   focus changes      the container hears of it       GotFocus, LostFocus
#include "com/server/WindowlessSite.h"  // first: the control's headers precede the system's

#include "platform/windows/SystemApi.h"

namespace qv::com {

bool WindowlessSite::HandleMessage(win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam,
                                   win32::LRESULT& nResult) {
    switch (uMsg) {
        case WM_ERASEBKGND:
            nResult = 1;
            return true;
        case WM_MOUSEACTIVATE:
            if (m_pListener) m_pListener->OnWindowMouseActivate();
            nResult = MA_ACTIVATE;
            return true;
        case WM_GETDLGCODE:
            nResult = DLGC_WANTARROWS | DLGC_WANTCHARS;
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (m_pListener) m_pListener->OnWindowFocus(uMsg == WM_SETFOCUS);
            break;
        default:
            break;
    }
    return DeliverMessage(uMsg, wParam, lParam);
}

}  // namespace qv::com
