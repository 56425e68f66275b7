#include "platform/soft/PlatformContext.h"

#include <algorithm>

#include "platform/soft/user/WindowSystem.h"

namespace qv::soft {

PlatformContext& PlatformContext::ThisThread() {
    thread_local PlatformContext t_context;
    return t_context;
}

void PlatformContext::AddSystem(WindowSystem& system) {
    m_systems.push_back(&system);
}

void PlatformContext::RemoveSystem(WindowSystem& system) {
    std::erase(m_systems, &system);
    m_pLastOwner = nullptr;
    std::erase_if(m_windowOwners, [&system](const auto& entry) { return entry.second == &system; });
}

win32::HWND PlatformContext::AddWindow(WindowSystem& system) {
    const std::uint32_t nHandle = m_nNextWindowHandle;
    m_nNextWindowHandle += 2;
    m_windowOwners[nHandle] = &system;
    return win32::MakeHandle<win32::HWND>(nHandle);
}

void PlatformContext::RemoveWindow(win32::HWND hWnd) {
    m_windowOwners.erase(win32::HandleValue(hWnd));
    m_pLastOwner = nullptr;
}

WindowSystem* PlatformContext::SystemOf(win32::HWND hWnd) const {
    const std::uint32_t nHandle = win32::HandleValue(hWnd);
    if (m_pLastOwner && nHandle == m_nLastHandle) return m_pLastOwner;
    auto it = m_windowOwners.find(nHandle);
    if (it == m_windowOwners.end()) return nullptr;
    m_nLastHandle = nHandle;
    m_pLastOwner = it->second;
    return m_pLastOwner;
}

WindowSystem* PlatformContext::SystemWithEarliestHover(unsigned long long nBefore) const {
    WindowSystem* pEarliest = nullptr;
    unsigned long long nEarliest = nBefore;
    for (WindowSystem* pSystem : m_systems) {
        const std::optional<unsigned long long> nDue = pSystem->NextHoverDue();
        if (nDue && *nDue <= nEarliest && (!pEarliest || *nDue < nEarliest)) {
            pEarliest = pSystem;
            nEarliest = *nDue;
        }
    }
    return pEarliest;
}

void PlatformContext::AdvanceTime(unsigned nMilliseconds) {
    const unsigned long long nEnd = m_nNow + nMilliseconds;
    while (WindowSystem* pSystem = SystemWithEarliestHover(nEnd)) {
        m_nNow = *pSystem->NextHoverDue();
        pSystem->DeliverNextHover();
    }
    m_nNow = nEnd;
}

}  // namespace qv::soft
