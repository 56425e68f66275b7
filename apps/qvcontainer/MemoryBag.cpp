#include "qvcontainer/MemoryBag.h"

namespace qv::container {

MemoryBag::~MemoryBag() {
    for (auto& [sKey, vValue] : m_values) ::VariantClear(&vValue);
}

STDMETHODIMP MemoryBag::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IPropertyBag) return E_NOINTERFACE;
    *ppv = static_cast<IPropertyBag*>(this);
    AddRef();
    return S_OK;
}

// A key the bag does not hold is the reader's default: the bag says so and leaves the value.
STDMETHODIMP MemoryBag::Read(LPCOLESTR pszPropName, VARIANT* pVar, IErrorLog*) {
    if (!pszPropName || !pVar) return E_POINTER;
    for (auto& [sKey, vValue] : m_values) {
        if (sKey != pszPropName) continue;
        const VARTYPE vtWanted = V_VT(pVar);
        ::VariantClear(pVar);
        if (vtWanted == VT_EMPTY) return ::VariantCopy(pVar, &vValue);
        return ::VariantChangeType(pVar, &vValue, 0, vtWanted);
    }
    return E_INVALIDARG;
}

STDMETHODIMP MemoryBag::Write(LPCOLESTR pszPropName, VARIANT* pVar) {
    if (!pszPropName || !pVar) return E_POINTER;
    VARIANT vCopy;
    ::VariantInit(&vCopy);
    const HRESULT hr = ::VariantCopy(&vCopy, pVar);
    if (FAILED(hr)) return hr;
    for (auto& [sKey, vValue] : m_values) {
        if (sKey != pszPropName) continue;
        ::VariantClear(&vValue);
        vValue = vCopy;
        return S_OK;
    }
    m_values.emplace_back(pszPropName, vCopy);
    return S_OK;
}

}  // namespace qv::container
