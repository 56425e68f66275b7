#include "platform/soft/pages/PageWidgets.h"

#include "platform/HostError.h"

namespace qv::soft {

namespace {

[[noreturn]] void RaiseInvalidValue() {
    throw HostError(host::kInvalidPropertyValue, "Invalid property value");
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t PreviousBoundary(const std::string& sText, std::size_t nAt) {
    if (nAt == 0) return 0;
    do {
        --nAt;
    } while (nAt > 0 && IsContinuationByte(sText[nAt]));
    return nAt;
}

std::size_t NextBoundary(const std::string& sText, std::size_t nAt) {
    if (nAt >= sText.size()) return sText.size();
    do {
        ++nAt;
    } while (nAt < sText.size() && IsContinuationByte(sText[nAt]));
    return nAt;
}

std::string EncodeUtf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

bool Contains(const win32::RECT& rc, int nX, int nY) {
    return nX >= rc.left && nX < rc.right && nY >= rc.top && nY < rc.bottom;
}

}  // namespace

std::string SoftComboBox::List(Integer nIndex) const {
    if (nIndex < 0 || nIndex >= ListCount()) RaiseInvalidValue();
    return m_items[static_cast<std::size_t>(nIndex)];
}

void SoftComboBox::SetListIndex(Integer nIndex) {
    if (nIndex < -1 || nIndex >= ListCount()) RaiseInvalidValue();
    m_nListIndex = nIndex;
    if (m_onClick) m_onClick();
}

win32::RECT SoftComboBox::DroppedListBounds() const {
    const win32::RECT& rc = Bounds();
    return {rc.left, rc.bottom, rc.right, rc.bottom + 2 + kRowHeight * ListCount()};
}

void SoftComboBox::OpenList() {
    m_bDropped = true;
    m_nHotItem = m_nListIndex;
}

void SoftComboBox::Pick(Integer nIndex) {
    m_bDropped = false;
    if (nIndex >= 0 && nIndex < ListCount()) SetListIndex(nIndex);
}

bool SoftComboBox::KeyDown(int nKeyCode, int nShift) {
    const bool bAlt = (nShift & win32::kAltMask) != 0;
    if (nKeyCode == win32::VK_F4 || (bAlt && nKeyCode == win32::VK_DOWN)) {
        m_bDropped ? CloseList() : OpenList();
        return true;
    }
    const int nStep = nKeyCode == win32::VK_DOWN ? 1 : nKeyCode == win32::VK_UP ? -1 : 0;
    if (m_bDropped) return DroppedKeyDown(nKeyCode, nStep);
    if (nStep == 0) return false;
    const int nNext = m_nListIndex < 0 ? 0 : m_nListIndex + nStep;
    if (nNext >= 0 && nNext < ListCount() && nNext != m_nListIndex)
        SetListIndex(static_cast<Integer>(nNext));
    return true;
}

bool SoftComboBox::DroppedKeyDown(int nKeyCode, int nStep) {
    if (nStep != 0) {
        const int nHot = m_nHotItem + nStep;
        if (nHot >= 0 && nHot < ListCount()) m_nHotItem = static_cast<Integer>(nHot);
    } else if (nKeyCode == win32::VK_RETURN) {
        Pick(m_nHotItem);
    } else if (nKeyCode == win32::VK_ESCAPE) {
        CloseList();
    } else {
        return false;
    }
    return true;
}

void SoftComboBox::MouseDown(int nX, int nY) {
    if (Contains(Bounds(), nX, nY)) {
        m_bDropped ? CloseList() : OpenList();
        return;
    }
    const win32::RECT rcList = DroppedListBounds();
    if (m_bDropped && Contains(rcList, nX, nY)) {
        Pick(static_cast<Integer>((nY - rcList.top - 1) / kRowHeight));
        return;
    }
    CloseList();
}

void SoftCheckBox::SetValue(Integer nValue) {
    if (nValue != 0 && nValue != 1) RaiseInvalidValue();
    if (nValue == m_nValue) return;
    m_nValue = nValue;
    if (m_onClick) m_onClick();
}

bool SoftCheckBox::Char(char32_t cChar) {
    if (cChar != U' ') return false;
    SetValue(m_nValue ? 0 : 1);
    return true;
}

void SoftCheckBox::MouseDown(int, int) {
    SetValue(m_nValue ? 0 : 1);
}

void SoftTextBox::SetText(std::string_view sText) {
    Edit(std::string(sText), sText.size());
}

void SoftTextBox::Edit(std::string sText, std::size_t nCaret) {
    m_nCaret = nCaret;
    if (sText == m_sText) return;
    m_sText = std::move(sText);
    if (m_onChange) m_onChange();
}

bool SoftTextBox::Validate() {
    bool bCancel = false;
    if (m_onValidate) m_onValidate(bCancel);
    return !bCancel;
}

bool SoftTextBox::KeyDown(int nKeyCode, int) {
    switch (nKeyCode) {
        case win32::VK_LEFT:
            m_nCaret = PreviousBoundary(m_sText, m_nCaret);
            return true;
        case win32::VK_RIGHT:
            m_nCaret = NextBoundary(m_sText, m_nCaret);
            return true;
        case win32::VK_HOME:
            m_nCaret = 0;
            return true;
        case win32::VK_END:
            m_nCaret = m_sText.size();
            return true;
        case win32::VK_DELETE: {
            const std::size_t nEnd = NextBoundary(m_sText, m_nCaret);
            Edit(m_sText.substr(0, m_nCaret) + m_sText.substr(nEnd), m_nCaret);
            return true;
        }
        default:
            return false;
    }
}

// Backspace arrives as its character, as in a classic edit control; other control
// characters are not text.
bool SoftTextBox::Char(char32_t cChar) {
    if (cChar == win32::VK_BACK) {
        const std::size_t nStart = PreviousBoundary(m_sText, m_nCaret);
        Edit(m_sText.substr(0, nStart) + m_sText.substr(m_nCaret), nStart);
        return true;
    }
    if (cChar < 0x20 || cChar == 0x7F || cChar > 0x10FFFF) return false;
    if (cChar >= 0xD800 && cChar <= 0xDFFF) return false;
    const std::string sChar = EncodeUtf8(cChar);
    Edit(m_sText.substr(0, m_nCaret) + sChar + m_sText.substr(m_nCaret), m_nCaret + sChar.size());
    return true;
}

// The caret goes to the end of the text; a click does not pick a character position.
void SoftTextBox::MouseDown(int, int) {
    m_nCaret = m_sText.size();
}

}  // namespace qv::soft
