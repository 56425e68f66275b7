#pragma once

#include "platform/host/UserControl.h"
#include "platform/site/HostObserver.h"

namespace qv::site {

class ControlSiteCore;

// What a site needs of whatever holds its control (a form of the host, or the container
// of a COM object): the ambient properties, who hears of paints and property changes, and
// where a failure ends that a notification raised when the message loop delivered it
// (there is no caller to receive it).
class IControlContainer {
  public:
    virtual ~IControlContainer() = default;
    virtual const host::IAmbient& ControlAmbient() const = 0;
    virtual IHostObserver* Observer() const = 0;
    // True when the container ends the failure here; false lets it pass on.
    virtual bool EndsNotificationError(ControlSiteCore& site, const HostError& error) = 0;
    virtual bool EndsOutOfMemory(ControlSiteCore& site) = 0;
};

}  // namespace qv::site
