#include "com/server/MessageBoxes.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "QV_ColorListBoxHooks.h"
#include "com/server/VariantBridge.h"
#include "platform/host/MsgBox.h"
#include "platform/windows/host/MessageBoxes.h"

namespace qv::com {

namespace {

thread_local bool t_bHostHook = false;

Integer AskHostHook(QV_MESSAGEBOXHOOK pfnHook, void* pContext, std::string_view sPrompt,
                    Long nButtons) {
    BSTR bstrPrompt = BstrFromUtf8(std::string(sPrompt));
    const int nAnswer =
        pfnHook(pContext, bstrPrompt ? bstrPrompt : L"", static_cast<UINT>(nButtons));
    ::SysFreeString(bstrPrompt);
    return static_cast<Integer>(nAnswer);
}

}  // namespace

void InstallAutomatedMessageBoxes() {
    if (t_bHostHook) return;
    const char* sMode = std::getenv("QV_MSGBOX");
    if (!sMode || std::strcmp(sMode, "log") != 0) return;
    windows::SetMessageBoxHandler([](std::string_view sPrompt, Long) {
        const std::string sLine = "MsgBox: " + std::string(sPrompt) + "\r\n";
        DWORD dwWritten = 0;
        ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), sLine.data(),
                    static_cast<DWORD>(sLine.size()), &dwWritten, nullptr);
        return host::vbOK;
    });
}

}  // namespace qv::com

extern "C" HRESULT STDAPICALLTYPE QV_SetMessageBoxHook(QV_MESSAGEBOXHOOK pfnHook, void* pContext) {
    qv::com::t_bHostHook = pfnHook != nullptr;
    if (!pfnHook) {
        qv::windows::SetMessageBoxHandler({});
        qv::com::InstallAutomatedMessageBoxes();
        return S_OK;
    }
    qv::windows::SetMessageBoxHandler(
        [pfnHook, pContext](std::string_view sPrompt, qv::Long nButtons) {
            return qv::com::AskHostHook(pfnHook, pContext, sPrompt, nButtons);
        });
    return S_OK;
}
