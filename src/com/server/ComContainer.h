#pragma once

#include "platform/site/ControlContainer.h"

namespace qv::com {

// The container's ambient properties as the control sees them; a control with no site has
// the defaults (run mode, the system's standard font).
class ComAmbient : public host::IAmbient {
  public:
    ComAmbient() : m_oFont(std::make_shared<host::StdFont>()) {}
    Boolean UserMode() const override { return m_bUserMode; }
    host::FontRef Font() const override { return m_oFont; }
    void SetUserMode(Boolean bUserMode) { m_bUserMode = bUserMode; }
    void SetFont(host::FontRef oFont) { m_oFont = std::move(oFont); }

  private:
    Boolean m_bUserMode = VbTrue;
    host::FontRef m_oFont;
};

// The COM object's container as the control's site sees it: the ambient properties the
// container reports (ControlAmbient.cpp reads them in). A host error or lack of memory out
// of a notification that the window's messages delivered has no caller to go to and must
// not unwind through the system's frames: it ends here.
class ComContainer final : public site::IControlContainer {
  public:
    ComAmbient& AmbientProperties() { return m_ambient; }

    const host::IAmbient& ControlAmbient() const override { return m_ambient; }
    site::IHostObserver* Observer() const override { return nullptr; }
    bool EndsNotificationError(site::ControlSiteCore& /*site*/, const HostError& /*error*/) override {
        return true;
    }
    bool EndsOutOfMemory(site::ControlSiteCore& /*site*/) override { return true; }

  private:
    ComAmbient m_ambient;
};

}  // namespace qv::com
