#pragma once

namespace qv::com {

// The message boxes of the library's objects: the system's modal box, unless the host set
// its hook on the thread (QV_SetMessageBoxHook) or the run is automated (QV_MSGBOX=log in
// the environment: the prompt goes to standard output and the answer is OK, so that a
// script host's tests never block). Called as each object is made; a host's hook stays.
void InstallAutomatedMessageBoxes();

}  // namespace qv::com
