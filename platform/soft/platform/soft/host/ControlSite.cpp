#include "platform/soft/host/ControlSite.h"

#include <map>

#include "platform/soft/gdi/SoftGdi.h"
#include "platform/win32/Gdi.h"

namespace qv::soft {

using namespace win32;

namespace {

thread_local std::map<std::uint32_t, ControlSite*> t_sitesByWindow;

}  // namespace

ControlSite::ControlSite(Form& form, int nX, int nY, int nWidth, int nHeight)
    : ControlSiteCore(form), m_form(form) {
    m_hWnd = form.Windows().CreateWindowAt(form.hWnd(), LimitWindowRect(nX, nY, nWidth, nHeight),
                                           SiteWindowProc);
    t_sitesByWindow[HandleValue(m_hWnd)] = this;
}

ControlSite::~ControlSite() {
    if (m_hDC != HDC{}) DeleteDC(m_hDC);
    t_sitesByWindow.erase(HandleValue(m_hWnd));
    m_form.Windows().DestroyWindow(m_hWnd);
}

void ControlSite::Show() {
    m_form.Windows().SetVisible(m_hWnd, true);
}

void ControlSite::MoveOuter(int nWidth, int nHeight) {
    const RECT rcOld = OwnWindow().rcOuter;
    m_form.Windows().MoveWindow(m_hWnd, LimitWindowRect(rcOld.left, rcOld.top, nWidth, nHeight));
}

// A new context after every change of the client size, even one that came back, as the
// control may rely on a context not outliving its size.
HDC ControlSite::hDC() const {
    const ClientPixels& client = OwnWindow().pClient;
    const SurfaceRef& pSurface = client.Get();
    if (m_hDC == HDC{} || client.Generation() != m_nDCGeneration || pSurface != m_pDCSurface) {
        if (m_hDC != HDC{}) DeleteDC(m_hDC);
        m_hDC = CreateSurfaceDC(pSurface);
        m_pDCSurface = pSurface;
        m_nDCGeneration = client.Generation();
    }
    return m_hDC;
}

float ControlSite::ScaleWidth() const {
    return static_cast<float>(OwnWindow().ClientWidth());
}

float ControlSite::ScaleHeight() const {
    return static_cast<float>(OwnWindow().ClientHeight());
}

int ControlSite::OuterHeight() const {
    const RECT& rc = OwnWindow().rcOuter;
    return rc.bottom - rc.top;
}

void ControlSite::Refresh() {
    m_form.Windows().Validate(m_hWnd);
    m_form.Windows().SendMessage(m_hWnd, WM_PAINT, 0, 0);
}

void ControlSite::ApplyBorder(int nBorderWidth) {
    m_form.Windows().SetBorderWidth(m_hWnd, nBorderWidth);
    m_form.Windows().Invalidate(m_hWnd);
}

void ControlSite::ApplyEnabled(bool bEnabled) {
    m_form.Windows().EnableWindow(m_hWnd, bEnabled);
}

Integer ControlSite::KeyModifiers() const {
    return static_cast<Integer>(m_form.Windows().Modifiers());
}

// Our window system keeps the keys and buttons held itself.
Integer ControlSite::MouseModifiers(WPARAM) const {
    return KeyModifiers();
}

Integer ControlSite::ButtonsHeld(WPARAM) const {
    return static_cast<Integer>(m_form.Windows().ButtonsHeld());
}

const Window& ControlSite::OwnWindow() const {
    // The site owns its window for its whole life, so it is always there.
    return *m_form.Windows().Find(m_hWnd);
}

// The runtime's own window procedure: the end of every subclassing chain.
LRESULT ControlSite::SiteWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto it = t_sitesByWindow.find(HandleValue(hWnd));
    if (it != t_sitesByWindow.end()) it->second->DeliverMessage(uMsg, wParam, lParam);
    return 0;
}

}  // namespace qv::soft
