#include "platform/windows/RuntimeClock.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/windows/SystemApi.h"

namespace qv::windows {

namespace {

struct Alarm {
    UINT_PTR nId;
    ULONGLONG nDue;
    UINT_PTR nTimer;  // the system timer that wakes the thread for it
    ClockCallback callback;
};

struct ClockState {
    int nHolds = 0;
    ULONGLONG nHeldAt = 0;
    bool bPassing = false;
    ULONGLONG nPassStart = 0;  // real time
    unsigned nPassLength = 0;
    std::optional<ULONGLONG> nAlarmTime;  // the clock as an alarm's callback sees it
    UINT_PTR nLastId = 0;
    std::vector<Alarm> alarms;
};

// Timers without a window call back on the thread that made them: one clock a thread.
ClockState& State() {
    thread_local ClockState state;
    return state;
}

void CALLBACK OnTimer(::HWND, UINT, UINT_PTR nTimer, DWORD);

UINT_PTR StartTimer(ULONGLONG nDue) {
    const ULONGLONG nNow = ClockNow();
    const ULONGLONG nWait = nDue > nNow ? nDue - nNow : 0;
    return ::SetTimer(nullptr, 0, static_cast<UINT>(std::min<ULONGLONG>(nWait, 0x7FFFFFFF)),
                      &OnTimer);
}

// The callback sees the clock at the alarm's time, however late the system's timer woke
// the thread, so that what it sets from there keeps to the clock's own steps.
void CallBack(std::vector<Alarm>::iterator it) {
    ClockState& state = State();
    ::KillTimer(nullptr, it->nTimer);
    const ClockCallback callback = std::move(it->callback);
    const std::optional<ULONGLONG> nOuterTime = state.nAlarmTime;
    state.nAlarmTime = it->nDue;
    state.alarms.erase(it);
    callback();
    state.nAlarmTime = nOuterTime;
}

// A held clock may not have reached the alarm when the real time has: wait again.
void CALLBACK OnTimer(::HWND, UINT, UINT_PTR nTimer, DWORD) {
    std::vector<Alarm>& alarms = State().alarms;
    auto it = std::find_if(alarms.begin(), alarms.end(),
                           [nTimer](const Alarm& alarm) { return alarm.nTimer == nTimer; });
    if (it == alarms.end()) {
        ::KillTimer(nullptr, nTimer);
        return;
    }
    if (ClockNow() >= it->nDue) return CallBack(it);
    ::KillTimer(nullptr, nTimer);
    it->nTimer = StartTimer(it->nDue);
    if (it->nTimer == 0) alarms.erase(it);
}

}  // namespace

std::uint64_t ClockNow() {
    const ClockState& state = State();
    if (state.nAlarmTime) return *state.nAlarmTime;
    if (state.nHolds == 0) return ::GetTickCount64();
    if (!state.bPassing) return state.nHeldAt;
    const ULONGLONG nElapsed = ::GetTickCount64() - state.nPassStart;
    return state.nHeldAt + std::min<ULONGLONG>(nElapsed, state.nPassLength);
}

std::uintptr_t ClockCallAt(std::uint64_t nDue, ClockCallback callback) {
    const UINT_PTR nTimer = StartTimer(nDue);
    if (nTimer == 0) return 0;
    const UINT_PTR nId = ++State().nLastId;
    State().alarms.push_back({nId, nDue, nTimer, std::move(callback)});
    return nId;
}

void ClockCancel(std::uintptr_t nAlarm) {
    std::erase_if(State().alarms, [nAlarm](const Alarm& alarm) {
        if (alarm.nId != nAlarm) return false;
        ::KillTimer(nullptr, alarm.nTimer);
        return true;
    });
}

HeldClock::HeldClock() {
    ClockState& state = State();
    if (state.nHolds++ == 0) state.nHeldAt = ::GetTickCount64();
}

HeldClock::~HeldClock() {
    --State().nHolds;
}

void HeldClock::BeginPass(unsigned nMilliseconds) {
    ClockState& state = State();
    state.nHeldAt = ClockNow();
    state.bPassing = true;
    state.nPassStart = ::GetTickCount64();
    state.nPassLength = nMilliseconds;
}

void HeldClock::EndPass() {
    ClockState& state = State();
    if (!state.bPassing) return;
    state.nHeldAt += state.nPassLength;
    state.bPassing = false;
    for (;;) {
        auto itFirst =
            std::min_element(state.alarms.begin(), state.alarms.end(),
                             [](const Alarm& a, const Alarm& b) { return a.nDue < b.nDue; });
        if (itFirst == state.alarms.end() || itFirst->nDue > state.nHeldAt) return;
        CallBack(itFirst);
    }
}

}  // namespace qv::windows
