#pragma once

#include <ocidl.h>

namespace qv::com {

// An enumerator over the control's one connection point; it holds the point (and so its
// container) while it lives.
HRESULT CreateConnectionPointEnum(IConnectionPoint& point, IEnumConnectionPoints** ppEnum);

}  // namespace qv::com
