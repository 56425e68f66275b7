#include "qvcontainer/ContainerPageSite.h"

namespace qv::container {

STDMETHODIMP ContainerPageSite::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IPropertyPageSite) {
        *ppv = static_cast<IPropertyPageSite*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ContainerPageSite::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

STDMETHODIMP_(ULONG) ContainerPageSite::Release() {
    return static_cast<ULONG>(::InterlockedDecrement(&m_nRefs));
}

STDMETHODIMP ContainerPageSite::OnStatusChange(DWORD) {
    if (m_onStatusChange) m_onStatusChange();
    return S_OK;
}

STDMETHODIMP ContainerPageSite::GetLocaleID(LCID* pLocaleID) {
    if (!pLocaleID) return E_POINTER;
    *pLocaleID = ::GetUserDefaultLCID();
    return S_OK;
}

STDMETHODIMP ContainerPageSite::GetPageContainer(IUnknown** ppUnk) {
    if (ppUnk) *ppUnk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ContainerPageSite::TranslateAccelerator(MSG*) {
    return S_FALSE;
}

}  // namespace qv::container
