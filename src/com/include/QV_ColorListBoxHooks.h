#pragma once

// What a host of QV_ColorListBox.ocx can set beyond COM, through functions the library
// exports by name (find them with GetProcAddress once the library is loaded).
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// Answers a message box of the library's objects in place of the system's modal box: gets
// the context the host gave, the prompt and the style (MB_ flags as for MessageBox), and
// returns the button chosen (IDOK, IDCANCEL...).
typedef int(CALLBACK* QV_MESSAGEBOXHOOK)(void* pContext, LPCWSTR pszPrompt, UINT uStyle);

// From now on the message boxes the library's objects show on the calling thread go to
// pfnHook; a null pfnHook ends that. A host that never calls it gets
// the system's modal box. Returns S_OK.
HRESULT STDAPICALLTYPE QV_SetMessageBoxHook(QV_MESSAGEBOXHOOK pfnHook, void* pContext);
typedef HRESULT(STDAPICALLTYPE* QV_SETMESSAGEBOXHOOK)(QV_MESSAGEBOXHOOK pfnHook, void* pContext);

#ifdef __cplusplus
}
#endif
