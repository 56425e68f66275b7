// The control as a container's embedded object: its site, its extent, its advise sinks
// and its verbs.
#include "com/server/OleEmbedding.h"  // first: the control's headers precede the system's

#include <olectl.h>

#include "com/server/PropertyNotifyPoint.h"
#include "com/server/Registration.h"
#include "com/server/TaskMemText.h"
#include "com/server/TypeInfo.h"
#include "com/server/Verbs.h"
#include "dispatch/ColorListBoxDispatch.h"
#include "platform/host/SiteUnits.h"

namespace qv::com {

namespace {

template <typename T>
void ReleaseAndClear(T*& p) {
    if (p) p->Release();
    p = nullptr;
}

int PixelsFromHimetric(LONG nHimetric) {
    return static_cast<int>(RoundToLong(static_cast<double>(nHimetric) * 96.0 / 2540.0));
}

}  // namespace

OleEmbedding::OleEmbedding(IUnknown& outer, WindowlessSite& site, EventPoint& events,
                           PropertyNotifyPoint& propertyNotices)
    : m_outer(outer), m_site(site), m_events(events), m_propertyNotices(propertyNotices) {
    m_site.Listen(this);
}

OleEmbedding::~OleEmbedding() {
    Detach();
}

void OleEmbedding::Detach() {
    m_site.Listen(nullptr);
    if (m_eState != State::Loaded) InPlaceDeactivate();
    ReleaseAndClear(m_pClientSite);
    ReleaseAndClear(m_pAdviseHolder);
    ReleaseAndClear(m_pViewSink);
    DisconnectQuickPropertySink();
}

void* OleEmbedding::Find(REFIID riid) {
    if (riid == IID_IOleObject) return static_cast<IOleObject*>(this);
    if (riid == IID_IOleWindow || riid == IID_IOleInPlaceObject)
        return static_cast<IOleInPlaceObject*>(this);
    if (riid == IID_IOleInPlaceActiveObject) return static_cast<IOleInPlaceActiveObject*>(this);
    if (riid == IID_IOleControl) return static_cast<IOleControl*>(this);
    if (riid == IID_IViewObject || riid == IID_IViewObject2)
        return static_cast<IViewObject2*>(this);
    if (riid == IID_IQuickActivate) return static_cast<IQuickActivate*>(this);
    return nullptr;
}

STDMETHODIMP OleEmbedding::QueryInterface(REFIID riid, void** ppv) {
    return m_outer.QueryInterface(riid, ppv);
}

// A new site brings its ambient properties; the control reads them at once, so that a
// following InitNew takes the container's font and mode. A container that takes its site
// back also gets back the property sink it gave with quick activation.
STDMETHODIMP OleEmbedding::SetClientSite(IOleClientSite* pClientSite) {
    if (pClientSite) pClientSite->AddRef();
    ReleaseAndClear(m_pClientSite);
    if (!pClientSite) DisconnectQuickPropertySink();
    m_pClientSite = pClientSite;
    if (m_pClientSite) ReadAmbients(DISPID_UNKNOWN);
    return S_OK;
}

void OleEmbedding::DisconnectQuickPropertySink() {
    if (m_dwQuickPropertyCookie) m_propertyNotices.Unadvise(m_dwQuickPropertyCookie);
    m_dwQuickPropertyCookie = 0;
}

// A designer marks its form as changed, and a property browser shows the new value, when
// told which property changed.
void OleEmbedding::OnPropertyChanged(std::string_view sPropertyName) {
    ViewChanged();
    if (const MemberInfo* pMember = ColorListBoxDispatch().FindByName(sPropertyName))
        m_propertyNotices.Changed(pMember->nDispId);
}

STDMETHODIMP OleEmbedding::GetClientSite(IOleClientSite** ppClientSite) {
    if (!ppClientSite) return E_POINTER;
    *ppClientSite = m_pClientSite;
    if (m_pClientSite) m_pClientSite->AddRef();
    return S_OK;
}

STDMETHODIMP OleEmbedding::Close(DWORD dwSaveOption) {
    if (m_eState != State::Loaded) InPlaceDeactivate();
    const bool bSave = dwSaveOption == OLECLOSE_SAVEIFDIRTY || dwSaveOption == OLECLOSE_PROMPTSAVE;
    if (bSave && m_site.IsDirty() && m_pClientSite) m_pClientSite->SaveObject();
    if (m_pAdviseHolder) m_pAdviseHolder->SendOnClose();
    return S_OK;
}

STDMETHODIMP OleEmbedding::GetMoniker(DWORD, DWORD, IMoniker** ppmk) {
    if (ppmk) *ppmk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP OleEmbedding::GetClipboardData(DWORD, IDataObject** ppDataObject) {
    if (ppDataObject) *ppDataObject = nullptr;
    return E_NOTIMPL;
}

// The control has no window of its own to open: every showing verb activates it in place,
// an unknown positive verb counts as the primary one.
STDMETHODIMP OleEmbedding::DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND,
                                  LPCRECT) {
    switch (iVerb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_UIACTIVATE:
            return ActivateInPlace(pActiveSite, true);
        case OLEIVERB_INPLACEACTIVATE:
            return ActivateInPlace(pActiveSite, false);
        case OLEIVERB_HIDE:
            return m_eState == State::Loaded ? S_OK : InPlaceDeactivate();
        case OLEIVERB_PROPERTIES:
            return ShowProperties();
        case OLEIVERB_OPEN:
        case OLEIVERB_DISCARDUNDOSTATE:
            return E_NOTIMPL;
        default:
            break;
    }
    if (iVerb < 0) return E_NOTIMPL;
    const HRESULT hr = ActivateInPlace(pActiveSite, true);
    return FAILED(hr) ? hr : OLEOBJ_S_INVALIDVERB;
}

// The verbs come from the library itself, registered or not; registering writes the same.
STDMETHODIMP OleEmbedding::EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) {
    return CreateVerbEnum(ppEnumOleVerb);
}

