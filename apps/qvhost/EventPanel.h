#pragma once

#include <memory>
#include <string>

#include "control/ColorListBox.h"
#include "platform/soft/host/ControlSite.h"
#include "qvhost/PlacedList.h"

namespace qv::qvhost {

// A label list on the form that shows the newest lines at its bottom; it is itself a
// ColorListBox, drawn by the same platform as the lists it reports on.
class EventPanel {
  public:
    static constexpr Long kMaxLines = 500;

    EventPanel(soft::Form& form, const win32::RECT& rcOuter);
    ~EventPanel();
    EventPanel(const EventPanel&) = delete;
    EventPanel& operator=(const EventPanel&) = delete;

    void Add(const std::string& sLine);
    const ColorListBox& Lines() const { return m_list; }
    win32::HWND hWnd() const { return m_site.hWnd(); }

  private:
    PlacedList m_placed;
    site::ControlSiteCore& m_site;
    ColorListBox& m_list;
};

}  // namespace qv::qvhost
