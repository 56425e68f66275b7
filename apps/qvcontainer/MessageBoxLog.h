#pragma once

#include <objbase.h>

#include <functional>
#include <string>

#include "QV_ColorListBoxHooks.h"

namespace qv::container {

// The control library's message boxes as the host harness logs them: a transcript line
// each, answered OK at once. While it lives the library stays loaded (a lock on its class
// factory) and its hook is set on this thread.
class MessageBoxLog {
  public:
    using LineWriter = std::function<void(const std::string&)>;

    explicit MessageBoxLog(LineWriter fnWrite);
    ~MessageBoxLog();
    MessageBoxLog(const MessageBoxLog&) = delete;
    MessageBoxLog& operator=(const MessageBoxLog&) = delete;

  private:
    static int CALLBACK Answer(void* pContext, LPCWSTR pszPrompt, UINT uStyle);

    LineWriter m_fnWrite;
    IClassFactory* m_pFactory = nullptr;
    QV_SETMESSAGEBOXHOOK m_pfnSetHook = nullptr;
};

}  // namespace qv::container
