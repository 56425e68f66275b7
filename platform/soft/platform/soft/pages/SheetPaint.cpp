// Painting of the property sheet: tabs, the page with its controls, the buttons.
#include "platform/soft/gdi/SoftGdi.h"
#include "platform/soft/pages/PageDrawing.h"
#include "platform/soft/pages/PropertySheet.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/User.h"

namespace qv::soft {

namespace {

using namespace page_drawing;

constexpr const char* kOkCaption = "OK";
constexpr const char* kCancelCaption = "ｷｬﾝｾﾙ";
constexpr const char* kApplyCaption = "適用";

// Owns a device context on a surface and the ambient font selected into it.
class SheetCanvas {
  public:
    explicit SheetCanvas(SurfaceRef pSurface) : m_hDC(CreateSurfaceDC(std::move(pSurface))) {
        m_hFont = CreateAmbientFont(m_hDC);
        m_hOldFont = win32::SelectObject(m_hDC, m_hFont);
    }
    ~SheetCanvas() {
        win32::SelectObject(m_hDC, m_hOldFont);
        win32::DeleteObject(m_hFont);
        win32::DeleteDC(m_hDC);
    }
    SheetCanvas(const SheetCanvas&) = delete;
    SheetCanvas& operator=(const SheetCanvas&) = delete;
    win32::HDC hDC() const { return m_hDC; }

  private:
    win32::HDC m_hDC;
    win32::HFONT m_hFont{};
    win32::HGDIOBJ m_hOldFont{};
};

// The selected tab stands two pixels higher and opens into the page below it.
void DrawTab(win32::HDC hDC, win32::RECT rc, const std::string& sCaption, bool bSelected) {
    if (!bSelected) rc.top += 2;
    FillSys(hDC, {rc.left, rc.top, rc.right - 1, rc.top + 1}, kBtnHighlight);
    FillSys(hDC, {rc.left, rc.top, rc.left + 1, rc.bottom}, kBtnHighlight);
    FillSys(hDC, {rc.right - 1, rc.top + 1, rc.right, rc.bottom}, kDarkShadow);
    FillSys(hDC, {rc.right - 2, rc.top + 1, rc.right - 1, rc.bottom}, kBtnShadow);
    const int nX = (rc.left + rc.right - TextWidth(hDC, sCaption)) / 2;
    const int nY = (rc.top + rc.bottom - TextHeight(hDC)) / 2;
    DrawText(hDC, nX, nY, sCaption, kBtnText);
}

}  // namespace

SurfaceRef PropertySheet::Paint() const {
    const win32::SIZE size = Size();
    SurfaceRef pSurface = Surface::Create(size.cx, size.cy);
    if (!pSurface) return nullptr;
    SheetCanvas canvas(pSurface);
    const win32::HDC hDC = canvas.hDC();
    FillSys(hDC, {0, 0, size.cx, size.cy}, kBtnFace);

    const win32::POINT origin = PageOrigin();
    const win32::RECT rcApply = ButtonBounds(Button::Apply);
    const win32::RECT rcPage{origin.x, origin.y, rcApply.right, rcApply.top - 6};
    DrawRaisedEdge(hDC, rcPage);
    for (std::size_t i = 0; i < m_tabs.size(); ++i) {
        if (i != m_nActiveTab) DrawTab(hDC, TabBounds(i), m_tabs[i].sCaption, false);
    }
    if (m_nActiveTab < m_tabs.size()) {
        win32::RECT rcTab = TabBounds(m_nActiveTab);
        rcTab.left -= 2;
        rcTab.right += 2;
        rcTab.bottom += 1;
        FillSys(hDC, rcTab, kBtnFace);
        DrawTab(hDC, rcTab, m_tabs[m_nActiveTab].sCaption, true);
    }

    for (const auto& pWidget : m_pHost->Widgets())
        DrawWidget(hDC, *pWidget, pWidget.get() == m_pHost->Focused(), origin);
    if (const SoftComboBox* pCombo = m_pHost->DroppedCombo()) DrawDroppedList(hDC, *pCombo, origin);

    DrawPushButton(hDC, ButtonBounds(Button::Ok), kOkCaption, true);
    DrawPushButton(hDC, ButtonBounds(Button::Cancel), kCancelCaption, true);
    DrawPushButton(hDC, rcApply, kApplyCaption, ApplyEnabled());
    return pSurface;
}

}  // namespace qv::soft
