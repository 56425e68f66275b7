#include "com/access/WinEventQueue.h"

#include <utility>

namespace qv::com {

namespace {

bool IsSelectionEvent(DWORD dwEvent) {
    return dwEvent == EVENT_OBJECT_SELECTION || dwEvent == EVENT_OBJECT_SELECTIONADD ||
           dwEvent == EVENT_OBJECT_SELECTIONREMOVE;
}

}  // namespace

bool WinEventQueue::Add(const WinEventCall& call) {
    const bool bWasEmpty = m_aCalls.empty();
    const DWORD dwLast = bWasEmpty ? 0 : m_aCalls.back().dwEvent;
    if (!IsSelectionEvent(call.dwEvent)) {
        m_nSelectionRun = 0;
        if (call.dwEvent != EVENT_OBJECT_REORDER || dwLast != EVENT_OBJECT_REORDER)
            m_aCalls.push_back(call);
        return bWasEmpty;
    }
    if (dwLast == EVENT_OBJECT_SELECTIONWITHIN) return false;
    m_aCalls.push_back(call);
    if (++m_nSelectionRun > kMostInARun) {
        m_aCalls.resize(m_aCalls.size() - m_nSelectionRun);
        m_aCalls.push_back(WinEventCall{EVENT_OBJECT_SELECTIONWITHIN, CHILDID_SELF});
        m_nSelectionRun = 0;
    }
    return bWasEmpty;
}

std::vector<WinEventCall> WinEventQueue::Take() {
    m_nSelectionRun = 0;
    return std::exchange(m_aCalls, {});
}

}  // namespace qv::com
