#include "qvhost/PlacedList.h"

namespace qv::qvhost {

PlacedList::PlacedList(soft::Form& form, int nX, int nY, int nWidth, int nHeight,
                       ColorListBoxEvents* pEvents)
    : m_site(form, nX, nY, nWidth, nHeight), m_control(m_site) {
    m_site.Attach(&m_control);
    if (pEvents) m_control.Events().Connect(pEvents);
}

void PlacedList::StartNew() {
    m_site.Initialize();
    m_site.InitProperties();
    m_site.Show();
}

}  // namespace qv::qvhost
