#pragma once

#include <memory>
#include <vector>

#include "platform/host/UserControl.h"
#include "platform/soft/host/HostObserver.h"
#include "platform/soft/user/WindowSystem.h"

namespace qv::soft {

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

// A form of the host: a window system, the form's own window, its ambient properties
// and the host's observer of the controls placed on it.
class Form {
  public:
    Form(int nWidth, int nHeight, IHostObserver* pObserver = nullptr);
    ~Form();

    win32::HWND hWnd() const { return m_hWnd; }
    Ambient& AmbientProperties() { return m_ambient; }
    IHostObserver* Observer() const { return m_pObserver; }
    WindowSystem& Windows() { return m_windows; }

    // Runs the message loop until it is idle.
    void RunUntilIdle() { m_windows.RunUntilIdle(); }

  private:
    WindowSystem m_windows;
    win32::HWND m_hWnd{};
    Ambient m_ambient;
    IHostObserver* m_pObserver;
};

}  // namespace qv::soft
