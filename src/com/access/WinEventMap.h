#pragma once

#include <optional>

#include "access/AccessSink.h"
#include "access/ListView.h"

#include <windows.h>

namespace qv::com {

// One accessibility event of the system for the client area of the control's window.
struct WinEventCall {
    DWORD dwEvent = 0;
    LONG nChildId = CHILDID_SELF;

    bool operator==(const WinEventCall&) const = default;
};

// The system's event for a notice of the control, or nullopt for none.
//
//   notice           event                                       child
//   Focus            EVENT_OBJECT_FOCUS                          the current item, or the list
//   SelectionAdd     EVENT_OBJECT_SELECTION in single selection  the item
//                    EVENT_OBJECT_SELECTIONADD otherwise
//   SelectionRemove  EVENT_OBJECT_SELECTIONREMOVE                the item
//   StateChange      EVENT_OBJECT_STATECHANGE                    the item
//   Evict            EVENT_OBJECT_STATECHANGE                    the item that lost its mark
//   Scroll           EVENT_SYSTEM_SCROLLINGEND                   the item now in the top row
//   Reorder          EVENT_OBJECT_REORDER                        the list
//
// A new check that makes the oldest give way is heard as two state changes in a row: the
// item just checked, then the item that lost its mark. A listener that sees an item
// unchecked right after another was checked, without a toggle of its own, knows the cause.
// Reorder names the list: the item added or removed at the index may no longer exist.
std::optional<WinEventCall> WinEventFor(const access::AccessNotice& notice,
                                        access::SelectMode eMode);

}  // namespace qv::com
