#include "platform/soft/host/Form.h"

#include "platform/soft/host/ControlSite.h"

namespace qv::soft {

namespace {

win32::LRESULT FormWindowProc(win32::HWND, win32::UINT, win32::WPARAM, win32::LPARAM) {
    return 0;
}

}  // namespace

Form::Form(int nWidth, int nHeight, IHostObserver* pObserver) : FormCore(pObserver) {
    m_hWnd = m_windows.CreateWindowAt(win32::HWND{}, {0, 0, nWidth, nHeight}, FormWindowProc);
    m_windows.SetVisible(m_hWnd, true);
}

Form::~Form() = default;

std::unique_ptr<site::ControlSiteCore> Form::PlaceSite(int nX, int nY, int nWidth, int nHeight) {
    return std::make_unique<ControlSite>(*this, nX, nY, nWidth, nHeight);
}

}  // namespace qv::soft
