#include "com/server/ComControl.h"

#include <olectl.h>

#include <new>

#include "com/server/DispatchCall.h"
#include "com/server/MessageBoxes.h"
#include "com/server/Module.h"
#include "com/server/PointEnum.h"
#include "com/server/TypeInfo.h"
#include "com/server/VariantBridge.h"
#include "platform/windows/SystemApi.h"
#include "platform/HostError.h"

namespace qv::com {

HRESULT ComControl::Create(REFIID riid, void** ppv) {
    ComControl* pObject = nullptr;
    try {
        pObject = new ComControl();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const HostError&) {
        return E_FAIL;
    }
    const HRESULT hr = pObject->QueryInterface(riid, ppv);
    pObject->Release();
    return hr;
}

// A control made by a script host gets no InitNew: it starts with its defaults.
ComControl::ComControl()
    : m_events(*this, EventInterfaceId()),
      m_propertyNotices(*this),
      m_ole(*static_cast<IDispatch*>(this), m_site, m_events, m_propertyNotices) {
    InstallAutomatedMessageBoxes();
    m_pControl = std::make_unique<ColorListBox>(m_site);
    m_pSink = std::make_unique<DispatchEventSink>(
        [this](const EventInfo& event, std::vector<Variant>& args) {
            if (!m_ole.EventsFrozen()) m_events.Fire(event, args);
        });
    m_site.Attach(m_pControl.get());
    m_pControl->Events().Connect(m_pSink.get());
    m_pControl->UserControl_Initialize();
    m_pControl->UserControl_InitProperties();
    m_site.SetDirty(false);
    // The control keeps its window for life (parked while no container shows it), so the
    // list is served to assistive technology from the start.
    if (const ::HWND hWnd = windows::ToReal<::HWND>(m_site.hWnd()))
        m_pAccess = ServeAccessibility(*m_pControl, hWnd);
    Module::ObjectCreated();
}

// A container told of the going (of the in-place window) may still call back: the count
// stays away from zero meanwhile.
ComControl::~ComControl() {
    m_nRefs = 1 << 30;
    m_ole.Detach();
    m_pControl->Events().Disconnect(m_pSink.get());
    try {
        m_pControl->UserControl_Terminate();
    } catch (const HostError&) {
    }
    m_pAccess.reset();
    m_site.Attach(nullptr);
    m_pControl.reset();
    Module::ObjectDestroyed();
}

STDMETHODIMP ComControl::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch)
        *ppv = static_cast<IDispatch*>(this);
    else if (riid == ControlInterfaceId())
        *ppv = static_cast<_ColorListBox*>(&m_dual);
    else if (riid == IID_ISupportErrorInfo)
        *ppv = static_cast<ISupportErrorInfo*>(&m_dual);
    else if (riid == IID_IProvideClassInfo || riid == IID_IProvideClassInfo2)
        *ppv = static_cast<IProvideClassInfo2*>(this);
    else if (riid == IID_IConnectionPointContainer)
        *ppv = static_cast<IConnectionPointContainer*>(this);
    else if (riid == IID_IPersist || riid == IID_IPersistStreamInit)
        *ppv = static_cast<IPersistStreamInit*>(this);
    else if (riid == IID_IPersistPropertyBag)
        *ppv = static_cast<IPersistPropertyBag*>(this);
    else if (riid == IID_ISpecifyPropertyPages)
        *ppv = static_cast<ISpecifyPropertyPages*>(this);
    else if (void* pEmbedding = m_ole.Find(riid))
        *ppv = pEmbedding;
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ComControl::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

STDMETHODIMP_(ULONG) ComControl::Release() {
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0) delete this;
    return static_cast<ULONG>(nRefs);
}

STDMETHODIMP ComControl::GetTypeInfoCount(UINT* pcTInfo) {
    if (!pcTInfo) return E_POINTER;
    *pcTInfo = 1;
    return S_OK;
}

