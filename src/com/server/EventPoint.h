#pragma once

#include "com/server/ConnectionPoint.h"

#include <vector>

#include "dispatch/ColorListBoxDispatch.h"

namespace qv::com {

// The connection point of the control's event interface. A sink implements the event
// interface itself or, as script hosts do, IDispatch only. Every connected sink receives
// each event synchronously through IDispatch::Invoke with by-reference arguments, and what
// a sink stores into them goes back to the control.
class EventPoint final : public ConnectionPoint {
  public:
    EventPoint(IConnectionPointContainer& owner, const IID& iidEvents)
        : ConnectionPoint(owner, iidEvents, IID_IDispatch) {}

    // Hands an event on to the connected sinks.
    void Fire(const EventInfo& event, std::vector<Variant>& args);
};

}  // namespace qv::com
