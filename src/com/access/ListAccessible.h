#pragma once

#include <vector>

#include "access/AccessModel.h"

#include <oleacc.h>
#include <windows.h>

namespace qv::com {

// What the accessible object reads besides the model: the window its screen coordinates
// start from, and the selected items.
class IAccessibleListHost {
  public:
    virtual access::AccessModel& Model() = 0;
    virtual HWND Window() const = 0;
    // The current item, -1 for none.
    virtual Long CurrentItem() const = 0;
    // The selected items in index order (none in check style, where the marks are states).
    virtual std::vector<Long> SelectedItems() const = 0;
    // accSelect's flags on a valid item, as the host's code could do it; false when the
    // list refuses (it is disabled, or in design mode).
    virtual bool SelectItem(Long nIndex, long nFlags) = 0;

  protected:
    ~IAccessibleListHost() = default;
};

// The list as an IAccessible: the list itself is CHILDID_SELF and item i is the simple
// element with child id i + 1, made from the model on each call, so no item costs memory.
// Once disconnected (the control or its window went away) every call fails with
// RPC_E_DISCONNECTED, while clients may still hold references.
class ListAccessible final : public IAccessible {
  public:
    // The new object with one reference, owned by the caller.
    static ListAccessible* Create(IAccessibleListHost& host);
    void Disconnect() { m_pHost = nullptr; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch, through the accessibility type library of the system
    STDMETHODIMP GetTypeInfoCount(UINT* pcTInfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                               ::DISPID* rgDispId) override;
    STDMETHODIMP Invoke(::DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                        DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                        UINT* puArgErr) override;

    // IAccessible: the tree and the properties (ListAccessible.cpp)
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override;
    STDMETHODIMP get_accChildCount(long* pcountChildren) override;
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override;
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override;
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override;
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    STDMETHODIMP put_accName(VARIANT varChild, BSTR szName) override;
    STDMETHODIMP put_accValue(VARIANT varChild, BSTR szValue) override;

    // IAccessible: focus, selection, places and actions (ListAccessibleActions.cpp)
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override;
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override;
    STDMETHODIMP accSelect(long flagsSelect, VARIANT varChild) override;
    STDMETHODIMP accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                             VARIANT varChild) override;
    STDMETHODIMP accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEnd) override;
    STDMETHODIMP accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override;

  private:
    explicit ListAccessible(IAccessibleListHost& host) : m_pHost(&host) {}
    ~ListAccessible();

    // The item a child id names, or -1 for the list itself; E_INVALIDARG for an id that
    // names nothing, RPC_E_DISCONNECTED once disconnected.
    HRESULT ItemOf(const VARIANT& varChild, Long& nIndex) const;
    ITypeInfo* AccessibleTypeInfo();

    LONG m_nRefs = 1;
    IAccessibleListHost* m_pHost;
    ITypeInfo* m_pTypeInfo = nullptr;
};

// Child ids and the items they name.
inline LONG ChildIdOf(Long nIndex) {
    return nIndex < 0 ? CHILDID_SELF : static_cast<LONG>(nIndex) + 1;
}

}  // namespace qv::com
