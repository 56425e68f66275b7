#include "qvhost/DemoForm.h"

#include <algorithm>
#include <utility>

#include "platform/HostError.h"
#include "platform/host/MsgBox.h"
#include "platform/soft/gdi/SoftGdi.h"
#include "platform/soft/user/Composition.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/ImageList.h"
#include "platform/win32/User.h"
#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

using namespace win32;

namespace {

constexpr COLORREF kCaptionColor = 0x00000000;
constexpr int kCaptionFontHeight = -12;
constexpr const char* kHelpText =
    "Click, drag past a list's end, use the keys.  F2: design mode (F4 opens the property "
    "pages there).  Esc or closing the window ends the demo.";

std::string DescribeObject(const HostObject& object) {
    return std::string(object.TypeName());
}

// Captions are ASCII, so their bytes are the same in every ANSI code page.
void DrawCaption(HDC hDC, const RECT& rc, const std::string& sText) {
    TextOutA(hDC, rc.left, rc.top, sText.data(), static_cast<int>(sText.size()));
}

}  // namespace

RECT DemoLayout::ListRect(int nCell) {
    const LONG nLeft = kMargin + (nCell % kColumns) * kCellWidth;
    const LONG nTop = kMargin + (nCell / kColumns) * kCellHeight + kCaptionHeight;
    return {nLeft, nTop, nLeft + kListWidth, nTop + kListHeight};
}

DemoForm::DemoForm(std::ostream* pEventLog)
    : m_pEventLog(pEventLog), m_form(DemoLayout::kWidth, DemoLayout::kHeight, this) {
    const RECT rcPanel{DemoLayout::kPanelLeft, DemoLayout::kMargin + DemoLayout::kCaptionHeight,
                       DemoLayout::kPanelLeft + DemoLayout::kPanelWidth,
                       DemoLayout::kHelpTop - DemoLayout::kMargin};
    m_captions.emplace_back(RECT{rcPanel.left, DemoLayout::kMargin, rcPanel.right, rcPanel.top},
                            "Events");
    m_captions.emplace_back(
        RECT{DemoLayout::kMargin, DemoLayout::kHelpTop, DemoLayout::kWidth, DemoLayout::kHeight},
        kHelpText);
    m_previousMessageBoxHandler =
        soft::SetMessageBoxHandler([this](std::string_view sPrompt, Long nButtons) {
            Log(MessageBoxLine(sPrompt, nButtons));
            return host::vbOK;
        });
    FillLists();
    m_panel = std::make_unique<EventPanel>(m_form, rcPanel);
    PaintCaptions();
    m_form.RunUntilIdle();
}

DemoForm::~DemoForm() {
    m_pPages.reset();
    soft::SetMessageBoxHandler(std::move(m_previousMessageBoxHandler));
    m_panel.reset();
    for (auto& hosted : m_lists) hosted->site->Terminate();
    m_lists.clear();
    for (HIMAGELIST hList : m_imageLists) ImageList_Destroy(hList);
}

ColorListBox& DemoForm::AddList(const std::string& sName, const std::string& sCaption, int nCell) {
    const RECT rc = DemoLayout::ListRect(nCell);
    auto hosted = std::make_unique<HostedList>();
    hosted->sName = sName;
    hosted->sink = std::make_unique<DispatchEventSink>(
        [this, sName](const EventInfo& event, std::vector<Variant>& args) {
            // Moves come by the dozen with every drag; the panel keeps to what the user did.
            if (event.sName == "MouseMove") return;
            std::string sLine = sName + "." + std::string(event.sName);
            // Appended piece by piece: a prefixed temporary draws a false -Wrestrict from GCC 12.
            for (const Variant& vArg : args) {
                sLine += ' ';
                sLine += FormatValue(vArg, DescribeObject);
            }
            Log(sLine);
        });
    hosted->placed = std::make_unique<PlacedList>(m_form, rc.left, rc.top, rc.right - rc.left,
                                                  rc.bottom - rc.top, hosted->sink.get());
    hosted->site = &hosted->placed->Site();
    hosted->control = &hosted->placed->Control();
    hosted->placed->StartNew();
    m_captions.emplace_back(RECT{rc.left, rc.top - DemoLayout::kCaptionHeight, rc.right, rc.top},
                            sCaption);
    m_names.push_back(sName);
    m_lists.push_back(std::move(hosted));
    return *m_lists.back()->control;
}

// The captions are drawn once into the form's own client area, under the lists.
void DemoForm::PaintCaptions() {
    // A new client area shows the button face, which is the form's background.
    soft::Window* pForm = Windows().Find(m_form.hWnd());
    const HDC hDC = soft::CreateSurfaceDC(pForm->pClient.Get());
    const HFONT hFont =
        CreateFontA(kCaptionFontHeight, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    const HGDIOBJ hOldFont = SelectObject(hDC, hFont);
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, kCaptionColor);
    for (const auto& [rc, sText] : m_captions) DrawCaption(hDC, rc, sText);
    SelectObject(hDC, hOldFont);
    DeleteObject(hFont);
    DeleteDC(hDC);
}

