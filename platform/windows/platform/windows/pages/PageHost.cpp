#include "platform/windows/pages/PageHost.h"

#include <algorithm>

#include "platform/HostError.h"
#include "platform/host/MsgBox.h"
#include "platform/windows/GdiObjectCount.h"
#include "platform/windows/pages/PageWindow.h"

namespace qv::windows {

namespace {

constexpr int kMarginPixels = 16;
constexpr WORD kFirstControlId = 1000;
constexpr int kFontPoints = 9;

int ScreenPixelsPerInch(int nIndex) {
    HDC hDC = ::GetDC(nullptr);
    const int nPixels = ::GetDeviceCaps(hDC, nIndex);
    ::ReleaseDC(nullptr, hDC);
    return nPixels > 0 ? nPixels : 96;
}

// The page's own font until the designer gives one: the Japanese gothic face the
// page's texts are written for.
HFONT CreatePageFont(int nPixelsPerInch) {
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(kFontPoints, nPixelsPerInch, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    ::lstrcpynW(font.lfFaceName, L"MS UI Gothic", LF_FACESIZE);
    return CountCreated(::CreateFontIndirectW(&font));
}

}  // namespace

int TwipsToPixels(Long nTwips, int nPixelsPerInch) {
    const long long nScaled = 2LL * nTwips * nPixelsPerInch;
    const long long nRounded = nScaled >= 0 ? (nScaled + 1440) / 2880 : -((-nScaled + 1440) / 2880);
    return static_cast<int>(nRounded);
}

PageHost::PageHost()
    : m_nPixelsPerInchX(ScreenPixelsPerInch(LOGPIXELSX)),
      m_nPixelsPerInchY(ScreenPixelsPerInch(LOGPIXELSY)) {
    m_hOwnFont = CreatePageFont(m_nPixelsPerInchY);
    m_hFont = m_hOwnFont;
    m_hWnd = CreatePageWindow(*this);
    if (!m_hWnd) throw HostError(err::kOutOfMemory);
}

PageHost::~PageHost() {
    m_controls.clear();
    ::DestroyWindow(m_hWnd);
    if (m_hOwnFont) CountDeleted(::DeleteObject(m_hOwnFont));
}

// A window without a parent must be a pop-up, and a window with one a child; the system
// leaves these styles to the caller of SetParent.
void PageHost::Attach(HWND hParent, const RECT& rcPlace) {
    const auto nStyle = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (nStyle & ~WS_POPUP) | WS_CHILD);
    ::SetParent(m_hWnd, hParent);
    ::SetWindowPos(m_hWnd, nullptr, rcPlace.left, rcPlace.top, rcPlace.right - rcPlace.left,
                   rcPlace.bottom - rcPlace.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PageHost::Detach() {
    ::ShowWindow(m_hWnd, SW_HIDE);
    ::SetParent(m_hWnd, nullptr);
    const auto nStyle = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (nStyle & ~WS_CHILD) | WS_POPUP);
}

void PageHost::SetFont(HFONT hFont) {
    m_hFont = hFont ? hFont : m_hOwnFont;
    for (const auto& pControl : m_controls)
        ::SendMessageW(pControl->Window(), WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), TRUE);
}

SIZE PageHost::Extent() const {
    SIZE size{};
    for (const auto& pControl : m_controls) {
        const RECT rc = pControl->LayoutBounds();
        size.cx = std::max<LONG>(size.cx, rc.right + kMarginPixels);
        size.cy = std::max<LONG>(size.cy, rc.bottom + kMarginPixels);
    }
    return size;
}

void PageHost::SetChanged(bool bChanged) {
    if (bChanged == m_bChanged) return;
    m_bChanged = bChanged;
    if (m_onChangedTurn) m_onChangedTurn(bChanged);
}

RECT PageHost::Place(host::TwipRect rect, host::IFrame* pFrame) const {
    POINT ptOrigin{};
    if (auto* pPageFrame = dynamic_cast<PageFrame*>(pFrame)) {
        const RECT rcFrame = pPageFrame->LayoutBounds();
        ptOrigin = {rcFrame.left, rcFrame.top};
    }
    const int nLeft = ptOrigin.x + TwipsToPixels(rect.nLeft, m_nPixelsPerInchX);
    const int nTop = ptOrigin.y + TwipsToPixels(rect.nTop, m_nPixelsPerInchY);
    return {nLeft, nTop, nLeft + TwipsToPixels(rect.nWidth, m_nPixelsPerInchX),
            nTop + TwipsToPixels(rect.nHeight, m_nPixelsPerInchY)};
}

HWND PageHost::CreateChild(const wchar_t* sClass, std::string_view sText, DWORD dwStyle,
                           DWORD dwExStyle, const RECT& rc) {
    const auto nId = static_cast<WORD>(kFirstControlId + m_controls.size());
    HWND hWnd = ::CreateWindowExW(dwExStyle, sClass, L"", WS_CHILD | WS_VISIBLE | dwStyle, rc.left,
                                  rc.top, rc.right - rc.left, rc.bottom - rc.top, m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)), PageModule(),
                                  nullptr);
    if (!hWnd) throw HostError(err::kOutOfMemory);
    ::SendMessageW(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
    SetWindowTextUtf8(hWnd, sText);
    return hWnd;
}

