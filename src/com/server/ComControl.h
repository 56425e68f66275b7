#pragma once

// The control's headers come before the system's, whose macros (TRUE, WM_SIZE...) would
// replace the contract's names of the same values.
#include "com/server/WindowlessSite.h"
#include "control/ColorListBox.h"

#include <ocidl.h>

#include <memory>

#include "com/server/DualInterface.h"
#include "com/server/EventPoint.h"
#include "com/access/AccessServer.h"
#include "com/server/OleEmbedding.h"
#include "com/server/OleObjects.h"
#include "com/server/PropertyNotifyPoint.h"

namespace qv::com {

// The control as a COM object: its members through IDispatch over the same dispatch
// table the host harness uses (and through the dual interface's vtable, which forwards to it), its
// events and its property changes through connection points, its class information for hosts
// that connect to the events by themselves, its saved properties through a stream or a property
// bag, the list of its property pages, and its embedding in a container (OleEmbedding).
class ComControl final : public IDispatch,
                         public IProvideClassInfo2,
                         public IConnectionPointContainer,
                         public IPersistStreamInit,
                         public IPersistPropertyBag,
                         public ISpecifyPropertyPages {
  public:
    static HRESULT Create(REFIID riid, void** ppv);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* pcTInfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                               ::DISPID* rgDispId) override;
    STDMETHODIMP Invoke(::DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                        DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                        UINT* puArgErr) override;

    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** ppTI) override;
    STDMETHODIMP GetGUID(DWORD dwGuidKind, GUID* pGUID) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** ppEnum) override;
    STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) override;

    // IPersist, IPersistStreamInit, IPersistPropertyBag (ComPersist.cpp)
    STDMETHODIMP GetClassID(CLSID* pClassID) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(IStream* pStm) override;
    STDMETHODIMP Save(IStream* pStm, BOOL fClearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* pCbSize) override;
    STDMETHODIMP InitNew() override;
    STDMETHODIMP Load(::IPropertyBag* pPropBag, IErrorLog* pErrorLog) override;
    STDMETHODIMP Save(::IPropertyBag* pPropBag, BOOL fClearDirty, BOOL fSaveAllProperties) override;

    // ISpecifyPropertyPages (ComPersist.cpp)
    STDMETHODIMP GetPages(CAUUID* pPages) override;

  private:
    ComControl();
    ~ComControl();

    // Runs one of the control's start-up or save notifications; a host error it raises
    // becomes the control's error code.
    template <typename TCall>
    HRESULT Notify(TCall&& call);

    HRESULT InvokeMember(::DISPID dispIdMember, WORD wFlags, DISPPARAMS& params,
                         VARIANT* pVarResult);

    host::FontRef OnFontChanged(const host::FontRef& oFont, const host::StdFont& attributes);

    LONG m_nRefs = 1;
    DualInterface m_dual{static_cast<IDispatch&>(*this)};  // _ColorListBox, ISupportErrorInfo
    ComContainer m_container;  // the ambient properties; where a notification's failure ends
    WindowlessSite m_site{m_container};
    std::unique_ptr<ColorListBox> m_pControl;
    EventPoint m_events;
    PropertyNotifyPoint m_propertyNotices;
    OleEmbedding m_ole;  // the container's side: site, in-place window, views
    std::unique_ptr<DispatchEventSink> m_pSink;
    std::unique_ptr<AccessServer> m_pAccess;  // the list for screen readers, on the control's window
    FontChangeSubscription m_fontChanges{
        [this](const host::FontRef& oFont, const host::StdFont& attributes) {
            return OnFontChanged(oFont, attributes);
        }};
};

}  // namespace qv::com
