#include "qvhost/EventPanel.h"

namespace qv::qvhost {

EventPanel::EventPanel(soft::Form& form, const win32::RECT& rcOuter)
    : m_placed(form, rcOuter.left, rcOuter.top, rcOuter.right - rcOuter.left,
               rcOuter.bottom - rcOuter.top),
      m_site(m_placed.Site()),
      m_list(m_placed.Control()) {
    m_placed.StartNew();
    m_list.SetBackStyle(bsAlternate);
}

EventPanel::~EventPanel() {
    m_site.Terminate();
}

// The oldest line gives way once the panel is full, and the newest stays in view. At
// design time a list cannot be scrolled by code: the view stays until run mode returns.
void EventPanel::Add(const std::string& sLine) {
    if (m_list.ListCount() >= kMaxLines) m_list.RemoveItem(0);
    const Long nIndex = m_list.AddItem(sLine);
    if (m_site.Ambient().UserMode().IsTrue()) m_list.SetTopIndex(nIndex);
}

}  // namespace qv::qvhost