STDMETHODIMP OleEmbedding::GetUserClassID(CLSID* pClsid) {
    if (!pClsid) return E_POINTER;
    *pClsid = ControlClassId();
    return S_OK;
}

STDMETHODIMP OleEmbedding::GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType) {
    if (!pszUserType) return E_POINTER;
    const wchar_t* sName =
        dwFormOfType == USERCLASSTYPE_APPNAME ? L"QV_ColorListBox" : ControlDescription();
    *pszUserType = TaskMemText(sName);
    return *pszUserType ? S_OK : E_OUTOFMEMORY;
}

// The extent is the control's outer size, kept in pixels: HIMETRIC converts at 96 pixels
// to the inch, rounded to the nearest pixel.
STDMETHODIMP OleEmbedding::SetExtent(DWORD dwDrawAspect, SIZEL* psizel) {
    if (!psizel) return E_POINTER;
    if (dwDrawAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (psizel->cx < 0 || psizel->cy < 0) return E_INVALIDARG;
    const int nWidth = PixelsFromHimetric(psizel->cx);
    const int nHeight = PixelsFromHimetric(psizel->cy);
    if (nWidth != m_site.OuterWidth() || nHeight != m_site.OuterHeight()) {
        m_site.SetExtent(nWidth, nHeight);
        ViewChanged();
    }
    return S_OK;
}

STDMETHODIMP OleEmbedding::GetExtent(DWORD dwDrawAspect, SIZEL* psizel) {
    if (!psizel) return E_POINTER;
    if (dwDrawAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    psizel->cx = host::HimetricFromPixels(m_site.OuterWidth());
    psizel->cy = host::HimetricFromPixels(m_site.OuterHeight());
    return S_OK;
}

STDMETHODIMP OleEmbedding::Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection) {
    if (!pAdvSink || !pdwConnection) return E_POINTER;
    if (!m_pAdviseHolder) {
        const HRESULT hr = ::CreateOleAdviseHolder(&m_pAdviseHolder);
        if (FAILED(hr)) return hr;
    }
    return m_pAdviseHolder->Advise(pAdvSink, pdwConnection);
}

STDMETHODIMP OleEmbedding::Unadvise(DWORD dwConnection) {
    if (!m_pAdviseHolder) return OLE_E_NOCONNECTION;
    return m_pAdviseHolder->Unadvise(dwConnection);
}

STDMETHODIMP OleEmbedding::EnumAdvise(IEnumSTATDATA** ppenumAdvise) {
    if (!ppenumAdvise) return E_POINTER;
    *ppenumAdvise = nullptr;
    if (!m_pAdviseHolder) return S_OK;
    return m_pAdviseHolder->EnumAdvise(ppenumAdvise);
}

STDMETHODIMP OleEmbedding::GetMiscStatus(DWORD dwAspect, DWORD* pdwStatus) {
    if (!pdwStatus) return E_POINTER;
    *pdwStatus = dwAspect == DVASPECT_CONTENT ? ControlMiscStatus() : 0;
    return S_OK;
}

}  // namespace qv::com
