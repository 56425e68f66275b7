#include "platform/soft/pages/PropertySheet.h"

#include <algorithm>

#include "platform/soft/pages/PageDrawing.h"

namespace qv::soft {

namespace {

constexpr int kMargin = 6;
constexpr int kTabHeight = 20;
constexpr int kTabPadding = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
// Room for the larger of the two pages, so that both show on a sheet of one size.
constexpr int kMinPageWidth = 320;
constexpr int kMinPageHeight = 245;

bool Contains(const win32::RECT& rc, int nX, int nY) {
    return nX >= rc.left && nX < rc.right && nY >= rc.top && nY < rc.bottom;
}

}  // namespace

PropertySheet::PropertySheet(std::vector<std::string> tabCaptions, std::size_t nActiveTab,
                             std::vector<host::ISelectedObject*> selected,
                             const PageFactory& makePage)
    : m_tabCaptions(std::move(tabCaptions)),
      m_nActiveTab(nActiveTab),
      m_host(std::move(selected)),
      m_pPage(makePage(m_host)) {
    for (const std::string& sCaption : m_tabCaptions)
        m_tabWidths.push_back(page_drawing::AmbientTextWidth(sCaption) + kTabPadding);
    m_host.TabFocus(false);
    m_pPage->SelectionChanged();
}

void PropertySheet::Apply() {
    m_pPage->ApplyChanges();
    m_host.SetChanged(false);
}

void PropertySheet::Ok() {
    if (m_host.Changed()) Apply();
    m_bOpen = false;
}

win32::SIZE PropertySheet::Size() const {
    const win32::SIZE page = m_host.Extent();
    const int nPageWidth = std::max<int>(page.cx, kMinPageWidth);
    const int nPageHeight = std::max<int>(page.cy, kMinPageHeight);
    return {2 * kMargin + nPageWidth,
            kMargin + kTabHeight + nPageHeight + 2 * kButtonGap + kButtonHeight};
}

win32::POINT PropertySheet::PageOrigin() const {
    return {kMargin, kMargin + kTabHeight};
}

win32::RECT PropertySheet::TabBounds(std::size_t nTab) const {
    int nLeft = kMargin;
    for (std::size_t i = 0; i < nTab && i < m_tabWidths.size(); ++i) nLeft += m_tabWidths[i];
    const int nWidth = nTab < m_tabWidths.size() ? m_tabWidths[nTab] : 0;
    return {nLeft, kMargin, nLeft + nWidth, kMargin + kTabHeight};
}

win32::RECT PropertySheet::ButtonBounds(Button eButton) const {
    const win32::SIZE size = Size();
    const int nIndexFromRight = eButton == Button::Apply ? 0 : eButton == Button::Cancel ? 1 : 2;
    const int nRight = size.cx - kMargin - nIndexFromRight * (kButtonWidth + kButtonGap);
    const int nTop = size.cy - kButtonGap - kButtonHeight;
    return {nRight - kButtonWidth, nTop, nRight, nTop + kButtonHeight};
}

void PropertySheet::MouseDown(int nX, int nY) {
    if (Contains(ButtonBounds(Button::Ok), nX, nY)) return Ok();
    if (Contains(ButtonBounds(Button::Cancel), nX, nY)) return Cancel();
    if (Contains(ButtonBounds(Button::Apply), nX, nY)) {
        if (ApplyEnabled()) Apply();
        return;
    }
    const win32::POINT origin = PageOrigin();
    m_host.MouseDown(nX - origin.x, nY - origin.y);
}

void PropertySheet::KeyDown(int nKeyCode, int nShift) {
    const bool bListOpen = m_host.DroppedCombo() != nullptr;
    if (nKeyCode == vk::kEscape && !bListOpen) return Cancel();
    m_host.KeyDown(nKeyCode, nShift);
}

}  // namespace qv::soft
