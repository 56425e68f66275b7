#include "com/pages/ComPropertyPage.h"

#include <new>
#include <string>

#include "com/server/DispatchCall.h"
#include "com/server/MessageBoxes.h"
#include "com/server/Module.h"
#include "dispatch/ColorListBoxDispatch.h"
#include "dispatch/TypeLibrary.h"
#include "platform/HostError.h"
#include "platform/host/MsgBox.h"

namespace qv::com {

namespace {

LPOLESTR TaskMemText(std::string_view sUtf8) {
    const int nSize = static_cast<int>(sUtf8.size());
    const int nLength = ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.data(), nSize, nullptr, 0);
    auto* pText = static_cast<LPOLESTR>(::CoTaskMemAlloc((nLength + 1) * sizeof(OLECHAR)));
    if (!pText) return nullptr;
    ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.data(), nSize, pText, nLength);
    pText[nLength] = L'\0';
    return pText;
}

// The designer's dialog font: that of the window the page goes into, or of the nearest
// window above it that has one.
HFONT DialogFontAbove(HWND hWnd) {
    for (; hWnd; hWnd = ::GetParent(hWnd)) {
        if (auto hFont = reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0)))
            return hFont;
    }
    return nullptr;
}

}  // namespace

HRESULT ComPropertyPage::Create(PageMaker make, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    ComPropertyPage* pObject = nullptr;
    try {
        pObject = new ComPropertyPage(make);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const HostError&) {
        return E_FAIL;
    }
    const HRESULT hr = pObject->QueryInterface(riid, ppv);
    pObject->Release();
    return hr;
}

ComPropertyPage::ComPropertyPage(PageMaker make) {
    InstallAutomatedMessageBoxes();
    m_pPage = make(m_host);
    m_host.OnChangedTurn([this](bool bChanged) { ChangedTurned(bChanged); });
    Module::ObjectCreated();
}

// The page goes before its host's windows: from here on they tell it nothing.
ComPropertyPage::~ComPropertyPage() {
    m_host.Close();
    if (m_pSite) m_pSite->Release();
    m_host.SetSelected({});
    m_objects.clear();
    m_pPage.reset();
    Module::ObjectDestroyed();
}

STDMETHODIMP ComPropertyPage::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IPropertyPage && riid != IID_IPropertyPage2)
        return E_NOINTERFACE;
    *ppv = static_cast<::IPropertyPage2*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ComPropertyPage::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

STDMETHODIMP_(ULONG) ComPropertyPage::Release() {
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0) delete this;
    return static_cast<ULONG>(nRefs);
}

template <typename TCall>
HRESULT ComPropertyPage::RunQuietly(TCall&& call) {
    m_bQuiet = true;
    HRESULT hr = S_OK;
    try {
        call();
    } catch (const HostError& error) {
        hr = ErrorCode(error.Number());
        host::MsgBox(error.Text(), host::vbCritical | host::vbOKOnly);
    }
    m_bQuiet = false;
    return hr;
}

void ComPropertyPage::ChangedTurned(bool bChanged) {
    if (bChanged && !m_bQuiet && m_pSite)
        m_pSite->OnStatusChange(PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE);
}

STDMETHODIMP ComPropertyPage::SetPageSite(::IPropertyPageSite* pPageSite) {
    if (pPageSite) pPageSite->AddRef();
    if (m_pSite) m_pSite->Release();
    m_pSite = pPageSite;
    return S_OK;
}

STDMETHODIMP ComPropertyPage::Activate(HWND hWndParent, LPCRECT pRect, BOOL) {
    if (!pRect) return E_POINTER;
    m_host.SetFont(DialogFontAbove(hWndParent));
    m_host.Attach(hWndParent, *pRect);
    m_bActive = true;
    return S_OK;
}

// The frame's font goes with the frame.
STDMETHODIMP ComPropertyPage::Deactivate() {
    if (!m_bActive) return E_UNEXPECTED;
    m_host.Detach();
    m_host.SetFont(nullptr);
    m_bActive = false;
    return S_OK;
}

