#pragma once

#include <cstddef>
#include <vector>

#include "com/access/WinEventMap.h"

namespace qv::com {

// The events of one change of the list, held until the change is over and the thread
// pumps messages again: a listener called in the middle of a change would read half of
// it, and some changes are floods (filling 30001 items, selecting all of them).
//
//   event added                  last queued             queue
//   REORDER                      REORDER                 unchanged: one is enough
//   SELECTION, ADD or REMOVE     SELECTIONWITHIN         unchanged: already said
//   SELECTION, ADD or REMOVE     a run of kMostInARun    the run becomes one SELECTIONWITHIN
//   anything else                anything                appended
class WinEventQueue {
  public:
    static constexpr std::size_t kMostInARun = 16;
    // Beyond this many the owner delivers at once rather than holding more.
    static constexpr std::size_t kMostHeld = 1024;

    // True when the queue was empty: the owner schedules a delivery.
    bool Add(const WinEventCall& call);
    bool IsFull() const { return m_aCalls.size() >= kMostHeld; }
    // The events in order; the queue is empty afterwards.
    std::vector<WinEventCall> Take();

  private:
    std::vector<WinEventCall> m_aCalls;
    std::size_t m_nSelectionRun = 0;  // selection events at the end of the queue
};

}  // namespace qv::com
