// In-place activation: the control's window shown in the container's window, the focus and
// the frame's active object, and the keys the list needs from the container's loop.
#include "com/server/OleEmbedding.h"  // first: the control's headers precede the system's

#include <olectl.h>

#include "platform/windows/SystemApi.h"

namespace qv::com {

namespace {

constexpr wchar_t kObjectName[] = L"ColorListBox";

template <typename T>
void ReleaseAndClear(T*& p) {
    if (p) p->Release();
    p = nullptr;
}

bool IsNavigationKey(WPARAM wKey) {
    switch (wKey) {
        case VK_UP:
        case VK_DOWN:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
            return true;
        default:
            return false;
    }
}

void Unclip(::HWND hWnd) {
    RECT rcRegion{};
    if (::GetWindowRgnBox(hWnd, &rcRegion) != ERROR) ::SetWindowRgn(hWnd, nullptr, TRUE);
}

// The part of the window the container shows: the clip rectangle (its window's client
// pixels, like the position) as a window region, so that the control draws nothing outside
// it. A clip that holds the whole window takes the region away.
void ClipWindow(::HWND hWnd, const RECT& rcPos, const RECT& rcClip) {
    RECT rcVisible{};
    if (::IntersectRect(&rcVisible, &rcPos, &rcClip) && ::EqualRect(&rcVisible, &rcPos))
        return Unclip(hWnd);
    ::OffsetRect(&rcVisible, -rcPos.left, -rcPos.top);
    HRGN hRegion = ::CreateRectRgnIndirect(&rcVisible);
    if (hRegion && !::SetWindowRgn(hWnd, hRegion, TRUE)) ::DeleteObject(hRegion);
}

}  // namespace

void OleEmbedding::PlaceWindow(HWND hParent, const RECT& rcPos, const RECT& rcClip) {
    m_site.PlaceIn(windows::ToOurs<win32::HWND>(hParent), rcPos.left, rcPos.top,
                   rcPos.right - rcPos.left, rcPos.bottom - rcPos.top);
    ClipWindow(windows::ToReal<::HWND>(m_site.hWnd()), rcPos, rcClip);
}

HRESULT OleEmbedding::ActivateInPlace(IOleClientSite* pActiveSite, bool bUiActivate) {
    if (m_eState == State::Loaded) {
        IOleClientSite* pSite = pActiveSite ? pActiveSite : m_pClientSite;
        if (!pSite) return E_UNEXPECTED;
        const HRESULT hr = EnterInPlace(*pSite);
        if (FAILED(hr)) return hr;
    }
    if (bUiActivate && m_eState != State::UiActive) return EnterUiActive();
    return S_OK;
}

// The container's site says where: its window, the frame and document windows, and the
// rectangle of the control in its window's client pixels.
HRESULT OleEmbedding::EnterInPlace(IOleClientSite& activeSite) {
    IOleInPlaceSite* pSite = nullptr;
    if (FAILED(activeSite.QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&pSite))))
        return E_NOINTERFACE;
    HWND hParent = nullptr;
    if (pSite->CanInPlaceActivate() != S_OK || FAILED(pSite->GetWindow(&hParent)) || !hParent) {
        pSite->Release();
        return E_FAIL;
    }
    pSite->OnInPlaceActivate();
    RECT rcPos{};
    RECT rcClip{};
    OLEINPLACEFRAMEINFO frameInfo{};
    frameInfo.cb = sizeof(frameInfo);
    if (FAILED(pSite->GetWindowContext(&m_pFrame, &m_pDocWindow, &rcPos, &rcClip, &frameInfo))) {
        pSite->OnInPlaceDeactivate();
        pSite->Release();
        return E_FAIL;
    }
    m_pInPlaceSite = pSite;
    m_eState = State::InPlace;
    PlaceWindow(hParent, rcPos, rcClip);
    return S_OK;
}

// The state changes first: the focus that follows comes back here through the window.
HRESULT OleEmbedding::EnterUiActive() {
    m_eState = State::UiActive;
    m_pInPlaceSite->OnUIActivate();
    ::HWND hWnd = windows::ToReal<::HWND>(m_site.hWnd());
    if (::GetFocus() != hWnd) ::SetFocus(hWnd);
    auto* pActive = static_cast<IOleInPlaceActiveObject*>(this);
    if (m_pFrame) {
        m_pFrame->SetActiveObject(pActive, kObjectName);
        m_pFrame->SetBorderSpace(nullptr);
    }
    if (m_pDocWindow) {
        m_pDocWindow->SetActiveObject(pActive, kObjectName);
        m_pDocWindow->SetBorderSpace(nullptr);
    }
    return S_OK;
}

