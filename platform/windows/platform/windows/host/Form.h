#pragma once

#include "platform/host/UserControl.h"
#include "platform/windows/host/HostObserver.h"

namespace qv::windows {

// The container's ambient properties, shared by every control on a form.
class Ambient : public host::IAmbient {
  public:
    Ambient();
    Boolean UserMode() const override { return m_bUserMode; }
    host::FontRef Font() const override { return m_oFont; }
    void SetUserMode(Boolean bUserMode) { m_bUserMode = bUserMode; }

  private:
    Boolean m_bUserMode = VbTrue;
    host::FontRef m_oFont;
};

// A form of the host: a top-level window of the system with a client area of the given
// size, its ambient properties and the host's observer of the controls placed on it.
class Form {
  public:
    Form(int nWidth, int nHeight, IHostObserver* pObserver = nullptr);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    win32::HWND hWnd() const { return m_hWnd; }
    Ambient& AmbientProperties() { return m_ambient; }
    IHostObserver* Observer() const { return m_pObserver; }

    // Delivers the thread's pending messages (paints included) until the queue is empty.
    void RunUntilIdle();
    // Delivers messages for nMilliseconds of real time, so timers of that span go off.
    void PumpFor(unsigned nMilliseconds);

  private:
    win32::HWND m_hWnd{};
    Ambient m_ambient;
    IHostObserver* m_pObserver;
};

}  // namespace qv::windows
