#include "platform/soft/pages/PageHost.h"

#include <algorithm>

namespace qv::soft {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMarginPixels = 16;

bool Contains(const win32::RECT& rc, int nX, int nY) {
    return nX >= rc.left && nX < rc.right && nY >= rc.top && nY < rc.bottom;
}

}  // namespace

// Rounds to the nearest pixel, halves away from zero, as classic twip conversions do.
int TwipsToPixels(Long nTwips) {
    const long long nDoubled = 2LL * nTwips;
    const long long nRounded = nDoubled >= 0
                                   ? (nDoubled + kTwipsPerPixel) / (2 * kTwipsPerPixel)
                                   : -((-nDoubled + kTwipsPerPixel) / (2 * kTwipsPerPixel));
    return static_cast<int>(nRounded);
}

win32::RECT PageHost::Place(host::TwipRect rect, host::IFrame* pFrame) const {
    int nOriginX = 0, nOriginY = 0;
    if (auto* pSoftFrame = dynamic_cast<SoftFrame*>(pFrame)) {
        nOriginX = pSoftFrame->Bounds().left;
        nOriginY = pSoftFrame->Bounds().top;
    }
    const int nLeft = nOriginX + TwipsToPixels(rect.nLeft);
    const int nTop = nOriginY + TwipsToPixels(rect.nTop);
    return {nLeft, nTop, nLeft + TwipsToPixels(rect.nWidth), nTop + TwipsToPixels(rect.nHeight)};
}

template <typename TWidget, typename... TArgs>
TWidget& PageHost::Add(TArgs&&... args) {
    auto pWidget = std::make_unique<TWidget>(std::forward<TArgs>(args)...);
    TWidget& widget = *pWidget;
    m_widgets.push_back(std::move(pWidget));
    return widget;
}

host::ILabel& PageHost::AddLabel(std::string_view sName, std::string_view sCaption,
                                 host::TwipRect rect, host::IFrame* pFrame) {
    return Add<SoftLabel>(std::string(sName), std::string(sCaption), Place(rect, pFrame));
}

host::IFrame& PageHost::AddFrame(std::string_view sName, std::string_view sCaption,
                                 host::TwipRect rect) {
    return Add<SoftFrame>(std::string(sName), std::string(sCaption), Place(rect, nullptr));
}

host::IComboBox& PageHost::AddComboBox(std::string_view sName, host::TwipRect rect,
                                       host::IFrame* pFrame) {
    return Add<SoftComboBox>(std::string(sName), Place(rect, pFrame));
}

host::ICheckBox& PageHost::AddCheckBox(std::string_view sName, std::string_view sCaption,
                                       host::TwipRect rect, host::IFrame* pFrame) {
    return Add<SoftCheckBox>(std::string(sName), std::string(sCaption), Place(rect, pFrame));
}

host::ITextBox& PageHost::AddTextBox(std::string_view sName, host::TwipRect rect,
                                     host::IFrame* pFrame) {
    return Add<SoftTextBox>(std::string(sName), Place(rect, pFrame));
}

PageWidget* PageHost::Find(std::string_view sName) const {
    auto it = std::ranges::find_if(m_widgets, [&](const auto& p) { return p->Name() == sName; });
    return it == m_widgets.end() ? nullptr : it->get();
}

win32::SIZE PageHost::Extent() const {
    win32::SIZE size;
    for (const auto& pWidget : m_widgets) {
        size.cx = std::max<win32::LONG>(size.cx, pWidget->Bounds().right + kMarginPixels);
        size.cy = std::max<win32::LONG>(size.cy, pWidget->Bounds().bottom + kMarginPixels);
    }
    return size;
}

bool PageHost::SetFocus(PageWidget* pWidget) {
    if (pWidget == m_pFocused) return true;
    if (auto* pText = dynamic_cast<SoftTextBox*>(m_pFocused); pText && !pText->Validate())
        return false;
    if (auto* pCombo = dynamic_cast<SoftComboBox*>(m_pFocused)) pCombo->CloseList();
    m_pFocused = pWidget;
    return true;
}

void PageHost::TabFocus(bool bBackward) {
    std::vector<PageWidget*> order;
    for (const auto& pWidget : m_widgets)
        if (pWidget->TakesFocus()) order.push_back(pWidget.get());
    if (order.empty()) return;
    const auto it = std::ranges::find(order, m_pFocused);
    const std::ptrdiff_t nCount = std::ssize(order);
    std::ptrdiff_t nNext = 0;
    if (it != order.end()) {
        const std::ptrdiff_t nAt = it - order.begin();
        nNext = (nAt + (bBackward ? nCount - 1 : 1)) % nCount;
    } else if (bBackward) {
        nNext = nCount - 1;
    }
    SetFocus(order[static_cast<std::size_t>(nNext)]);
}

void PageHost::KeyDown(int nKeyCode, int nShift) {
    if (m_pFocused && m_pFocused->KeyDown(nKeyCode, nShift)) return;
    if (nKeyCode == win32::VK_TAB) TabFocus((nShift & win32::kShiftMask) != 0);
}

void PageHost::Char(char32_t cChar) {
    if (m_pFocused) m_pFocused->Char(cChar);
}

SoftComboBox* PageHost::DroppedCombo() const {
    auto* pCombo = dynamic_cast<SoftComboBox*>(m_pFocused);
    return pCombo && pCombo->IsDropped() ? pCombo : nullptr;
}

// An open list lies over the page and takes the press first. A press on a control
// that takes the focus acts on it only once the focus got there.
void PageHost::MouseDown(int nX, int nY) {
    if (SoftComboBox* pCombo = DroppedCombo()) {
        if (Contains(pCombo->DroppedListBounds(), nX, nY) || Contains(pCombo->Bounds(), nX, nY)) {
            pCombo->MouseDown(nX, nY);
            return;
        }
        pCombo->CloseList();
    }
    for (const auto& pWidget : m_widgets) {
        if (!pWidget->TakesFocus() || !Contains(pWidget->Bounds(), nX, nY)) continue;
        if (SetFocus(pWidget.get())) pWidget->MouseDown(nX, nY);
        return;
    }
}

}  // namespace qv::soft
