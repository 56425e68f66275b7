#include "qvcontainer/MessageBoxLog.h"

#include "qvcontainer/ContainerForm.h"
#include "qvcontainer/VariantText.h"
#include "qvhost/ValueFormat.h"

namespace qv::container {

namespace {

QV_SETMESSAGEBOXHOOK FindSetHook() {
    const HMODULE hLibrary = ::GetModuleHandleW(kControlLibrary);
    if (!hLibrary) return nullptr;
    return reinterpret_cast<QV_SETMESSAGEBOXHOOK>(
        reinterpret_cast<void (*)()>(::GetProcAddress(hLibrary, "QV_SetMessageBoxHook")));
}

}  // namespace

// Without the registered class there is no library to hook: creating a control reports it.
MessageBoxLog::MessageBoxLog(LineWriter fnWrite) : m_fnWrite(std::move(fnWrite)) {
    if (FAILED(::CoGetClassObject(ColorListBoxClass(), CLSCTX_INPROC_SERVER, nullptr,
                                  IID_IClassFactory, reinterpret_cast<void**>(&m_pFactory))))
        return;
    m_pFactory->LockServer(TRUE);
    m_pfnSetHook = FindSetHook();
    if (m_pfnSetHook) m_pfnSetHook(&MessageBoxLog::Answer, this);
}

MessageBoxLog::~MessageBoxLog() {
    if (m_pfnSetHook) m_pfnSetHook(nullptr, nullptr);
    if (!m_pFactory) return;
    m_pFactory->LockServer(FALSE);
    m_pFactory->Release();
}

int CALLBACK MessageBoxLog::Answer(void* pContext, LPCWSTR pszPrompt, UINT uStyle) {
    auto* pLog = static_cast<MessageBoxLog*>(pContext);
    pLog->m_fnWrite(qvhost::MessageBoxLine(Utf8FromWide(pszPrompt), static_cast<Long>(uStyle)));
    return IDOK;
}

}  // namespace qv::container
