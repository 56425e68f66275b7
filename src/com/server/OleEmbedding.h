#pragma once

#include "com/server/WindowlessSite.h"  // first: the control's headers precede the system's

#include <ocidl.h>
#include <oleidl.h>

namespace qv::com {

class EventPoint;
class PropertyNotifyPoint;

// The control as an embedded object of a container: it takes the container's site and
// ambient properties, activates in place in a child window of the container's window,
// draws itself into any device context, and tells the container of its views' changes.
// Its references go to the control object that owns it.
//
//   state         DoVerb show/primary/    DoVerb           InPlaceDeactivate  UIDeactivate
//                 uiactivate              inplaceactivate  / Close / hide
//   loaded        ui active               in place         -                  -
//   in place      ui active               -                loaded             -
//   ui active     -                       -                loaded             in place
//
// "in place" shows the window in the container's window; "ui active" also gives it the
// focus and makes it the frame's active object. A press on the window or the focus coming
// to it makes an in-place control ui active.
class OleEmbedding final : public IOleObject,
                           public IOleInPlaceObject,
                           public IOleInPlaceActiveObject,
                           public IOleControl,
                           public IViewObject2,
                           public IQuickActivate,
                           private ISiteListener {
  public:
    OleEmbedding(IUnknown& outer, WindowlessSite& site, EventPoint& events,
                 PropertyNotifyPoint& propertyNotices);
    ~OleEmbedding();
    OleEmbedding(const OleEmbedding&) = delete;
    OleEmbedding& operator=(const OleEmbedding&) = delete;

    // The interface asked for when it is one of this object's, else nullptr.
    void* Find(REFIID riid);
    bool EventsFrozen() const { return m_nFreezeCount > 0; }
    // The control's picture may have changed (a member was called).
    void ViewChanged();
    // The owner goes: every reference to the container is given up.
    void Detach();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return m_outer.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_outer.Release(); }

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* pClientSite) override;
    STDMETHODIMP GetClientSite(IOleClientSite** ppClientSite) override;
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD dwSaveOption) override;
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** ppmk) override;
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject** ppDataObject) override;
    STDMETHODIMP DoVerb(LONG iVerb, LPMSG lpmsg, IOleClientSite* pActiveSite, LONG lindex,
                        HWND hwndParent, LPCRECT lprcPosRect) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) override;
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID* pClsid) override;
    STDMETHODIMP GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType) override;
    STDMETHODIMP SetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
    STDMETHODIMP GetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
    STDMETHODIMP Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection) override;
    STDMETHODIMP Unadvise(DWORD dwConnection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** ppenumAdvise) override;
    STDMETHODIMP GetMiscStatus(DWORD dwAspect, DWORD* pdwStatus) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceObject (InPlaceActivation.cpp)
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) override;
    STDMETHODIMP ReactivateAndUndo() override { return INPLACE_E_NOTUNDOABLE; }

    // IOleInPlaceActiveObject (InPlaceActivation.cpp)
    STDMETHODIMP TranslateAccelerator(LPMSG lpmsg) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }

    // IOleControl (ControlAmbient.cpp)
    STDMETHODIMP GetControlInfo(CONTROLINFO* pCI) override;
    STDMETHODIMP OnMnemonic(MSG*) override { return E_NOTIMPL; }
    STDMETHODIMP OnAmbientPropertyChange(::DISPID dispID) override;
    STDMETHODIMP FreezeEvents(BOOL bFreeze) override;

    // IViewObject, IViewObject2 (ViewObject.cpp)
    STDMETHODIMP Draw(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd,
                      HDC hdcTargetDev, HDC hdcDraw, LPCRECTL lprcBounds, LPCRECTL lprcWBounds,
                      WINBOOL(STDMETHODCALLTYPE* pfnContinue)(ULONG_PTR dwContinue),
                      ULONG_PTR dwContinue) override;
    STDMETHODIMP GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                             LOGPALETTE** ppColorSet) override;
    STDMETHODIMP Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unfreeze(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) override;
    STDMETHODIMP GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) override;
    STDMETHODIMP GetExtent(DWORD dwDrawAspect, LONG lindex, DVTARGETDEVICE* ptd,
                           LPSIZEL lpsizel) override;

    // IQuickActivate (ViewObject.cpp)
    STDMETHODIMP QuickActivate(QACONTAINER* pQaContainer, QACONTROL* pQaControl) override;
    STDMETHODIMP SetContentExtent(LPSIZEL pSizel) override;
    STDMETHODIMP GetContentExtent(LPSIZEL pSizel) override;

  private:
    enum class State { Loaded, InPlace, UiActive };

    HRESULT ActivateInPlace(IOleClientSite* pActiveSite, bool bUiActivate);
    HRESULT EnterInPlace(IOleClientSite& activeSite);
    HRESULT EnterUiActive();
    // Shows the window in hParent at the position, clipped to the clip rectangle.
    void PlaceWindow(HWND hParent, const RECT& rcPos, const RECT& rcClip);
    void ReadAmbients(::DISPID dispID);
    void ReadQuickAmbients(const QACONTAINER& container);
    HRESULT ShowProperties();
    HRESULT RenderInto(HDC hdcDraw, const RECTL& rcBounds);
    void ReleaseInPlaceSite();
    void DisconnectQuickPropertySink();

    void OnWindowFocus(bool bGotFocus) override;
    void OnWindowMouseActivate() override;
    void OnPropertyChanged(std::string_view sPropertyName) override;

    IUnknown& m_outer;
    WindowlessSite& m_site;
    EventPoint& m_events;
    PropertyNotifyPoint& m_propertyNotices;
    IOleClientSite* m_pClientSite = nullptr;
    IOleAdviseHolder* m_pAdviseHolder = nullptr;
    IAdviseSink* m_pViewSink = nullptr;
    DWORD m_dwQuickPropertyCookie = 0;  // the property sink quick activation connected
    DWORD m_dwViewAspects = 0;
    DWORD m_dwViewAdvf = 0;
    IOleInPlaceSite* m_pInPlaceSite = nullptr;
    IOleInPlaceFrame* m_pFrame = nullptr;
    IOleInPlaceUIWindow* m_pDocWindow = nullptr;
    State m_eState = State::Loaded;
    int m_nFreezeCount = 0;
};

}  // namespace qv::com
