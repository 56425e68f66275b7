// The list as an IAccessible: identity, the tree of the list and its items, and what each
// of them is called and in which state it is.
#include "com/access/ListAccessible.h"

#include <optional>
#include <string>

#include "com/server/VariantBridge.h"

namespace qv::com {

namespace {

// The model's states in the system's terms. Every item can take the focus; where an item
// is scrolled out of the rows in view a reader must not present it as on screen.
LONG SystemStates(access::StateSet states) {
    using namespace access;
    LONG nStates = 0;
    if (states & kStateSelected) nStates |= STATE_SYSTEM_SELECTED;
    if (states & kStateFocused) nStates |= STATE_SYSTEM_FOCUSED;
    if (states & kStateChecked) nStates |= STATE_SYSTEM_CHECKED;
    if (states & kStateOffscreen) nStates |= STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_INVISIBLE;
    if (states & kStateDisabled) nStates |= STATE_SYSTEM_UNAVAILABLE;
    if (states & kStateMultiSelectable) nStates |= STATE_SYSTEM_MULTISELECTABLE;
    if (states & kStateExtSelectable) nStates |= STATE_SYSTEM_EXTSELECTABLE;
    return nStates;
}

LONG SystemRole(access::Role eRole) {
    switch (eRole) {
        case access::Role::CheckBox:
            return ROLE_SYSTEM_CHECKBUTTON;
        case access::Role::ListItem:
            return ROLE_SYSTEM_LISTITEM;
        case access::Role::List:
        default:
            return ROLE_SYSTEM_LIST;
    }
}

// Where an item stands, as a reader says it: "3 of 30001".
std::string PositionText(Long nPosition, Long nCount) {
    return std::to_string(nPosition) + " of " + std::to_string(nCount);
}

HRESULT SetText(const std::string& sText, BSTR* pszOut) {
    *pszOut = sText.empty() ? nullptr : BstrFromUtf8(sText);
    if (sText.empty()) return S_FALSE;
    return *pszOut ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

ListAccessible* ListAccessible::Create(IAccessibleListHost& host) {
    return new ListAccessible(host);
}

ListAccessible::~ListAccessible() {
    if (m_pTypeInfo) m_pTypeInfo->Release();
}

STDMETHODIMP ListAccessible::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
        *ppv = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ListAccessible::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

STDMETHODIMP_(ULONG) ListAccessible::Release() {
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0) delete this;
    return static_cast<ULONG>(nRefs);
}

// The members and their dispatch identifiers are those of the system's own description of
// IAccessible; without it the object is reachable through its vtable only.
ITypeInfo* ListAccessible::AccessibleTypeInfo() {
    if (m_pTypeInfo) return m_pTypeInfo;
    ITypeLib* pLib = nullptr;
    if (FAILED(::LoadTypeLib(L"oleacc.dll", &pLib))) return nullptr;
    pLib->GetTypeInfoOfGuid(IID_IAccessible, &m_pTypeInfo);
    pLib->Release();
    return m_pTypeInfo;
}

STDMETHODIMP ListAccessible::GetTypeInfoCount(UINT* pcTInfo) {
    if (!pcTInfo) return E_POINTER;
    *pcTInfo = AccessibleTypeInfo() ? 1 : 0;
    return S_OK;
}

STDMETHODIMP ListAccessible::GetTypeInfo(UINT iTInfo, LCID, ITypeInfo** ppTInfo) {
    if (!ppTInfo) return E_POINTER;
    *ppTInfo = nullptr;
    if (iTInfo != 0) return DISP_E_BADINDEX;
    ITypeInfo* pInfo = AccessibleTypeInfo();
    if (!pInfo) return E_NOTIMPL;
    pInfo->AddRef();
    *ppTInfo = pInfo;
    return S_OK;
}

STDMETHODIMP ListAccessible::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID,
                                           ::DISPID* rgDispId) {
    ITypeInfo* pInfo = AccessibleTypeInfo();
    return pInfo ? ::DispGetIDsOfNames(pInfo, rgszNames, cNames, rgDispId) : E_NOTIMPL;
}

STDMETHODIMP ListAccessible::Invoke(::DISPID dispIdMember, REFIID, LCID, WORD wFlags,
                                    DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                    EXCEPINFO* pExcepInfo, UINT* puArgErr) {
    ITypeInfo* pInfo = AccessibleTypeInfo();
    if (!pInfo) return E_NOTIMPL;
    return ::DispInvoke(static_cast<IAccessible*>(this), pInfo, dispIdMember, wFlags, pDispParams,
                        pVarResult, pExcepInfo, puArgErr);
}

HRESULT ListAccessible::ItemOf(const VARIANT& varChild, Long& nIndex) const {
    if (!m_pHost) return RPC_E_DISCONNECTED;
    VARIANT varId;
    ::VariantInit(&varId);
    if (FAILED(::VariantChangeType(&varId, const_cast<VARIANT*>(&varChild), 0, VT_I4)))
        return E_INVALIDARG;
    const LONG nId = varId.lVal;
    if (nId == CHILDID_SELF) {
        nIndex = -1;
        return S_OK;
    }
    if (nId < 1 || nId > m_pHost->Model().List().nCount) return E_INVALIDARG;
    nIndex = static_cast<Long>(nId) - 1;
    return S_OK;
}

// The window's own object is the list's parent, as for any client area.
STDMETHODIMP ListAccessible::get_accParent(IDispatch** ppdispParent) {
    if (!ppdispParent) return E_POINTER;
    *ppdispParent = nullptr;
    if (!m_pHost) return RPC_E_DISCONNECTED;
    return ::AccessibleObjectFromWindow(m_pHost->Window(), static_cast<DWORD>(OBJID_WINDOW),
                                        IID_IDispatch, reinterpret_cast<void**>(ppdispParent));
}

STDMETHODIMP ListAccessible::get_accChildCount(long* pcountChildren) {
    if (!pcountChildren) return E_POINTER;
    if (!m_pHost) return RPC_E_DISCONNECTED;
    *pcountChildren = m_pHost->Model().List().nCount;
    return S_OK;
}

// Items are simple elements: their properties are asked of the list with their child id.
STDMETHODIMP ListAccessible::get_accChild(VARIANT varChild, IDispatch** ppdispChild) {
    if (!ppdispChild) return E_POINTER;
    *ppdispChild = nullptr;
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    if (FAILED(hr)) return hr;
    return nIndex < 0 ? E_INVALIDARG : S_FALSE;
}

STDMETHODIMP ListAccessible::get_accName(VARIANT varChild, BSTR* pszName) {
    if (!pszName) return E_POINTER;
    *pszName = nullptr;
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    if (FAILED(hr)) return hr;
    access::AccessModel& model = m_pHost->Model();
    return SetText(nIndex < 0 ? model.List().sName : model.Item(nIndex)->sName, pszName);
}

// An item has no value of its own to edit; the list's value would only repeat its focus.
STDMETHODIMP ListAccessible::get_accValue(VARIANT varChild, BSTR* pszValue) {
    if (!pszValue) return E_POINTER;
    *pszValue = nullptr;
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    return FAILED(hr) ? hr : DISP_E_MEMBERNOTFOUND;
}

// An item tells where it stands: "3 of 30001".
STDMETHODIMP ListAccessible::get_accDescription(VARIANT varChild, BSTR* pszDescription) {
    if (!pszDescription) return E_POINTER;
    *pszDescription = nullptr;
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    if (FAILED(hr)) return hr;
    if (nIndex < 0) return DISP_E_MEMBERNOTFOUND;
    const access::AccessibleItem item = *m_pHost->Model().Item(nIndex);
    return SetText(PositionText(item.nPosition, item.nCount), pszDescription);
}

STDMETHODIMP ListAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole) {
    if (!pvarRole) return E_POINTER;
    ::VariantInit(pvarRole);
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    if (FAILED(hr)) return hr;
    access::AccessModel& model = m_pHost->Model();
    pvarRole->vt = VT_I4;
    pvarRole->lVal = SystemRole(nIndex < 0 ? model.List().eRole : model.Item(nIndex)->eRole);
    return S_OK;
}

