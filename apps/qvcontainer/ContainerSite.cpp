#include "qvcontainer/ContainerSite.h"

#include <olectl.h>

#include <cmath>

namespace qv::container {

ContainerSite::ContainerSite(HWND hWnd, const RECT& rcPos) : m_hWnd(hWnd), m_rcPos(rcPos) {
    SetFont(L"MS UI Gothic", 9);
}

ContainerSite::~ContainerSite() {
    if (m_pActive) m_pActive->Release();
    if (m_pFont) m_pFont->Release();
}

void ContainerSite::SetFont(const wchar_t* sName, double dPoints) {
    FONTDESC desc{};
    desc.cbSizeofstruct = sizeof(desc);
    desc.lpstrName = const_cast<LPOLESTR>(sName);
    desc.cySize.int64 = static_cast<LONGLONG>(std::llround(dPoints * 10000));
    desc.sWeight = FW_NORMAL;
    desc.sCharset = SHIFTJIS_CHARSET;
    if (m_pFont) m_pFont->Release();
    m_pFont = nullptr;
    ::OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&m_pFont));
}

STDMETHODIMP ContainerSite::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
        *ppv = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
        *ppv = static_cast<IOleInPlaceSite*>(this);
    else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
        *ppv = static_cast<IOleInPlaceFrame*>(this);
    else if (riid == IID_IOleControlSite)
        *ppv = static_cast<IOleControlSite*>(this);
    else if (riid == IID_IDispatch)
        *ppv = static_cast<IDispatch*>(this);
    else if (riid == IID_IAdviseSink)
        *ppv = static_cast<IAdviseSink*>(this);
    else if (riid == IID_IPropertyNotifySink)
        *ppv = static_cast<IPropertyNotifySink*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ContainerSite::AddRef() {
    return static_cast<ULONG>(++m_nRefs);
}

STDMETHODIMP_(ULONG) ContainerSite::Release() {
    return static_cast<ULONG>(--m_nRefs);
}

STDMETHODIMP ContainerSite::SaveObject() {
    Note("SaveObject");
    return S_OK;
}

STDMETHODIMP ContainerSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk) {
    if (ppmk) *ppmk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ContainerSite::GetContainer(IOleContainer** ppContainer) {
    if (ppContainer) *ppContainer = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ContainerSite::ShowObject() {
    Note("ShowObject");
    return S_OK;
}

STDMETHODIMP ContainerSite::GetWindow(HWND* phwnd) {
    if (!phwnd) return E_POINTER;
    *phwnd = m_hWnd;
    return S_OK;
}

STDMETHODIMP ContainerSite::CanInPlaceActivate() {
    return S_OK;
}

STDMETHODIMP ContainerSite::OnInPlaceActivate() {
    Note("OnInPlaceActivate");
    return S_OK;
}

STDMETHODIMP ContainerSite::OnUIActivate() {
    Note("OnUIActivate");
    return S_OK;
}

STDMETHODIMP ContainerSite::GetWindowContext(IOleInPlaceFrame** ppFrame,
                                             IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                             LPRECT lprcClipRect,
                                             LPOLEINPLACEFRAMEINFO lpFrameInfo) {
    if (!ppFrame || !ppDoc || !lprcPosRect || !lprcClipRect) return E_POINTER;
    *ppFrame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *ppDoc = nullptr;
    *lprcPosRect = m_rcPos;
    ::GetClientRect(m_hWnd, lprcClipRect);
    if (lpFrameInfo) {
        lpFrameInfo->fMDIApp = FALSE;
        lpFrameInfo->hwndFrame = m_hWnd;
        lpFrameInfo->haccel = nullptr;
        lpFrameInfo->cAccelEntries = 0;
    }
    return S_OK;
}

STDMETHODIMP ContainerSite::OnUIDeactivate(BOOL) {
    Note("OnUIDeactivate");
    return S_OK;
}

STDMETHODIMP ContainerSite::OnInPlaceDeactivate() {
    Note("OnInPlaceDeactivate");
    return S_OK;
}

STDMETHODIMP ContainerSite::SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR) {
    Note(pActiveObject ? "SetActiveObject" : "SetActiveObject none");
    if (pActiveObject) pActiveObject->AddRef();
    if (m_pActive) m_pActive->Release();
    m_pActive = pActiveObject;
    return S_OK;
}

STDMETHODIMP ContainerSite::GetExtendedControl(IDispatch** ppDisp) {
    if (ppDisp) *ppDisp = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ContainerSite::OnFocus(BOOL fGotFocus) {
    Note(fGotFocus ? "OnFocus 1" : "OnFocus 0");
    return S_OK;
}

STDMETHODIMP ContainerSite::ShowPropertyFrame() {
    Note("ShowPropertyFrame");
    return m_bShowsPages ? S_OK : E_NOTIMPL;
}

STDMETHODIMP ContainerSite::GetTypeInfoCount(UINT* pctinfo) {
    if (!pctinfo) return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP ContainerSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return DISP_E_UNKNOWNNAME;
}

// The ambient properties a container of this kind has: the mode and the font.
STDMETHODIMP ContainerSite::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS*,
                                   VARIANT* pVarResult, EXCEPINFO*, UINT*) {
    if (!(wFlags & DISPATCH_PROPERTYGET) || !pVarResult) return DISP_E_MEMBERNOTFOUND;
    ::VariantInit(pVarResult);
    switch (dispIdMember) {
        case DISPID_AMBIENT_USERMODE:
            V_VT(pVarResult) = VT_BOOL;
            V_BOOL(pVarResult) = m_bUserMode ? VARIANT_TRUE : VARIANT_FALSE;
            return S_OK;
        case DISPID_AMBIENT_FONT:
            if (!m_pFont) return DISP_E_MEMBERNOTFOUND;
            V_VT(pVarResult) = VT_DISPATCH;
            V_DISPATCH(pVarResult) = m_pFont;
            m_pFont->AddRef();
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

STDMETHODIMP_(void) ContainerSite::OnViewChange(DWORD, LONG) {
    Note("OnViewChange");
}

STDMETHODIMP_(void) ContainerSite::OnSave() {
    Note("OnSave");
}

STDMETHODIMP_(void) ContainerSite::OnClose() {
    Note("OnClose");
}

}  // namespace qv::container

namespace qv::container {

STDMETHODIMP ContainerSite::OnChanged(DISPID dispID) {
    if (m_fnPropertyChanged) m_fnPropertyChanged(dispID);
    return S_OK;
}

}  // namespace qv::container
