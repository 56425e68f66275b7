#pragma once

#include "platform/Types.h"

namespace qv::access {

// What changed for a user who listens to the list. Evict names the item whose check mark
// gave way to a new one under MaxCheck; its cause is the item just checked.
enum class AccessEvent {
    Focus,
    SelectionAdd,
    SelectionRemove,
    StateChange,
    Evict,
    Scroll,
    Reorder
};

struct AccessNotice {
    AccessEvent eEvent = AccessEvent::Focus;
    Long nIndex = -1;  // the item; -1 for the list itself
    Long nCause = -1;  // Evict: the item whose check made this one give way
};

// The host's listener. The control calls it right where its state changes, before the
// events it raises to the host for the same change.
class IAccessSink {
  public:
    virtual void OnAccessNotice(const AccessNotice& notice) = 0;

  protected:
    ~IAccessSink() = default;
};

// The lower-case word a host prints for the event ("focus", "selectionadd", ...).
const char* AccessEventName(AccessEvent eEvent);

}  // namespace qv::access
