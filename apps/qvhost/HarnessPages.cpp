// The harness's property-page commands: a designer's property sheet on the selected
// controls, driven widget by widget.
#include "platform/HostError.h"
#include "platform/soft/gdi/ImageFiles.h"
#include "qvhost/Harness.h"
#include "qvhost/PageSession.h"
#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

namespace {

using Action = PageCommand::Action;

std::string WidgetValue(const soft::PageWidget& widget) {
    switch (widget.Kind()) {
        case soft::WidgetKind::ComboBox:
            return std::to_string(static_cast<const soft::SoftComboBox&>(widget).ListIndex());
        case soft::WidgetKind::CheckBox:
            return std::to_string(static_cast<const soft::SoftCheckBox&>(widget).Value());
        case soft::WidgetKind::TextBox:
            return QuoteString(static_cast<const soft::SoftTextBox&>(widget).Text());
        case soft::WidgetKind::Label:
            return QuoteString(static_cast<const soft::SoftLabel&>(widget).Caption());
        case soft::WidgetKind::Frame:
            return QuoteString(static_cast<const soft::SoftFrame&>(widget).Caption());
    }
    return "";
}

}  // namespace

void Harness::Run(const PageCommand& command) {
    if (command.eAction == Action::Open) return OpenPage(command);
    if (!m_pPage) FailScript("no page is open");
    soft::PropertySheet& sheet = *m_pPage->sheet;
    switch (command.eAction) {
        case Action::Set:
            return SetPageWidget(command);
        case Action::Leave:
            return LeavePageWidget(command.sWidget);
        case Action::Get:
            return PrintPageValue(command.sWidget);
        case Action::Apply:
            return sheet.Apply();
        case Action::Close:
            sheet.Cancel();
            m_pPage.reset();
            return;
        case Action::Paint:
            return PaintPage(command.sFile);
        case Action::Open:
            return;
    }
}

void Harness::OpenPage(const PageCommand& command) {
    m_pPage.reset();
    std::vector<std::unique_ptr<SelectedControl>> selection;
    for (const std::string& sName : command.controls) {
        selection.push_back(std::make_unique<SelectedControl>(
            [this, sName]() -> ColorListBox& { return *Control(sName).control; }));
    }
    m_pPage = OpenPageSession(command.sPage, std::move(selection));
}

soft::PageWidget& Harness::PageWidget(const std::string& sWidget) const {
    soft::PageWidget* pWidget = m_pPage->sheet->Host().Find(sWidget);
    if (!pWidget) FailScript("unknown widget " + QuoteString(sWidget));
    return *pWidget;
}

void Harness::SetPageWidget(const PageCommand& command) {
    soft::PageWidget& widget = PageWidget(command.sWidget);
    const Variant vValue = Resolve(command.value);
    switch (widget.Kind()) {
        case soft::WidgetKind::ComboBox:
            return static_cast<soft::SoftComboBox&>(widget).SetListIndex(CInt(vValue));
        case soft::WidgetKind::CheckBox:
            return static_cast<soft::SoftCheckBox&>(widget).SetValue(CInt(vValue));
        case soft::WidgetKind::TextBox:
            return static_cast<soft::SoftTextBox&>(widget).SetText(CStr(vValue));
        default:
            FailScript("widget " + QuoteString(command.sWidget) + " takes no value");
    }
}

// The focus first goes to the box, as a click in it would, then leaves the page's
// controls; a cancelled Validate keeps it in the box.
void Harness::LeavePageWidget(const std::string& sWidget) {
    soft::PageWidget& widget = PageWidget(sWidget);
    if (widget.Kind() != soft::WidgetKind::TextBox)
        FailScript("widget " + QuoteString(sWidget) + " is not a text box");
    soft::PageHost& host = m_pPage->sheet->Host();
    if (host.SetFocus(&widget)) host.LeaveFocus();
}

void Harness::PrintPageValue(const std::string& sWidget) {
    const soft::PropertySheet& sheet = *m_pPage->sheet;
    if (sWidget == "Changed") {
        m_out << "page.Changed = " << (sheet.Host().Changed() ? "True" : "False") << "\n";
        return;
    }
    if (sWidget == "Focus") {
        const soft::PageWidget* pFocused = sheet.Host().Focused();
        m_out << "page.Focus = " << (pFocused ? pFocused->Name() : "none") << "\n";
        return;
    }
    m_out << "page." << sWidget << " = " << WidgetValue(PageWidget(sWidget)) << "\n";
}

void Harness::PaintPage(const std::string& sFile) {
    const soft::SurfaceRef pPicture = m_pPage->sheet->Paint();
    std::string sError = "nothing to write";
    const std::string sPath = OutputFile(sFile).string();
    if (!pPicture || !soft::WritePngFile(*pPicture, sPath, sError))
        FailScript(sPath + ": " + sError);
}

}  // namespace qv::qvhost
