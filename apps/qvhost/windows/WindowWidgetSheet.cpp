#include "qvhost/windows/WindowWidgetSheet.h"

// After the contract headers: the system's macros would replace the contract's names.
#include "platform/windows/SystemApi.h"
#include "platform/windows/pages/ControlText.h"

namespace qv::qvhost {

namespace {

::HWND Real(win32::HWND hWnd) {
    return windows::ToReal<::HWND>(hWnd);
}

std::wstring ClassName(::HWND hWnd) {
    wchar_t sClass[64] = {};
    ::GetClassNameW(hWnd, sClass, 64);
    return sClass;
}

PageWidgetKind ButtonKind(::HWND hWnd) {
    switch (::GetWindowLongW(hWnd, GWL_STYLE) & BS_TYPEMASK) {
        case BS_GROUPBOX:
            return PageWidgetKind::Frame;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            return PageWidgetKind::CheckBox;
        default:
            return PageWidgetKind::None;
    }
}

PageWidgetKind WindowKind(::HWND hWnd) {
    if (!hWnd) return PageWidgetKind::None;
    const std::wstring sClass = ClassName(hWnd);
    if (::lstrcmpiW(sClass.c_str(), L"Static") == 0) return PageWidgetKind::Label;
    if (::lstrcmpiW(sClass.c_str(), L"Button") == 0) return ButtonKind(hWnd);
    if (::lstrcmpiW(sClass.c_str(), L"ComboBox") == 0) return PageWidgetKind::ComboBox;
    if (::lstrcmpiW(sClass.c_str(), L"Edit") == 0) return PageWidgetKind::TextBox;
    return PageWidgetKind::None;
}

// The notification a control sends its parent, sent here on the control's behalf.
void NotifyParent(::HWND hControl, WORD nCode) {
    const auto nId = static_cast<WORD>(::GetDlgCtrlID(hControl));
    ::SendMessageW(::GetParent(hControl), WM_COMMAND, MAKEWPARAM(nId, nCode),
                   reinterpret_cast<LPARAM>(hControl));
}

}  // namespace

win32::HWND WindowWidgetSheet::WidgetWindow(const std::string& sWidget) const {
    for (::HWND hChild = ::GetWindow(Real(PageWindow()), GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (windows::PageControlName(hChild) == sWidget) return windows::ToOurs<win32::HWND>(hChild);
    }
    return {};
}

void WindowWidgetSheet::FocusFirstControl() const {
    for (::HWND hChild = ::GetWindow(Real(PageWindow()), GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if ((::GetWindowLongW(hChild, GWL_STYLE) & WS_TABSTOP) && ::IsWindowEnabled(hChild)) {
            ::SetFocus(hChild);
            return;
        }
    }
}

PageWidgetKind WindowWidgetSheet::KindOf(const std::string& sWidget) const {
    return WindowKind(Real(WidgetWindow(sWidget)));
}

Integer WindowWidgetSheet::ItemCount(const std::string& sComboBox) const {
    return static_cast<Integer>(::SendMessageW(Real(WidgetWindow(sComboBox)), CB_GETCOUNT, 0, 0));
}

Integer WindowWidgetSheet::PickedItem(const std::string& sComboBox) const {
    const LRESULT nIndex = ::SendMessageW(Real(WidgetWindow(sComboBox)), CB_GETCURSEL, 0, 0);
    return nIndex == CB_ERR ? Integer{-1} : static_cast<Integer>(nIndex);
}

Integer WindowWidgetSheet::CheckValue(const std::string& sCheckBox) const {
    const LRESULT nState = ::SendMessageW(Real(WidgetWindow(sCheckBox)), BM_GETCHECK, 0, 0);
    return nState == BST_CHECKED ? 1 : 0;
}

std::string WindowWidgetSheet::Text(const std::string& sWidget) const {
    return windows::WindowTextUtf8(Real(WidgetWindow(sWidget)));
}

void WindowWidgetSheet::PickItem(const std::string& sComboBox, Integer nIndex) {
    ::HWND hComboBox = Real(WidgetWindow(sComboBox));
    ::SendMessageW(hComboBox, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    NotifyParent(hComboBox, CBN_SELCHANGE);
    RunUntilIdle();
}

void WindowWidgetSheet::TurnCheckBox(const std::string& sCheckBox) {
    ::SendMessageW(Real(WidgetWindow(sCheckBox)), BM_CLICK, 0, 0);
    RunUntilIdle();
}

void WindowWidgetSheet::TypeText(const std::string& sTextBox, const std::string& sText) {
    windows::SetWindowTextUtf8(Real(WidgetWindow(sTextBox)), sText);
    RunUntilIdle();
}

// When the box cannot take the focus (another box's Validate keeps it), nothing leaves.
void WindowWidgetSheet::LeaveTextBox(const std::string& sTextBox) {
    ::HWND hTextBox = Real(WidgetWindow(sTextBox));
    ::SetFocus(hTextBox);
    RunUntilIdle();
    if (::GetFocus() != hTextBox) return;
    ::SetFocus(::GetParent(hTextBox));
    RunUntilIdle();
}

std::string WindowWidgetSheet::FocusedWidget() const {
    ::HWND hFocus = ::GetFocus();
    const bool bOnPage = hFocus && ::GetParent(hFocus) == Real(PageWindow());
    const std::string sName = bOnPage ? windows::PageControlName(hFocus) : std::string();
    return sName.empty() ? "none" : sName;
}

}  // namespace qv::qvhost