soft::SurfaceRef DemoForm::Compose() {
    soft::SurfaceRef pFrame = soft::ComposeForm(Windows(), m_form.hWnd());
    if (pFrame && m_pPages) m_pPages->DrawOver(*pFrame);
    return pFrame;
}

bool DemoForm::TakeRepainted() {
    return std::exchange(m_bRepainted, false);
}

ColorListBox* DemoForm::FindList(const std::string& sName) {
    for (auto& hosted : m_lists)
        if (hosted->sName == sName) return hosted->control;
    return nullptr;
}

HWND DemoForm::ListWindow(const std::string& sName) {
    for (auto& hosted : m_lists)
        if (hosted->sName == sName) return hosted->site->hWnd();
    return HWND{};
}

void DemoForm::OnPaintDelivered(site::ControlSiteCore&) {
    m_bRepainted = true;
}

void DemoForm::OnNotificationError(site::ControlSiteCore&, const HostError& error) {
    Log("error " + std::to_string(error.Number()) + " " + QuoteString(error.Text()));
}

void DemoForm::Log(const std::string& sLine) {
    if (m_pEventLog) *m_pEventLog << sLine << std::endl;
    if (m_panel) m_panel->Add(sLine);
}

DemoForm::HostedList* DemoForm::FocusedList() {
    const HWND hFocus = Windows().Focus();
    for (auto& hosted : m_lists)
        if (hosted->site->hWnd() == hFocus) return hosted.get();
    return nullptr;
}

// The line is written while the panel can still scroll to it.
void DemoForm::ToggleDesignMode() {
    if (!m_bDesignMode) Log("design mode");
    m_bDesignMode = !m_bDesignMode;
    m_form.AmbientProperties().SetUserMode(Boolean::FromBool(!m_bDesignMode));
    if (!m_bDesignMode) Log("run mode");
}

void DemoForm::OpenPropertyPages() {
    HostedList* pList = FocusedList();
    if (!m_bDesignMode || !pList || m_pPages) return;
    // The list is looked up at every call, so the sheet never holds a list that went.
    const std::string sName = pList->sName;
    m_pPages = std::make_unique<DemoPages>(
        [this, sName]() -> ColorListBox& {
            if (ColorListBox* pControl = FindList(sName)) return *pControl;
            throw HostError(err::kObjectNotSet);
        },
        SIZE{DemoLayout::kWidth, DemoLayout::kHeight});
    m_sPagesList = sName;
    Log(sName + ": property pages");
    m_bRepainted = true;
}

void DemoForm::OpenPropertyPagesAt(const POINT& ptForm) {
    const HostedList* pList = FocusedList();
    if (!pList) return;
    const RECT& rc = Windows().Find(pList->site->hWnd())->rcOuter;
    if (ptForm.x >= rc.left && ptForm.x < rc.right && ptForm.y >= rc.top && ptForm.y < rc.bottom)
        OpenPropertyPages();
}

void DemoForm::PagesMouseDown(const POINT& ptForm) {
    PageInput([&ptForm](DemoPages& pages) { pages.MouseDown(ptForm); });
}

void DemoForm::PagesKeyDown(int nKeyCode, int nShift) {
    PageInput([=](DemoPages& pages) { pages.KeyDown(nKeyCode, nShift); });
}

void DemoForm::PagesChar(char32_t cChar) {
    PageInput([=](DemoPages& pages) { pages.Char(cChar); });
}

// An error the list raises while a page writes to it goes to the panel; the sheet stays
// open with what it holds. The list repaints what Apply changed before the frame shows.
void DemoForm::PageInput(const std::function<void(DemoPages&)>& input) {
    if (!m_pPages) return;
    const int nAppliedBefore = m_pPages->AppliedCount();
    try {
        input(*m_pPages);
    } catch (const HostError& error) {
        Log("error " + std::to_string(error.Number()) + " " + QuoteString(error.Text()));
    }
    if (m_pPages->AppliedCount() != nAppliedBefore) Log("pages: applied");
    if (!m_pPages->IsOpen()) {
        m_pPages.reset();
        Log("pages: closed");
    }
    m_form.RunUntilIdle();
    m_bRepainted = true;
}

void DemoForm::OnPropertyChanged(site::ControlSiteCore& site, std::string_view sName) {
    if (!m_pPages) return;
    for (const auto& hosted : m_lists) {
        if (hosted->site == &site) Log(hosted->sName + ".PropertyChanged " + QuoteString(sName));
    }
}

}  // namespace qv::qvhost
