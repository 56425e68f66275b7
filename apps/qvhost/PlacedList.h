#pragma once

#include <memory>

#include "control/ColorListBox.h"
#include "platform/site/ControlSiteCore.h"
#include "platform/site/FormCore.h"

namespace qv::qvhost {

// A list placed on a form as a host places one: the site with the control's window (hidden
// until shown), the control attached to the site and, when given, the host's handler
// connected to the control's events. The harness, the demo, the tests and the benchmarks
// all place their lists this way, on a form of either window system.
class PlacedList {
  public:
    // At X,Y with the given outer size, as far as the window limits allow.
    PlacedList(site::FormCore& form, int nX, int nY, int nWidth, int nHeight,
               ColorListBoxEvents* pEvents = nullptr);
    PlacedList(const PlacedList&) = delete;
    PlacedList& operator=(const PlacedList&) = delete;

    // Starts the list as a new control, as a host does: Initialize, InitProperties, then Show.
    void StartNew();

    site::ControlSiteCore& Site() { return *m_pSite; }
    ColorListBox& Control() { return m_control; }

  private:
    std::unique_ptr<site::ControlSiteCore> m_pSite;
    ColorListBox m_control;
};

}  // namespace qv::qvhost
