#pragma once

#include "platform/site/FormCore.h"
#include "platform/windows/RuntimeClock.h"
#include "platform/windows/host/HostObserver.h"

namespace qv::windows {

// A form of the host: a top-level window of the system with a client area of the given
// size. The form's thread keeps the runtime's time as the form lets it pass: only in
// PumpFor, by the span asked, so what falls due in a wait falls due in that wait however
// long the work around it takes.
class Form : public site::FormCore {
  public:
    Form(int nWidth, int nHeight, IHostObserver* pObserver = nullptr);
    ~Form() override;

    win32::HWND hWnd() const override { return m_hWnd; }
    std::unique_ptr<site::ControlSiteCore> PlaceSite(int nX, int nY, int nWidth,
                                                     int nHeight) override;

    // Delivers the thread's pending messages (paints included) until the queue is empty.
    void RunUntilIdle() override;
    // Delivers messages for nMilliseconds of real time, so timers of that span go off.
    void PumpFor(unsigned nMilliseconds);

  private:
    HeldClock m_clock;
    win32::HWND m_hWnd{};
};

}  // namespace qv::windows
