#include "com/access/ChildIdEnum.h"

#include <algorithm>

namespace qv::com {

STDMETHODIMP ChildIdEnum::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IEnumVARIANT) {
        *ppv = static_cast<IEnumVARIANT*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ChildIdEnum::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

STDMETHODIMP_(ULONG) ChildIdEnum::Release() {
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0) delete this;
    return static_cast<ULONG>(nRefs);
}

STDMETHODIMP ChildIdEnum::Next(ULONG celt, VARIANT* rgVar, ULONG* pCeltFetched) {
    if (!rgVar) return E_POINTER;
    ULONG nFetched = 0;
    while (nFetched < celt && m_nNext < m_aIds.size()) {
        VARIANT& var = rgVar[nFetched++];
        ::VariantInit(&var);
        var.vt = VT_I4;
        var.lVal = m_aIds[m_nNext++];
    }
    if (pCeltFetched) *pCeltFetched = nFetched;
    return nFetched == celt ? S_OK : S_FALSE;
}

STDMETHODIMP ChildIdEnum::Skip(ULONG celt) {
    const std::size_t nLeft = m_aIds.size() - m_nNext;
    m_nNext += std::min<std::size_t>(celt, nLeft);
    return celt <= nLeft ? S_OK : S_FALSE;
}

STDMETHODIMP ChildIdEnum::Reset() {
    m_nNext = 0;
    return S_OK;
}

STDMETHODIMP ChildIdEnum::Clone(IEnumVARIANT** ppEnum) {
    if (!ppEnum) return E_POINTER;
    ChildIdEnum* pClone = Create(m_aIds);
    pClone->m_nNext = m_nNext;
    *ppEnum = pClone;
    return S_OK;
}

}  // namespace qv::com
