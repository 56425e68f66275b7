#include "qvcontainer/ContainerForm.h"

namespace qv::container {

namespace {

constexpr wchar_t kFormClass[] = L"QvContainerForm";
ContainerForm* g_pHookedForm = nullptr;  // the form whose thread's sent messages are watched

void RegisterFormClass() {
    static const bool bRegistered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kFormClass;
        return ::RegisterClassW(&wc) != 0;
    }();
    (void)bRegistered;
}

}  // namespace

CLSID ColorListBoxClass() {
    CLSID clsid = CLSID_NULL;
    ::CLSIDFromProgID(L"QV_ColorListBox.ColorListBox", &clsid);
    return clsid;
}

ContainerForm::ContainerForm(int nWidth, int nHeight, LineWriter fnWrite)
    : m_fnWrite(std::move(fnWrite)) {
    RegisterFormClass();
    RECT rc{0, 0, nWidth, nHeight};
    const DWORD dwStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    ::AdjustWindowRect(&rc, dwStyle, FALSE);
    m_hWnd =
        ::CreateWindowW(kFormClass, L"qvcontainer", dwStyle, 0, 0, rc.right - rc.left,
                        rc.bottom - rc.top, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::ShowWindow(m_hWnd, SW_SHOW);
    RunUntilIdle();
    g_pHookedForm = this;
    m_hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, SentMessageHook, nullptr, ::GetCurrentThreadId());
}

ContainerForm::~ContainerForm() {
    if (m_hHook) ::UnhookWindowsHookEx(m_hHook);
    g_pHookedForm = nullptr;
    RemoveAll();
    ::DestroyWindow(m_hWnd);
}

HRESULT ContainerForm::Add(const std::string& sName, const RECT& rcPos, const SavedState& state) {
    Remove(sName);
    auto pControl = std::make_unique<HostedControl>(m_hWnd, sName, rcPos, m_fnWrite);
    const HRESULT hr = pControl->Create(ColorListBoxClass(), state, m_bUserMode);
    m_controls[sName] = std::move(pControl);
    return hr;
}

void ContainerForm::SetUserMode(bool bUserMode) {
    m_bUserMode = bUserMode;
    for (auto& [sName, pControl] : m_controls) pControl->SetUserMode(bUserMode);
}

HostedControl* ContainerForm::Find(const std::string& sName) {
    auto it = m_controls.find(sName);
    return it == m_controls.end() ? nullptr : it->second.get();
}

bool ContainerForm::Remove(const std::string& sName) {
    auto it = m_controls.find(sName);
    if (it == m_controls.end()) return true;
    const bool bReleased = it->second->Destroy();
    m_controls.erase(it);
    return bReleased;
}

bool ContainerForm::RemoveAll() {
    bool bReleased = true;
    for (auto& [sName, pControl] : m_controls) bReleased = pControl->Destroy() && bReleased;
    m_controls.clear();
    return bReleased;
}

LRESULT CALLBACK ContainerForm::SentMessageHook(int nCode, WPARAM wParam, LPARAM lParam) {
    const auto* pMessage = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMessage->message == WM_PAINT && g_pHookedForm)
        g_pHookedForm->NotePaint(pMessage->hwnd);
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void ContainerForm::NotePaint(HWND hWnd) {
    for (auto& [sName, pControl] : m_controls) {
        if (pControl->Window() == hWnd) m_fnWrite(sName + ".Paint");
    }
}

// Keys go to the active control's TranslateAccelerator first; what it does not take is
// dispatched as it is (characters are sent by the script itself, so no TranslateMessage).
void ContainerForm::Deliver(MSG& msg) {
    if (msg.message == WM_PAINT) NotePaint(msg.hwnd);
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        for (auto& [sName, pControl] : m_controls) {
            IOleInPlaceActiveObject* pActive = pControl->Site().ActiveObject();
            if (pActive && pActive->TranslateAccelerator(&msg) == S_OK) return;
        }
    }
    ::DispatchMessageW(&msg);
}

// The script posts every move of the user's; a move in the system's input queue is the
// system's own (made where the cursor rests when a capture ends, for one) and is dropped.
void ContainerForm::RunUntilIdle() {
    MSG msg;
    for (;;) {
        while (::PeekMessageW(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE | PM_QS_INPUT)) {
        }
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return;
        Deliver(msg);
    }
}

void ContainerForm::PumpFor(unsigned nMilliseconds) {
    const ULONGLONG nEnd = ::GetTickCount64() + nMilliseconds;
    for (ULONGLONG nNow = ::GetTickCount64(); nNow < nEnd; nNow = ::GetTickCount64()) {
        RunUntilIdle();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(nEnd - nNow),
                                    QS_ALLINPUT);
    }
    RunUntilIdle();
}

}  // namespace qv::container
