#pragma once

#include <memory>

#include "platform/host/UserControl.h"
#include "platform/site/ControlContainer.h"

namespace qv::site {

class ControlSiteCore;

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

// A form of the host: its window, its ambient properties and the host's observer of the
// controls placed on it. A backend makes the window and the sites and runs the messages.
// A host error out of a notification goes to the observer, and without one passes on;
// lack of memory always passes on.
class FormCore : public IControlContainer {
  public:
    explicit FormCore(IHostObserver* pObserver) : m_pObserver(pObserver) {}
    ~FormCore() override = default;
    FormCore(const FormCore&) = delete;
    FormCore& operator=(const FormCore&) = delete;

    virtual win32::HWND hWnd() const = 0;
    Ambient& AmbientProperties() { return m_ambient; }
    const host::IAmbient& ControlAmbient() const override { return m_ambient; }
    IHostObserver* Observer() const override { return m_pObserver; }
    bool EndsNotificationError(ControlSiteCore& site, const HostError& error) override;
    bool EndsOutOfMemory(ControlSiteCore& /*site*/) override { return false; }

    // A site with a hidden control window at X,Y with the given outer size (as far as
    // the window system's limits allow), owned by the caller and to be gone before the form.
    virtual std::unique_ptr<ControlSiteCore> PlaceSite(int nX, int nY, int nWidth, int nHeight) = 0;

    // Delivers the pending messages (paints included) until the queue is empty.
    virtual void RunUntilIdle() = 0;

  private:
    Ambient m_ambient;
    IHostObserver* m_pObserver;
};

}  // namespace qv::site
