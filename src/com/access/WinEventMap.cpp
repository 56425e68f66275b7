#include "com/access/WinEventMap.h"

#include "com/access/ListAccessible.h"

namespace qv::com {

std::optional<WinEventCall> WinEventFor(const access::AccessNotice& notice,
                                        access::SelectMode eMode) {
    using enum access::AccessEvent;
    const LONG nChild = ChildIdOf(notice.nIndex);
    switch (notice.eEvent) {
        case Focus:
            return WinEventCall{EVENT_OBJECT_FOCUS, nChild};
        case SelectionAdd:
            return WinEventCall{eMode == access::SelectMode::Single
                                    ? DWORD{EVENT_OBJECT_SELECTION}
                                    : DWORD{EVENT_OBJECT_SELECTIONADD},
                                nChild};
        case SelectionRemove:
            return WinEventCall{EVENT_OBJECT_SELECTIONREMOVE, nChild};
        case StateChange:
        case Evict:
            return WinEventCall{EVENT_OBJECT_STATECHANGE, nChild};
        case Scroll:
            return WinEventCall{EVENT_SYSTEM_SCROLLINGEND, nChild};
        case Reorder:
            return WinEventCall{EVENT_OBJECT_REORDER, CHILDID_SELF};
    }
    return std::nullopt;
}

}  // namespace qv::com
