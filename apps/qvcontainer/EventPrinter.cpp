#include "qvcontainer/EventPrinter.h"

#include "qvcontainer/VariantText.h"

namespace qv::container {

EventPrinter::EventPrinter(std::string sControlName, ITypeInfo* pEvents, LineWriter fnWrite)
    : m_sName(std::move(sControlName)), m_pEvents(pEvents), m_fnWrite(std::move(fnWrite)) {
    if (m_pEvents) m_pEvents->AddRef();
}

EventPrinter::~EventPrinter() {
    if (m_pEvents) m_pEvents->Release();
}

IID EventPrinter::EventInterface() const {
    IID iid = IID_NULL;
    TYPEATTR* pAttr = nullptr;
    if (m_pEvents && SUCCEEDED(m_pEvents->GetTypeAttr(&pAttr))) {
        iid = pAttr->guid;
        m_pEvents->ReleaseTypeAttr(pAttr);
    }
    return iid;
}

STDMETHODIMP EventPrinter::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IDispatch && riid != EventInterface())
        return E_NOINTERFACE;
    *ppv = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP EventPrinter::GetTypeInfoCount(UINT* pctinfo) {
    if (!pctinfo) return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

// The arguments come last first, as automation passes them.
STDMETHODIMP EventPrinter::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* pDispParams,
                                  VARIANT*, EXCEPINFO*, UINT*) {
    BSTR bstrName = nullptr;
    UINT nNames = 0;
    std::string sEvent = "Event" + std::to_string(dispIdMember);
    if (m_pEvents && SUCCEEDED(m_pEvents->GetNames(dispIdMember, &bstrName, 1, &nNames)) &&
        nNames == 1) {
        sEvent = Utf8FromWide(bstrName);
        ::SysFreeString(bstrName);
    }
    std::string sLine = m_sName + "." + sEvent;
    if (pDispParams) {
        for (UINT i = pDispParams->cArgs; i > 0; --i)
            sLine.append(" ").append(FormatAutomation(pDispParams->rgvarg[i - 1]));
    }
    m_fnWrite(sLine);
    return S_OK;
}

}  // namespace qv::container