STDMETHODIMP ListAccessible::get_accState(VARIANT varChild, VARIANT* pvarState) {
    if (!pvarState) return E_POINTER;
    ::VariantInit(pvarState);
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    if (FAILED(hr)) return hr;
    access::AccessModel& model = m_pHost->Model();
    const std::optional<access::AccessibleItem> item = model.Item(nIndex);
    const access::StateSet states = item ? item->states : model.List().states;
    LONG nStates = SystemStates(states);
    if (!(states & access::kStateDisabled)) nStates |= STATE_SYSTEM_FOCUSABLE;
    if (item && item->eRole == access::Role::ListItem) nStates |= STATE_SYSTEM_SELECTABLE;
    if (!::IsWindowVisible(m_pHost->Window())) nStates |= STATE_SYSTEM_INVISIBLE;
    pvarState->vt = VT_I4;
    pvarState->lVal = nStates;
    return S_OK;
}

STDMETHODIMP ListAccessible::get_accHelp(VARIANT varChild, BSTR* pszHelp) {
    if (!pszHelp) return E_POINTER;
    *pszHelp = nullptr;
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    return FAILED(hr) ? hr : DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP ListAccessible::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) {
    if (!pszHelpFile || !pidTopic) return E_POINTER;
    *pszHelpFile = nullptr;
    *pidTopic = 0;
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    return FAILED(hr) ? hr : DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP ListAccessible::get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) {
    if (!pszKeyboardShortcut) return E_POINTER;
    *pszKeyboardShortcut = nullptr;
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    return FAILED(hr) ? hr : DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP ListAccessible::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) {
    if (!pszDefaultAction) return E_POINTER;
    *pszDefaultAction = nullptr;
    Long nIndex = -1;
    const HRESULT hr = ItemOf(varChild, nIndex);
    if (FAILED(hr)) return hr;
    if (nIndex < 0) return DISP_E_MEMBERNOTFOUND;
    return SetText(m_pHost->Model().Item(nIndex)->sDefaultAction, pszDefaultAction);
}

// Names and values are not set through accessibility.
STDMETHODIMP ListAccessible::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}

STDMETHODIMP ListAccessible::put_accValue(VARIANT, BSTR) {
    return E_NOTIMPL;
}

}  // namespace qv::com