template <typename TControl, typename... TArgs>
TControl& PageHost::Add(std::string_view sName, HWND hWnd, TArgs&&... args) {
    auto pControl =
        std::make_unique<TControl>(std::string(sName), hWnd, std::forward<TArgs>(args)...);
    TControl& control = *pControl;
    m_controls.push_back(std::move(pControl));
    return control;
}

host::ILabel& PageHost::AddLabel(std::string_view sName, std::string_view sCaption,
                                 host::TwipRect rect, host::IFrame* pFrame) {
    const RECT rc = Place(rect, pFrame);
    return Add<PageLabel>(sName, CreateChild(L"STATIC", sCaption, SS_LEFT | SS_NOPREFIX, 0, rc));
}

host::IFrame& PageHost::AddFrame(std::string_view sName, std::string_view sCaption,
                                 host::TwipRect rect) {
    const RECT rc = Place(rect, nullptr);
    return Add<PageFrame>(sName, CreateChild(L"BUTTON", sCaption, BS_GROUPBOX, 0, rc));
}

host::IComboBox& PageHost::AddComboBox(std::string_view sName, host::TwipRect rect,
                                       host::IFrame* pFrame) {
    const RECT rc = Place(rect, pFrame);
    const DWORD dwStyle = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    return Add<PageComboBox>(sName, CreateChild(L"COMBOBOX", "", dwStyle, 0, rc), rc);
}

host::ICheckBox& PageHost::AddCheckBox(std::string_view sName, std::string_view sCaption,
                                       host::TwipRect rect, host::IFrame* pFrame) {
    const RECT rc = Place(rect, pFrame);
    const DWORD dwStyle = BS_AUTOCHECKBOX | WS_TABSTOP;
    return Add<PageCheckBox>(sName, CreateChild(L"BUTTON", sCaption, dwStyle, 0, rc));
}

host::ITextBox& PageHost::AddTextBox(std::string_view sName, host::TwipRect rect,
                                     host::IFrame* pFrame) {
    const RECT rc = Place(rect, pFrame);
    const DWORD dwStyle = ES_AUTOHSCROLL | ES_LEFT | WS_TABSTOP;
    return Add<PageTextBox>(sName, CreateChild(L"EDIT", "", dwStyle, WS_EX_CLIENTEDGE, rc));
}

PageControl* PageHost::Find(std::string_view sName) const {
    auto it = std::ranges::find_if(m_controls, [&](const auto& p) { return p->Name() == sName; });
    return it == m_controls.end() ? nullptr : it->get();
}

// The page's handlers run inside the system's window procedure, which no exception may
// cross: an error of the selected object is told to the user as the host tells errors.
void PageHost::Command(WORD nId, WORD nCode) {
    const std::size_t nIndex = static_cast<std::size_t>(nId) - kFirstControlId;
    if (m_bClosed || nId < kFirstControlId || nIndex >= m_controls.size()) return;
    PageControl& control = *m_controls[nIndex];
    try {
        if (control.Notify(nCode)) RestoreFocusLater(m_hWnd, control.Window());
    } catch (const HostError& error) {
        host::MsgBox(error.Text(), host::vbCritical | host::vbOKOnly);
    }
}

}  // namespace qv::windows