STDMETHODIMP OleEmbedding::GetWindow(HWND* phwnd) {
    if (!phwnd) return E_POINTER;
    *phwnd = nullptr;
    if (m_eState == State::Loaded) return E_FAIL;
    *phwnd = windows::ToReal<::HWND>(m_site.hWnd());
    return S_OK;
}

STDMETHODIMP OleEmbedding::InPlaceDeactivate() {
    if (m_eState == State::Loaded) return S_OK;
    UIDeactivate();
    Unclip(windows::ToReal<::HWND>(m_site.hWnd()));
    m_site.Park();
    m_eState = State::Loaded;
    IOleInPlaceSite* pSite = m_pInPlaceSite;
    m_pInPlaceSite = nullptr;
    ReleaseInPlaceSite();
    pSite->OnInPlaceDeactivate();
    pSite->Release();
    return S_OK;
}

void OleEmbedding::ReleaseInPlaceSite() {
    ReleaseAndClear(m_pFrame);
    ReleaseAndClear(m_pDocWindow);
}

STDMETHODIMP OleEmbedding::UIDeactivate() {
    if (m_eState != State::UiActive) return S_OK;
    m_eState = State::InPlace;
    if (m_pFrame) m_pFrame->SetActiveObject(nullptr, nullptr);
    if (m_pDocWindow) m_pDocWindow->SetActiveObject(nullptr, nullptr);
    m_pInPlaceSite->OnUIDeactivate(FALSE);
    return S_OK;
}

// The container's window clips the control to its own client area; the clip rectangle
// also keeps it out of what the container covers or scrolls away inside it.
STDMETHODIMP OleEmbedding::SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) {
    if (!lprcPosRect) return E_POINTER;
    if (m_eState == State::Loaded) return OLE_E_NOT_INPLACEACTIVE;
    ::HWND hParent = ::GetParent(windows::ToReal<::HWND>(m_site.hWnd()));
    PlaceWindow(hParent, *lprcPosRect, lprcClipRect ? *lprcClipRect : *lprcPosRect);
    return S_OK;
}

// The container's loop offers every key first: the list's navigation keys go straight to
// its window (a dialog would take the arrows for moving between controls otherwise).
STDMETHODIMP OleEmbedding::TranslateAccelerator(LPMSG lpmsg) {
    if (!lpmsg) return E_POINTER;
    const bool bKey = lpmsg->message == WM_KEYDOWN || lpmsg->message == WM_KEYUP;
    if (m_eState == State::Loaded || !bKey || !IsNavigationKey(lpmsg->wParam)) return S_FALSE;
    if (lpmsg->hwnd != windows::ToReal<::HWND>(m_site.hWnd())) return S_FALSE;
    ::DispatchMessageW(lpmsg);
    return S_OK;
}

void OleEmbedding::OnWindowFocus(bool bGotFocus) {
    if (bGotFocus && m_eState == State::InPlace) EnterUiActive();
    IOleControlSite* pControlSite = nullptr;
    if (m_pClientSite && SUCCEEDED(m_pClientSite->QueryInterface(
                             IID_IOleControlSite, reinterpret_cast<void**>(&pControlSite)))) {
        pControlSite->OnFocus(bGotFocus ? TRUE : FALSE);
        pControlSite->Release();
    }
}

void OleEmbedding::OnWindowMouseActivate() {
    if (m_eState == State::InPlace) EnterUiActive();
}

// The container shows the pages when it can; otherwise the system's property frame does.
HRESULT OleEmbedding::ShowProperties() {
    IOleControlSite* pControlSite = nullptr;
    if (m_pClientSite && SUCCEEDED(m_pClientSite->QueryInterface(
                             IID_IOleControlSite, reinterpret_cast<void**>(&pControlSite)))) {
        const HRESULT hr = pControlSite->ShowPropertyFrame();
        pControlSite->Release();
        if (hr == S_OK) return S_OK;
    }
    ISpecifyPropertyPages* pPages = nullptr;
    if (FAILED(
            m_outer.QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&pPages))))
        return E_NOTIMPL;
    CAUUID pages{};
    HRESULT hr = pPages->GetPages(&pages);
    pPages->Release();
    if (FAILED(hr)) return hr;
    IUnknown* pObject = &m_outer;
    ::HWND hOwner = ::GetParent(windows::ToReal<::HWND>(m_site.hWnd()));
    hr = ::OleCreatePropertyFrame(m_eState == State::Loaded ? nullptr : hOwner, 0, 0, kObjectName,
                                  1, &pObject, pages.cElems, pages.pElems, ::GetUserDefaultLCID(),
                                  0, nullptr);
    ::CoTaskMemFree(pages.pElems);
    return hr;
}

}  // namespace qv::com
