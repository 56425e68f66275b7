#pragma once

#include "qvhost/Script.h"

namespace qv::qvhost {

// Checks the names a script uses, in script order (a script has no control flow):
// - a control exists from its `new` until its `free`; `new` of an existing control, and
//   any command naming a control that does not exist at that line, is an error;
// - a value naming an object must name one made by an earlier imagelist, picture or font
//   command; making an object under a name already made replaces it for later lines.
// Controls and objects have separate names: a control and an object may be called the
// same, since every place a name appears says which of the two it is.
// Throws ScriptError at the first wrong line.
void CheckNames(const Script& script);

}  // namespace qv::qvhost
