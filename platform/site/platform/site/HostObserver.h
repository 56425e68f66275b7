#pragma once

#include <string_view>

#include "platform/HostError.h"

namespace qv::site {

class ControlSiteCore;

// What a host application wants to hear of the controls on its form: the notifications
// it delivers and what the controls report back to it.
class IHostObserver {
  public:
    virtual ~IHostObserver() = default;
    virtual void OnPaintDelivered(ControlSiteCore& /*site*/) {}
    virtual void OnPropertyChanged(ControlSiteCore& /*site*/, std::string_view /*sName*/) {}
    // A control raised a host error out of a notification that the host delivered from
    // its message loop (there is no caller to receive it).
    virtual void OnNotificationError(ControlSiteCore& /*site*/, const HostError& /*error*/) {}
};

}  // namespace qv::site
