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

PropertySheet::PropertySheet(std::vector<Tab> tabs, std::size_t nActiveTab,
                             std::vector<host::ISelectedObject*> selected)
    : m_tabs(std::move(tabs)), m_nActiveTab(nActiveTab), m_selected(std::move(selected)) {
    for (const Tab& tab : m_tabs)
        m_tabWidths.push_back(page_drawing::AmbientTextWidth(tab.sCaption) + kTabPadding);
    BuildPage();
}

namespace {

std::vector<PropertySheet::Tab> TabsWithOnePage(const std::vector<std::string>& tabCaptions,
                                                std::size_t nActiveTab,
                                                const PropertySheet::PageFactory& makePage) {
    std::vector<PropertySheet::Tab> tabs;
    for (const std::string& sCaption : tabCaptions) tabs.push_back({sCaption, nullptr});
    if (nActiveTab < tabs.size()) tabs[nActiveTab].makePage = makePage;
    return tabs;
}

}  // namespace

PropertySheet::PropertySheet(const std::vector<std::string>& tabCaptions, std::size_t nActiveTab,
                             std::vector<host::ISelectedObject*> selected,
                             const PageFactory& makePage)
    : PropertySheet(TabsWithOnePage(tabCaptions, nActiveTab, makePage), nActiveTab,
                    std::move(selected)) {
    // A sheet of captions alone still shows the page it was given.
    if (!m_pPage) {
        m_pHost = std::make_unique<PageHost>(m_selected);
        m_pPage = makePage(*m_pHost);
        m_pHost->TabFocus(false);
        m_pPage->SelectionChanged();
    }
}

// The new host starts with Changed False and the focus on the page's first control.
void PropertySheet::BuildPage() {
    m_pPage.reset();
    m_pHost = std::make_unique<PageHost>(m_selected);
    if (m_nActiveTab < m_tabs.size() && m_tabs[m_nActiveTab].makePage)
        m_pPage = m_tabs[m_nActiveTab].makePage(*m_pHost);
    if (!m_pPage) return;
    m_pHost->TabFocus(false);
    m_pPage->SelectionChanged();
}

bool PropertySheet::ShowTab(std::size_t nTab) {
    if (nTab == m_nActiveTab || nTab >= m_tabs.size() || !m_tabs[nTab].makePage) return false;
    m_nActiveTab = nTab;
    BuildPage();
    return true;
}

void PropertySheet::Apply() {
    m_pPage->ApplyChanges();
    m_pHost->SetChanged(false);
    ++m_nApplied;
}

void PropertySheet::Ok() {
    if (m_pHost->Changed()) Apply();
    m_bOpen = false;
}

win32::SIZE PropertySheet::Size() const {
    const win32::SIZE page = m_pHost->Extent();
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
    for (std::size_t i = 0; i < m_tabs.size(); ++i) {
        if (Contains(TabBounds(i), nX, nY)) {
            ShowTab(i);
            return;
        }
    }
    const win32::POINT origin = PageOrigin();
    m_pHost->MouseDown(nX - origin.x, nY - origin.y);
}

void PropertySheet::KeyDown(int nKeyCode, int nShift) {
    const bool bListOpen = m_pHost->DroppedCombo() != nullptr;
    if (nKeyCode == win32::VK_ESCAPE && !bListOpen) return Cancel();
    if (nKeyCode == win32::VK_TAB && (nShift & win32::kCtrlMask) && !m_tabs.empty()) {
        const std::size_t nCount = m_tabs.size();
        const std::size_t nStep = (nShift & win32::kShiftMask) ? nCount - 1 : 1;
        for (std::size_t nTab = (m_nActiveTab + nStep) % nCount; nTab != m_nActiveTab;
             nTab = (nTab + nStep) % nCount) {
            if (ShowTab(nTab)) return;
        }
        return;
    }
    m_pHost->KeyDown(nKeyCode, nShift);
}

}  // namespace qv::soft
