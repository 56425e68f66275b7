#pragma once

#include <ocidl.h>

#include <vector>

namespace qv::com {

// An enumerator over the control's connection points; it holds the points (and so their
// container) while it lives.
HRESULT CreateConnectionPointEnum(std::vector<IConnectionPoint*> points,
                                  IEnumConnectionPoints** ppEnum);

}  // namespace qv::com
