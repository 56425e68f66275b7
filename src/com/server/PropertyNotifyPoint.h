#pragma once

#include "com/server/ConnectionPoint.h"

namespace qv::com {

// The connection point through which containers and property frames hear that a property
// changed. The type library marks no property requestedit, so no sink is asked before a
// change: each is told after it.
class PropertyNotifyPoint final : public ConnectionPoint {
  public:
    explicit PropertyNotifyPoint(IConnectionPointContainer& owner)
        : ConnectionPoint(owner, IID_IPropertyNotifySink, IID_NULL) {}

    void Changed(::DISPID dispId) {
        ForEachSink<IPropertyNotifySink>(
            [dispId](IPropertyNotifySink& sink) { sink.OnChanged(dispId); });
    }
};

}  // namespace qv::com
