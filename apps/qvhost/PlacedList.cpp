#include "qvhost/PlacedList.h"

namespace qv::qvhost {

PlacedList::PlacedList(site::FormCore& form, int nX, int nY, int nWidth, int nHeight,
                       ColorListBoxEvents* pEvents)
    : m_pSite(form.PlaceSite(nX, nY, nWidth, nHeight)), m_control(*m_pSite) {
    m_pSite->Attach(&m_control);
    if (pEvents) m_control.Events().Connect(pEvents);
}

void PlacedList::StartNew() {
    m_pSite->Initialize();
    m_pSite->InitProperties();
    m_pSite->Show();
}

}  // namespace qv::qvhost
