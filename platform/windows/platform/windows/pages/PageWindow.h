#pragma once

#include "platform/windows/SystemApi.h"

namespace qv::windows {

class PageHost;

// The module whose code holds the page window's class (the library or program that
// links this code), where the class is registered.
HINSTANCE PageModule();

// A hidden pop-up page window whose procedure passes control notifications to the host.
HWND CreatePageWindow(PageHost& host);

// Gives the focus back to hControl once the focus change under way is over.
void RestoreFocusLater(HWND hPage, HWND hControl);

// Removes the page window's class, for a library being unloaded.
void UnregisterPageWindowClass();

}  // namespace qv::windows
