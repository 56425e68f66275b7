// Drawing without activation: the control paints through its own paint path into an
// off-screen bitmap of its outer size, border and scroll bar included, which goes to the
// container's device context at the rectangle asked for. The view's advise sink hears of
// changes.
#include "com/server/OleEmbedding.h"  // first: the control's headers precede the system's

#include <olectl.h>

#include <memory>
#include <type_traits>

#include "com/server/EventPoint.h"
#include "com/server/PropertyNotifyPoint.h"
#include "com/server/Registration.h"
#include "com/server/ScrollBarPicture.h"
#include "platform/windows/Dibs.h"
#include "platform/windows/GdiObjectCount.h"
#include "platform/windows/SystemApi.h"

namespace qv::com {

namespace {

struct DcDeleter {
    void operator()(HDC hDC) const { windows::CountDeleted(::DeleteDC(hDC)); }
};
struct ObjectDeleter {
    void operator()(HGDIOBJ hObject) const { windows::CountDeleted(::DeleteObject(hObject)); }
};
using OwnedDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDeleter>;

// A bitmap of 32 bits per pixel, whatever the device: the control's paint reads back what
// it draws the same way on every target.
OwnedBitmap CreateCanvas(int nWidth, int nHeight) {
    BITMAPINFO info = windows::TopDown32BitmapInfo(nWidth, nHeight);
    void* pBits = nullptr;
    return OwnedBitmap(
        windows::CountCreated(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0)));
}

// The window's border as the system draws it: a sunken client edge, or one line.
void DrawBorder(HDC hDC, int nBorder, int nWidth, int nHeight) {
    RECT rc{0, 0, nWidth, nHeight};
    if (nBorder == 2) ::DrawEdge(hDC, &rc, EDGE_SUNKEN, BF_RECT);
    if (nBorder == 1) ::FrameRect(hDC, &rc, ::GetSysColorBrush(COLOR_WINDOWFRAME));
}

}  // namespace

HRESULT OleEmbedding::RenderInto(HDC hdcDraw, const RECTL& rcBounds) {
    const int nWidth = m_site.OuterWidth();
    const int nHeight = m_site.OuterHeight();
    if (nWidth <= 0 || nHeight <= 0) return S_OK;
    OwnedDc memory(windows::CountCreated(::CreateCompatibleDC(nullptr)));
    OwnedBitmap canvas = CreateCanvas(nWidth, nHeight);
    if (!memory || !canvas) return E_OUTOFMEMORY;
    HDC hMemory = memory.get();
    HGDIOBJ hOldBitmap = ::SelectObject(hMemory, canvas.get());
    RECT rcAll{0, 0, nWidth, nHeight};
    ::FillRect(hMemory, &rcAll, ::GetSysColorBrush(COLOR_BTNFACE));
    const int nBorder = m_site.BorderWidth();
    DrawBorder(hMemory, nBorder, nWidth, nHeight);
    DrawWindowScrollBars(windows::ToReal<::HWND>(m_site.hWnd()), hMemory);
    POINT ptOld{};
    ::SetViewportOrgEx(hMemory, nBorder, nBorder, &ptOld);
    m_site.SetPaintTarget(windows::ToOurs<win32::HDC>(hMemory));
    m_site.Paint();
    m_site.SetPaintTarget({});
    ::SetViewportOrgEx(hMemory, ptOld.x, ptOld.y, nullptr);
    const int nOldMode = ::SetStretchBltMode(hdcDraw, COLORONCOLOR);
    const BOOL bCopied =
        ::StretchBlt(hdcDraw, rcBounds.left, rcBounds.top, rcBounds.right - rcBounds.left,
                     rcBounds.bottom - rcBounds.top, hMemory, 0, 0, nWidth, nHeight, SRCCOPY);
    ::SetStretchBltMode(hdcDraw, nOldMode);
    ::SelectObject(hMemory, hOldBitmap);
    return bCopied ? S_OK : E_FAIL;
}

