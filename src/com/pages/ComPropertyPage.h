#pragma once

// The control's headers come before the system's (see ComControl.h).
#include "com/pages/SelectedDispatch.h"
#include "platform/windows/pages/PageHost.h"

#include <ocidl.h>

#include <memory>
#include <vector>

namespace qv::com {

// Builds one of the control's pages on a page host.
using PageMaker = std::unique_ptr<host::IPropertyPage> (*)(host::IPropertyPageSite& site);

// One of the control's property pages as a COM property page: the page built once on a
// page host over the system's controls, shown in the designer's frame between Activate
// and Deactivate, reading and writing the first selected object through its IDispatch.
//
//   call            | what the page does
//   SetObjects      | takes the objects' IDispatch; the page shows the first (not dirty)
//   Activate        | its window becomes a child of the frame's, in the frame's font
//   a user's edit   | dirty; the site hears OnStatusChange(DIRTY | VALIDATE)
//   Apply           | writes the fields; clean and OnStatusChange(CLEAN) unless the
//                   | object refused a value (the error is shown, the page stays dirty)
//   Deactivate      | its window leaves the frame; the edits stay
//   EditProperty    | the control that shows the property gets the focus (once the page
//                   | is shown); E_NOTIMPL for a property the page does not show
class ComPropertyPage final : public ::IPropertyPage2 {
  public:
    static HRESULT Create(PageMaker make, REFIID riid, void** ppv);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IPropertyPage
    STDMETHODIMP SetPageSite(::IPropertyPageSite* pPageSite) override;
    STDMETHODIMP Activate(HWND hWndParent, LPCRECT pRect, BOOL bModal) override;
    STDMETHODIMP Deactivate() override;
    STDMETHODIMP GetPageInfo(PROPPAGEINFO* pPageInfo) override;
    STDMETHODIMP SetObjects(ULONG cObjects, IUnknown** ppUnk) override;
    STDMETHODIMP Show(UINT nCmdShow) override;
    STDMETHODIMP Move(LPCRECT pRect) override;
    STDMETHODIMP IsPageDirty() override;
    STDMETHODIMP Apply() override;
    STDMETHODIMP Help(LPCOLESTR pszHelpDir) override;
    STDMETHODIMP TranslateAccelerator(MSG* pMsg) override;

    // IPropertyPage2
    STDMETHODIMP EditProperty(::DISPID dispID) override;

  private:
    explicit ComPropertyPage(PageMaker make);
    ~ComPropertyPage();

    // Runs one of the page's own events quietly (its filling or writing turns the
    // Changed flag on the way); a host error becomes the result.
    template <typename TCall>
    HRESULT RunQuietly(TCall&& call);
    void ChangedTurned(bool bChanged);
    void FocusEditedControl();

    LONG m_nRefs = 1;
    ::IPropertyPageSite* m_pSite = nullptr;
    windows::PageHost m_host;
    std::unique_ptr<host::IPropertyPage> m_pPage;
    std::vector<std::unique_ptr<SelectedDispatch>> m_objects;
    bool m_bActive = false;
    HWND m_hEdited = nullptr;  // the control EditProperty named, until it has the focus
    bool m_bQuiet = false;
};

}  // namespace qv::com
