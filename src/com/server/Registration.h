#pragma once

#include <windows.h>

namespace qv::com {

// Writes the control's class, ProgID and type library into the machine's classes, or
// into the user's when the machine's cannot be written.
HRESULT RegisterServer();

// Removes what RegisterServer wrote, from both places; what is not there is no error.
HRESULT UnregisterServer();

// The control's OLEMISC flags and its type name, as registered.
DWORD ControlMiscStatus();
const wchar_t* ControlDescription();

}  // namespace qv::com