STDMETHODIMP OleEmbedding::Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw,
                                LPCRECTL lprcBounds, LPCRECTL,
                                WINBOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (dwDrawAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!hdcDraw || !lprcBounds) return E_INVALIDARG;
    return RenderInto(hdcDraw, *lprcBounds);
}

// The control draws with the system's colours and whatever the pictures hold: no palette.
STDMETHODIMP OleEmbedding::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                       LOGPALETTE** ppColorSet) {
    if (!ppColorSet) return E_POINTER;
    *ppColorSet = nullptr;
    return S_FALSE;
}

STDMETHODIMP OleEmbedding::SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) {
    if (pAdvSink) pAdvSink->AddRef();
    if (m_pViewSink) m_pViewSink->Release();
    m_pViewSink = pAdvSink;
    m_dwViewAspects = aspects;
    m_dwViewAdvf = advf;
    return S_OK;
}

STDMETHODIMP OleEmbedding::GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) {
    if (pAspects) *pAspects = m_dwViewAspects;
    if (pAdvf) *pAdvf = m_dwViewAdvf;
    if (ppAdvSink) {
        *ppAdvSink = m_pViewSink;
        if (m_pViewSink) m_pViewSink->AddRef();
    }
    return S_OK;
}

STDMETHODIMP OleEmbedding::GetExtent(DWORD dwDrawAspect, LONG, DVTARGETDEVICE*, LPSIZEL lpsizel) {
    return GetExtent(dwDrawAspect, lpsizel);
}

void OleEmbedding::ViewChanged() {
    if (!m_pViewSink || !(m_dwViewAspects & DVASPECT_CONTENT)) return;
    IAdviseSink* pSink = m_pViewSink;
    pSink->AddRef();
    if (m_dwViewAdvf & ADVF_ONLYONCE) SetAdvise(0, 0, nullptr);
    pSink->OnViewChange(DVASPECT_CONTENT, -1);
    pSink->Release();
}

// One call instead of the site, the ambient properties, the view sink and the event
// connection one by one.
STDMETHODIMP OleEmbedding::QuickActivate(QACONTAINER* pQaContainer, QACONTROL* pQaControl) {
    if (!pQaContainer || !pQaControl) return E_POINTER;
    if (pQaContainer->cbSize < offsetof(QACONTAINER, pUndoMgr) ||
        pQaControl->cbSize < sizeof(QACONTROL))
        return E_INVALIDARG;
    SetClientSite(pQaContainer->pClientSite);
    ReadQuickAmbients(*pQaContainer);
    if (pQaContainer->pAdviseSink) SetAdvise(DVASPECT_CONTENT, 0, pQaContainer->pAdviseSink);
    pQaControl->dwEventCookie = 0;
    pQaControl->dwPropNotifyCookie = 0;
    DisconnectQuickPropertySink();
    if (pQaContainer->pPropertyNotifySink) {
        const HRESULT hr =
            m_propertyNotices.Advise(pQaContainer->pPropertyNotifySink, &m_dwQuickPropertyCookie);
        if (FAILED(hr)) return hr;
        pQaControl->dwPropNotifyCookie = m_dwQuickPropertyCookie;
    }
    if (pQaContainer->pUnkEventSink) {
        const HRESULT hr = m_events.Advise(pQaContainer->pUnkEventSink, &pQaControl->dwEventCookie);
        if (FAILED(hr)) return hr;
    }
    pQaControl->dwMiscStatus = ControlMiscStatus();
    pQaControl->dwViewStatus = VIEWSTATUS_OPAQUE;
    pQaControl->dwPointerActivationPolicy = 0;
    return S_OK;
}

STDMETHODIMP OleEmbedding::SetContentExtent(LPSIZEL pSizel) {
    return SetExtent(DVASPECT_CONTENT, pSizel);
}

STDMETHODIMP OleEmbedding::GetContentExtent(LPSIZEL pSizel) {
    return GetExtent(DVASPECT_CONTENT, pSizel);
}

}  // namespace qv::com
