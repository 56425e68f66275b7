#include "platform/windows/pages/PageControls.h"

#include "platform/HostError.h"

namespace qv::windows {

namespace {

[[noreturn]] void RaiseInvalidValue() {
    throw HostError(host::kInvalidPropertyValue, "Invalid property value");
}

}  // namespace

PageControl::PageControl(std::string sName, HWND hWnd) : m_sName(std::move(sName)), m_hWnd(hWnd) {
    ::SetPropW(m_hWnd, kPageControlNameProperty, const_cast<char*>(m_sName.c_str()));
}

PageControl::~PageControl() {
    if (::IsWindow(m_hWnd)) ::RemovePropW(m_hWnd, kPageControlNameProperty);
}

RECT PageControl::LayoutBounds() const {
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

bool PageComboBox::Notify(WORD nCode) {
    if (nCode == CBN_SELCHANGE && m_onClick) m_onClick();
    return false;
}

// The window grows with its items so that the open list shows them all.
void PageComboBox::AddItem(std::string_view sItem) {
    ::SendMessageW(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(sItem).c_str()));
    const auto nItemHeight = static_cast<int>(::SendMessageW(Window(), CB_GETITEMHEIGHT, 0, 0));
    const int nFieldHeight = m_rcField.bottom - m_rcField.top;
    const int nWidth = m_rcField.right - m_rcField.left;
    ::SetWindowPos(Window(), nullptr, 0, 0, nWidth, nFieldHeight + 2 + nItemHeight * ListCount(),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Integer PageComboBox::ListCount() const {
    return static_cast<Integer>(::SendMessageW(Window(), CB_GETCOUNT, 0, 0));
}

std::string PageComboBox::List(Integer nIndex) const {
    if (nIndex < 0 || nIndex >= ListCount()) RaiseInvalidValue();
    const auto wIndex = static_cast<WPARAM>(nIndex);
    const auto nLength = ::SendMessageW(Window(), CB_GETLBTEXTLEN, wIndex, 0);
    std::wstring sWide(static_cast<std::size_t>(nLength) + 1, L'\0');
    ::SendMessageW(Window(), CB_GETLBTEXT, wIndex, reinterpret_cast<LPARAM>(sWide.data()));
    sWide.resize(static_cast<std::size_t>(nLength));
    return Utf8FromWide(sWide);
}

Integer PageComboBox::ListIndex() const {
    const auto nIndex = ::SendMessageW(Window(), CB_GETCURSEL, 0, 0);
    return nIndex == CB_ERR ? Integer{-1} : static_cast<Integer>(nIndex);
}

// The system tells of a pick by the user only; a pick by the page is told here, as the
// page expects of every accepted assignment.
void PageComboBox::SetListIndex(Integer nIndex) {
    if (nIndex < -1 || nIndex >= ListCount()) RaiseInvalidValue();
    ::SendMessageW(Window(), CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    if (m_onClick) m_onClick();
}

bool PageCheckBox::Notify(WORD nCode) {
    if (nCode == BN_CLICKED && m_onClick) m_onClick();
    return false;
}

Integer PageCheckBox::Value() const {
    return ::SendMessageW(Window(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void PageCheckBox::SetValue(Integer nValue) {
    if (nValue != 0 && nValue != 1) RaiseInvalidValue();
    if (nValue == Value()) return;
    ::SendMessageW(Window(), BM_SETCHECK, nValue == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    if (m_onClick) m_onClick();
}

bool PageTextBox::Notify(WORD nCode) {
    if (nCode == EN_CHANGE && !m_bSetting && m_onChange) m_onChange();
    if (nCode == EN_KILLFOCUS) return !Validate();
    return false;
}

// The edit control tells of a text set by a program too; that notice is held back so
// that an unchanged text raises nothing and a changed one raises Change once.
void PageTextBox::SetText(std::string_view sText) {
    if (Text() == sText) return;
    m_bSetting = true;
    SetWindowTextUtf8(Window(), sText);
    m_bSetting = false;
    if (m_onChange) m_onChange();
}

bool PageTextBox::Validate() {
    if (!m_onValidate || m_bValidating) return true;
    bool bCancel = false;
    m_bValidating = true;
    try {
        m_onValidate(bCancel);
    } catch (...) {
        m_bValidating = false;
        throw;
    }
    m_bValidating = false;
    return !bCancel;
}

}  // namespace qv::windows
