#pragma once

#include <ocidl.h>
#include <oleidl.h>

#include <functional>
#include <string>
#include <vector>

namespace qv::container {

// The container's side of one embedded control: its client site, in-place site and frame,
// control site, ambient properties (through IDispatch) and advise sink. It lives on the
// stack or in its owner and counts references only to check that every one is given back.
// Every call the control makes on it is written to the journal, in order.
class ContainerSite final : public IOleClientSite,
                            public IOleInPlaceSite,
                            public IOleInPlaceFrame,
                            public IOleControlSite,
                            public IDispatch,
                            public IAdviseSink,
                            public IPropertyNotifySink {
  public:
    // hWnd is the container's window; the control sits at rcPos (its client pixels).
    ContainerSite(HWND hWnd, const RECT& rcPos);
    ~ContainerSite();
    ContainerSite(const ContainerSite&) = delete;
    ContainerSite& operator=(const ContainerSite&) = delete;

    LONG References() const { return m_nRefs; }
    const std::vector<std::string>& Journal() const { return m_journal; }
    void ClearJournal() { m_journal.clear(); }
    IOleInPlaceActiveObject* ActiveObject() const { return m_pActive; }
    bool UserMode() const { return m_bUserMode; }
    IFontDisp* Font() const { return m_pFont; }
    // Called with the identifier of each property the control says has changed.
    void OnPropertyChanged(std::function<void(DISPID)> fnChanged) {
        m_fnPropertyChanged = std::move(fnChanged);
    }
    void SetUserMode(bool bUserMode) { m_bUserMode = bUserMode; }
    // The ambient font: a font object of the system's with this name and size.
    void SetFont(const wchar_t* sName, double dPoints);
    void SetPosition(const RECT& rcPos) { m_rcPos = rcPos; }
    // The answer ShowPropertyFrame gives: S_OK (the container showed the pages) or E_NOTIMPL.
    void SetShowsPages(bool bShows) { m_bShowsPages = bShows; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** ppmk) override;
    STDMETHODIMP GetContainer(IOleContainer** ppContainer) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (of the in-place site and of the frame)
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                  LPRECT lprcPosRect, LPRECT lprcClipRect,
                                  LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow, IOleInPlaceFrame
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR) override;
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
    STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
    STDMETHODIMP GetExtendedControl(IDispatch** ppDisp) override;
    STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(LPMSG, DWORD) override { return S_FALSE; }
    STDMETHODIMP OnFocus(BOOL fGotFocus) override;
    STDMETHODIMP ShowPropertyFrame() override;

    // IDispatch: the ambient properties
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS*,
                        VARIANT* pVarResult, EXCEPINFO*, UINT*) override;

    // IAdviseSink
    STDMETHODIMP_(void) OnDataChange(FORMATETC*, STGMEDIUM*) override {}
    STDMETHODIMP_(void) OnViewChange(DWORD dwAspect, LONG) override;
    STDMETHODIMP_(void) OnRename(IMoniker*) override {}
    STDMETHODIMP_(void) OnSave() override;
    STDMETHODIMP_(void) OnClose() override;

    // IPropertyNotifySink
    STDMETHODIMP OnChanged(DISPID dispID) override;
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

  private:
    void Note(std::string sCall) { m_journal.push_back(std::move(sCall)); }

    HWND m_hWnd;
    RECT m_rcPos;
    LONG m_nRefs = 0;
    std::vector<std::string> m_journal;
    IOleInPlaceActiveObject* m_pActive = nullptr;
    IFontDisp* m_pFont = nullptr;
    bool m_bUserMode = true;
    bool m_bShowsPages = true;
    std::function<void(DISPID)> m_fnPropertyChanged;
};

}  // namespace qv::container
