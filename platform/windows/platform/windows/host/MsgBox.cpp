#include "platform/host/MsgBox.h"

#include <string>

#include "platform/PerThread.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/host/MessageBoxes.h"

namespace qv::windows {

namespace {

thread_local PerThread<MessageBoxHandler> t_handler;

std::wstring Wide(std::string_view sUtf8) {
    const int nLength =
        ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.data(), static_cast<int>(sUtf8.size()), nullptr, 0);
    std::wstring sWide(static_cast<size_t>(nLength), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.data(), static_cast<int>(sUtf8.size()), sWide.data(),
                          nLength);
    return sWide;
}

// The default caption of a host's message box is the name of its program.
std::wstring ProgramName() {
    wchar_t szPath[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring sName(szPath);
    sName = sName.substr(sName.find_last_of(L"\\/") + 1);
    return sName.substr(0, sName.rfind(L'.'));
}

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous;
    if (MessageBoxHandler* pCurrent = t_handler.Find()) previous = std::move(*pCurrent);
    if (handler) {
        t_handler.Get() = std::move(handler);
    } else {
        t_handler.Free();
    }
    return previous;
}

}  // namespace qv::windows

namespace qv::host {

// Automated runs install a handler (it logs the box and answers OK); otherwise the
// system's modal box asks the user.
Integer MsgBox(std::string_view sPrompt, Long nButtons) {
    if (const windows::MessageBoxHandler* pHandler = windows::t_handler.Find())
        return (*pHandler)(sPrompt, nButtons);
    const int nAnswer = ::MessageBoxW(nullptr, windows::Wide(sPrompt).c_str(),
                                      windows::ProgramName().c_str(), static_cast<UINT>(nButtons));
    return static_cast<Integer>(nAnswer);
}

}  // namespace qv::host
