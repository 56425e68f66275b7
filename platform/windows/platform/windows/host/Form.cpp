#include "platform/windows/host/Form.h"

#include "platform/windows/SystemApi.h"
#include "platform/windows/host/ControlSite.h"
#include "platform/windows/host/WindowClasses.h"

namespace qv::windows {

namespace {

// The outer size of a top-level window whose client area has the given size.
::RECT OuterRect(int nWidth, int nHeight, DWORD dwStyle) {
    ::RECT rc{0, 0, nWidth, nHeight};
    ::AdjustWindowRect(&rc, dwStyle, FALSE);
    return rc;
}

}  // namespace

Form::Form(int nWidth, int nHeight, IHostObserver* pObserver) : FormCore(pObserver) {
    const DWORD dwStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const ::RECT rc = OuterRect(nWidth, nHeight, dwStyle);
    ::HWND hWnd =
        ::CreateWindowExA(0, kFormClassName, "", dwStyle, 0, 0, rc.right - rc.left,
                          rc.bottom - rc.top, nullptr, nullptr, ModuleInstance(), nullptr);
    m_hWnd = ToOurs<win32::HWND>(hWnd);
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    RunUntilIdle();
}

Form::~Form() {
    ::DestroyWindow(ToReal<::HWND>(m_hWnd));
    RunUntilIdle();
}

std::unique_ptr<site::ControlSiteCore> Form::PlaceSite(int nX, int nY, int nWidth, int nHeight) {
    return std::make_unique<ControlSite>(*this, nX, nY, nWidth, nHeight);
}

void Form::RunUntilIdle() {
    ::MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void Form::PumpFor(unsigned nMilliseconds) {
    m_clock.BeginPass(nMilliseconds);
    const ULONGLONG nEnd = ::GetTickCount64() + nMilliseconds;
    for (;;) {
        RunUntilIdle();
        const ULONGLONG nNow = ::GetTickCount64();
        if (nNow >= nEnd) break;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(nEnd - nNow),
                                    QS_ALLINPUT);
    }
    m_clock.EndPass();
    RunUntilIdle();
}

}  // namespace qv::windows
