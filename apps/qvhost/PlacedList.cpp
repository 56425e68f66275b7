#include "qvhost/PlacedList.h"

namespace qv::qvhost {

PlacedList::PlacedList(soft::Form& form, const win32::RECT& rcOuter, ColorListBoxEvents* pEvents)
    : m_site(form, rcOuter.left, rcOuter.top, rcOuter.right - rcOuter.left,
             rcOuter.bottom - rcOuter.top),
      m_control(m_site) {
    m_site.Attach(&m_control);
    if (pEvents) m_control.Events().Connect(pEvents);
}

void PlacedList::StartNew() {
    m_site.Initialize();
    m_site.InitProperties();
    m_site.Show();
}

}  // namespace qv::qvhost
