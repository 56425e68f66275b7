#include "platform/soft/host/Form.h"

namespace qv::soft {

namespace {

win32::LRESULT FormWindowProc(win32::HWND, win32::UINT, win32::WPARAM, win32::LPARAM) {
    return 0;
}

// The ambient font of the host: MS UI Gothic, 9 points, normal weight, Shift-JIS charset.
host::FontRef MakeAmbientFont() {
    auto oFont = std::make_shared<host::StdFont>("MS UI Gothic", 9);
    oFont->SetCharset(128);
    return oFont;
}

}  // namespace

Ambient::Ambient() : m_oFont(MakeAmbientFont()) {}

Form::Form(int nWidth, int nHeight, IHostObserver* pObserver) : m_pObserver(pObserver) {
    m_hWnd = m_windows.CreateWindowAt(win32::HWND{}, {0, 0, nWidth, nHeight}, FormWindowProc);
    m_windows.SetVisible(m_hWnd, true);
}

Form::~Form() = default;

}  // namespace qv::soft
