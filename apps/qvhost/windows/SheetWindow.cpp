#include "qvhost/windows/SheetWindow.h"

#include <algorithm>
#include <string>

#include "qvhost/PageSheet.h"
// After the contract headers: the system's macros would replace the contract's names.
#include "platform/windows/SystemApi.h"
#include "platform/windows/pages/ControlText.h"

#include <commctrl.h>

namespace qv::qvhost {

namespace {

constexpr wchar_t kSheetClassName[] = L"QvHostPropertySheet";
constexpr int kMargin = 6;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
// Room for the larger of the two pages, so that both show on a sheet of one size.
constexpr int kMinPageWidth = 320;
constexpr int kMinPageHeight = 245;
constexpr DWORD kSheetStyle = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;

::HWND Real(win32::HWND hWnd) {
    return windows::ToReal<::HWND>(hWnd);
}

win32::HWND Ours(::HWND hWnd) {
    return windows::ToOurs<win32::HWND>(hWnd);
}

void RegisterSheetClass() {
    const HINSTANCE hModule = ::GetModuleHandleW(nullptr);
    WNDCLASSW existing{};
    if (::GetClassInfoW(hModule, kSheetClassName, &existing)) return;
    WNDCLASSW sheetClass{};
    sheetClass.lpfnWndProc = ::DefWindowProcW;
    sheetClass.hInstance = hModule;
    sheetClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    sheetClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    sheetClass.lpszClassName = kSheetClassName;
    ::RegisterClassW(&sheetClass);
}

::HWND CreateChild(::HWND hParent, const wchar_t* sClass, DWORD dwStyle, const RECT& rc,
                   ::HFONT hFont) {
    ::HWND hWnd = ::CreateWindowExW(0, sClass, L"", WS_CHILD | WS_VISIBLE | dwStyle, rc.left,
                                    rc.top, rc.right - rc.left, rc.bottom - rc.top, hParent,
                                    nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!hWnd) throw HostPlatformError("the property sheet's window cannot be made");
    ::SendMessageW(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    return hWnd;
}

}  // namespace

SheetWindow::SheetWindow(const std::vector<std::string_view>& captions, std::size_t nActiveTab,
                         int nPageWidth, int nPageHeight, win32::HWND hFontWindow) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    RegisterSheetClass();
    m_hFont = windows::ToOurs<win32::HGDIOBJ>(
        reinterpret_cast<::HFONT>(::SendMessageW(Real(hFontWindow), WM_GETFONT, 0, 0)));
    m_hWnd = Ours(::CreateWindowExW(WS_EX_CONTROLPARENT, kSheetClassName, L"", kSheetStyle, 0, 0,
                                    0, 0, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (m_hWnd == win32::HWND{}) throw HostPlatformError("the property sheet's window cannot be made");
    AddTabs(captions, nActiveTab);

    RECT rcPage{0, 0, std::max(nPageWidth, kMinPageWidth), std::max(nPageHeight, kMinPageHeight)};
    RECT rcTabs = rcPage;
    ::SendMessageW(Real(m_hTabs), TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&rcTabs));
    const int nDx = kMargin - rcTabs.left;
    const int nDy = kMargin - rcTabs.top;
    ::OffsetRect(&rcTabs, nDx, nDy);
    ::OffsetRect(&rcPage, nDx, nDy);
    ::MoveWindow(Real(m_hTabs), rcTabs.left, rcTabs.top, rcTabs.right - rcTabs.left,
                 rcTabs.bottom - rcTabs.top, FALSE);
    m_rcPage = {rcPage.left, rcPage.top, rcPage.right, rcPage.bottom};

    const int nClientWidth = rcTabs.right + kMargin;
    const int nButtonsTop = rcTabs.bottom + kButtonGap;
    AddButtons(nClientWidth, nButtonsTop);
    RECT rcWindow{0, 0, nClientWidth, nButtonsTop + kButtonHeight + kButtonGap};
    ::AdjustWindowRectEx(&rcWindow, kSheetStyle, FALSE, WS_EX_CONTROLPARENT);
    ::SetWindowPos(Real(m_hWnd), nullptr, 0, 0, rcWindow.right - rcWindow.left,
                   rcWindow.bottom - rcWindow.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SheetWindow::~SheetWindow() {
    ::DestroyWindow(Real(m_hWnd));
}

void SheetWindow::AddTabs(const std::vector<std::string_view>& captions, std::size_t nActiveTab) {
    const auto hFont = windows::ToReal<::HFONT>(m_hFont);
    m_hTabs = Ours(CreateChild(Real(m_hWnd), WC_TABCONTROLW, WS_CLIPSIBLINGS, RECT{}, hFont));
    for (std::size_t i = 0; i < captions.size(); ++i) {
        std::wstring sCaption = windows::WideFromUtf8(captions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = sCaption.data();
        ::SendMessageW(Real(m_hTabs), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    ::SendMessageW(Real(m_hTabs), TCM_SETCURSEL, nActiveTab, 0);
}

void SheetWindow::AddButtons(int nClientWidth, int nButtonsTop) {
    const auto hFont = windows::ToReal<::HFONT>(m_hFont);
    const char* const captions[] = {"OK", "ｷｬﾝｾﾙ", "適用"};
    for (int i = 0; i < 3; ++i) {
        const int nRight = nClientWidth - kMargin - (2 - i) * (kButtonWidth + kButtonGap);
        const RECT rc{nRight - kButtonWidth, nButtonsTop, nRight, nButtonsTop + kButtonHeight};
        ::HWND hButton = CreateChild(Real(m_hWnd), L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, rc, hFont);
        windows::SetWindowTextUtf8(hButton, captions[i]);
        m_buttons.push_back(Ours(hButton));
    }
    EnableApply(false);
}

win32::HWND SheetWindow::PageWindow() const {
    for (::HWND hChild = ::GetWindow(Real(m_hWnd), GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        const win32::HWND hOurs = Ours(hChild);
        if (hOurs != m_hTabs && std::ranges::find(m_buttons, hOurs) == m_buttons.end()) return hOurs;
    }
    return {};
}

void SheetWindow::EnableApply(bool bEnable) {
    ::EnableWindow(Real(m_buttons.back()), bEnable ? TRUE : FALSE);
}

void SheetWindow::Show() {
    ::ShowWindow(Real(m_hWnd), SW_SHOWNORMAL);
}

}  // namespace qv::qvhost
