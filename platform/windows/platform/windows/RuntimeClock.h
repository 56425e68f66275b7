#pragma once

#include <cstdint>
#include <functional>

namespace qv::windows {

// The clock of the runtime's own timers (the hover of a captured window, say). It is the
// system's tick count, unless a host holds it: a host whose time passes only when it
// waits (a form driven by a script) holds the thread's clock, which then stands still
// except while the host lets a span pass, and moves by exactly that span each time,
// however long the work before and after took in real time.
std::uint64_t ClockNow();

// Calls back once, from the thread's message loop, when the thread's clock has reached
// nDue. The answer names the alarm for ClockCancel; 0 when no system timer was left.
using ClockCallback = std::function<void()>;
std::uintptr_t ClockCallAt(std::uint64_t nDue, ClockCallback callback);
void ClockCancel(std::uintptr_t nAlarm);

// Holds the thread's clock while it exists.
class HeldClock {
  public:
    HeldClock();
    ~HeldClock();
    HeldClock(const HeldClock&) = delete;
    HeldClock& operator=(const HeldClock&) = delete;

    // The clock runs with real time from now on, for at most nMilliseconds...
    void BeginPass(unsigned nMilliseconds);
    // ...and here it has moved by exactly that span; the alarms due by then are called
    // back in the order of their times.
    void EndPass();
};

}  // namespace qv::windows
