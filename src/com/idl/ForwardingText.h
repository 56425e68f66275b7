#pragma once

#include <string>

#include "dispatch/Dispatch.h"

namespace qv::com {

// The methods of the dual interface's vtable as C++ definitions, one per declaration of the
// compilable type library text and in its order, each handing its arguments to the
// dispatch table by the member's identifier. The text is included in the body of a class
// that derives from the interface widl declares and provides Forward, In, ByRef, Out and
// NoResult.
std::string WriteForwarding(const DispatchTable& table);

}  // namespace qv::com
