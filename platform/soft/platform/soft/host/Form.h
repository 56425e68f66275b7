#pragma once

#include "platform/site/FormCore.h"
#include "platform/soft/host/HostObserver.h"
#include "platform/soft/user/WindowSystem.h"

namespace qv::soft {

// A form of the host on our own window system: a window system of its own and the form's
// window in it.
class Form : public site::FormCore {
  public:
    Form(int nWidth, int nHeight, IHostObserver* pObserver = nullptr);
    ~Form() override;

    win32::HWND hWnd() const override { return m_hWnd; }
    WindowSystem& Windows() { return m_windows; }
    std::unique_ptr<site::ControlSiteCore> PlaceSite(int nX, int nY, int nWidth,
                                                     int nHeight) override;

    // Runs the message loop until it is idle.
    void RunUntilIdle() override { m_windows.RunUntilIdle(); }

  private:
    WindowSystem m_windows;
    win32::HWND m_hWnd{};
};

}  // namespace qv::soft