STDMETHODIMP ComPropertyPage::GetPageInfo(PROPPAGEINFO* pPageInfo) {
    if (!pPageInfo) return E_POINTER;
    const SIZE size = m_host.Extent();
    pPageInfo->cb = sizeof(PROPPAGEINFO);
    pPageInfo->pszTitle = TaskMemText(m_pPage->Caption());
    pPageInfo->size = size;
    pPageInfo->pszDocString = nullptr;
    pPageInfo->pszHelpFile = TaskMemText(ColorListBoxTypeLibrary().sHelpFile);
    pPageInfo->dwHelpContext = 0;
    if (pPageInfo->pszTitle && pPageInfo->pszHelpFile) return S_OK;
    ::CoTaskMemFree(pPageInfo->pszTitle);
    ::CoTaskMemFree(pPageInfo->pszHelpFile);
    pPageInfo->pszTitle = pPageInfo->pszHelpFile = nullptr;
    return E_OUTOFMEMORY;
}

// Every object must be reachable by name; the page shows the first one.
STDMETHODIMP ComPropertyPage::SetObjects(ULONG cObjects, IUnknown** ppUnk) {
    if (cObjects > 0 && !ppUnk) return E_POINTER;
    m_host.SetSelected({});
    m_objects.clear();
    std::vector<host::ISelectedObject*> selected;
    for (ULONG i = 0; i < cObjects; ++i) {
        IDispatch* pDispatch = nullptr;
        if (!ppUnk[i] ||
            FAILED(ppUnk[i]->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&pDispatch)))) {
            m_objects.clear();
            return E_NOINTERFACE;
        }
        m_objects.push_back(std::make_unique<SelectedDispatch>(pDispatch));
        pDispatch->Release();
        selected.push_back(m_objects.back().get());
    }
    m_host.SetSelected(std::move(selected));
    if (m_objects.empty()) return S_OK;
    return RunQuietly([this] { m_pPage->SelectionChanged(); });
}

STDMETHODIMP ComPropertyPage::Show(UINT nCmdShow) {
    if (!m_bActive) return E_UNEXPECTED;
    ::ShowWindow(m_host.Window(), static_cast<int>(nCmdShow));
    FocusEditedControl();
    return S_OK;
}

// The frame names the property before or after it shows the page; the control gets the
// focus once the page is visible.
STDMETHODIMP ComPropertyPage::EditProperty(::DISPID dispID) {
    const MemberInfo* pMember = ColorListBoxDispatch().FindById(dispID);
    const std::string_view sControl = pMember ? m_pPage->ControlOf(pMember->sName) : "";
    const windows::PageControl* pControl = sControl.empty() ? nullptr : m_host.Find(sControl);
    if (!pControl) return E_NOTIMPL;
    m_hEdited = pControl->Window();
    FocusEditedControl();
    return S_OK;
}

void ComPropertyPage::FocusEditedControl() {
    if (!m_hEdited || !m_bActive || !::IsWindowVisible(m_host.Window())) return;
    ::SetFocus(m_hEdited);
    m_hEdited = nullptr;
}

STDMETHODIMP ComPropertyPage::Move(LPCRECT pRect) {
    if (!pRect) return E_POINTER;
    if (!m_bActive) return E_UNEXPECTED;
    ::MoveWindow(m_host.Window(), pRect->left, pRect->top, pRect->right - pRect->left,
                 pRect->bottom - pRect->top, TRUE);
    return S_OK;
}

STDMETHODIMP ComPropertyPage::IsPageDirty() {
    return m_host.Changed() ? S_OK : S_FALSE;
}

// A value the page itself finds wrong is put right on the page and not written, which
// leaves nothing pending; a value the object refuses leaves the edits pending.
STDMETHODIMP ComPropertyPage::Apply() {
    if (m_objects.empty()) return S_OK;
    const HRESULT hr = RunQuietly([this] { m_pPage->ApplyChanges(); });
    if (FAILED(hr)) {
        m_host.SetChanged(true);
        return hr;
    }
    m_host.SetChanged(false);
    if (m_pSite) m_pSite->OnStatusChange(PROPPAGESTATUS_CLEAN);
    return S_OK;
}

// The frame opens the help file of GetPageInfo itself.
STDMETHODIMP ComPropertyPage::Help(LPCOLESTR) {
    return E_NOTIMPL;
}

// Tab and the arrow keys move among the page's controls as in a dialog box.
STDMETHODIMP ComPropertyPage::TranslateAccelerator(MSG* pMsg) {
    if (!pMsg) return E_POINTER;
    if (!m_bActive || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return S_FALSE;
    HWND hPage = m_host.Window();
    if (pMsg->hwnd != hPage && !::IsChild(hPage, pMsg->hwnd)) return S_FALSE;
    return ::IsDialogMessageW(hPage, pMsg) ? S_OK : S_FALSE;
}

}  // namespace qv::com
