// The harness's property-page commands: a designer's property sheet on the selected
// controls, driven widget by widget.
#include "qvhost/Harness.h"

namespace qv::qvhost {

using Action = PageCommand::Action;

void Harness::Run(const PageCommand& command) {
    if (command.eAction == Action::Open) return OpenPage(command);
    if (!m_pPage) FailScript("no page is open");
    StopOnPlatformError([&] { RunOnPage(command); });
}

void Harness::RunOnPage(const PageCommand& command) {
    IPageSheet& sheet = *m_pPage;
    switch (command.eAction) {
        case Action::Set:
            return sheet.SetWidget(command.sWidget, Resolve(command.value));
        case Action::Leave:
            return sheet.LeaveWidget(command.sWidget);
        case Action::Get:
            m_out << "page." << command.sWidget << " = " << sheet.Value(command.sWidget) << "\n";
            return;
        case Action::Apply:
            return sheet.Apply();
        case Action::Close:
            sheet.Cancel();
            m_pPage.reset();
            m_pageSelection.clear();
            return;
        case Action::Paint:
            return sheet.WritePicture(OutputFile(command.sFile));
        case Action::Open:
            return;
    }
}

void Harness::OpenPage(const PageCommand& command) {
    m_pPage.reset();
    m_pageSelection.clear();
    std::vector<host::ISelectedObject*> selected;
    for (const std::string& sName : command.controls) {
        m_pageSelection.push_back(std::make_unique<SelectedControl>(
            [this, sName]() -> ColorListBox& { return *Control(sName).control; }));
        selected.push_back(m_pageSelection.back().get());
    }
    m_pPage = StopOnPlatformError([&] { return m_pPlatform->OpenPages(command.sPage, selected); });
}

}  // namespace qv::qvhost