STDMETHODIMP ComControl::GetTypeInfo(UINT iTInfo, LCID, ITypeInfo** ppTInfo) {
    if (!ppTInfo) return E_POINTER;
    *ppTInfo = nullptr;
    if (iTInfo != 0) return DISP_E_BADINDEX;
    return LoadOwnTypeInfo(ControlInterfaceId(), ppTInfo);
}

STDMETHODIMP ComControl::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID,
                                       ::DISPID* rgDispId) {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!rgszNames || !rgDispId || cNames == 0) return E_INVALIDARG;
    return LookUpNames(ColorListBoxDispatch(), rgszNames, cNames, rgDispId);
}

STDMETHODIMP ComControl::Invoke(::DISPID dispIdMember, REFIID riid, LCID, WORD wFlags,
                                DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                UINT* puArgErr) {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!pDispParams) return E_INVALIDARG;
    if (puArgErr) *puArgErr = 0;
    try {
        return InvokeMember(dispIdMember, wFlags, *pDispParams, pVarResult);
    } catch (const HostError& error) {
        return RaiseException(error, pExcepInfo);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ComControl::InvokeMember(::DISPID dispIdMember, WORD wFlags, DISPPARAMS& params,
                                 VARIANT* pVarResult) {
    const MemberInfo* pMember = ColorListBoxDispatch().FindById(dispIdMember);
    if (!pMember) return DISP_E_MEMBERNOTFOUND;
    const InvokeKind eKind = KindOfCall(*pMember, wFlags);
    if (!NamedArgumentsFit(eKind, params)) return DISP_E_NONAMEDARGS;
    std::vector<Variant> args = PositionalArguments(*pMember, params);
    const Variant vResult = qv::Invoke(*m_pControl, *pMember, eKind, args);
    WriteBackByRef(*pMember, args, params);
    if (eKind != InvokeKind::PropertyGet) m_ole.ViewChanged();
    if (pVarResult) {
        ::VariantClear(pVarResult);
        ToVariant(vResult, *pVarResult);
    }
    return S_OK;
}

// A client changed the font object it gave the control or got from it: the rows take the
// new font's height and look, as after setting the font. The container's ambient font is
// not the control's to change: the control takes a font of its own instead.
host::FontRef ComControl::OnFontChanged(const host::FontRef& oFont,
                                        const host::StdFont& attributes) {
    if (m_pControl->Font() != oFont) return nullptr;
    host::FontRef oNow = oFont;
    if (oFont == m_container.AmbientProperties().Font())
        oNow = std::make_shared<host::StdFont>(attributes);
    else
        *oNow = attributes;
    try {
        m_pControl->SetFont(oNow);
    } catch (const HostError&) {
    }
    return oNow;
}

STDMETHODIMP ComControl::GetClassInfo(ITypeInfo** ppTI) {
    if (!ppTI) return E_POINTER;
    return LoadOwnTypeInfo(ControlClassId(), ppTI);
}

STDMETHODIMP ComControl::GetGUID(DWORD dwGuidKind, GUID* pGUID) {
    if (!pGUID) return E_POINTER;
    if (dwGuidKind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *pGUID = GUID_NULL;
        return E_INVALIDARG;
    }
    *pGUID = EventInterfaceId();
    return S_OK;
}

STDMETHODIMP ComControl::EnumConnectionPoints(IEnumConnectionPoints** ppEnum) {
    if (!ppEnum) return E_POINTER;
    return CreateConnectionPointEnum({&m_events, &m_propertyNotices}, ppEnum);
}

STDMETHODIMP ComControl::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) {
    if (!ppCP) return E_POINTER;
    *ppCP = nullptr;
    if (riid == EventInterfaceId())
        *ppCP = &m_events;
    else if (riid == IID_IPropertyNotifySink)
        *ppCP = &m_propertyNotices;
    else
        return CONNECT_E_NOCONNECTION;
    (*ppCP)->AddRef();
    return S_OK;
}

}  // namespace qv::com
