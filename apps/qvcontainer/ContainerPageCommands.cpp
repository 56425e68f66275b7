#include "qvcontainer/ContainerPageCommands.h"

#include "platform/HostError.h"
#include "qvcontainer/ContainerPages.h"
#include "qvhost/ValueFormat.h"
// After the contract headers: the system's macros would replace the contract's names.
#include "qvcontainer/ContainerForm.h"

namespace qv::container {

using Action = qvhost::PageCommand::Action;

ContainerPageCommands::ContainerPageCommands(ContainerForm& form, LineWriter fnWrite,
                                             std::filesystem::path outDir)
    : m_form(form), m_fnWrite(std::move(fnWrite)), m_outDir(std::move(outDir)) {}

ContainerPageCommands::~ContainerPageCommands() = default;

void ContainerPageCommands::CloseAll() {
    m_pPages.reset();
}

void ContainerPageCommands::Run(const qvhost::PageCommand& command) {
    if (command.eAction == Action::Open) return Open(command);
    if (!m_pPages) throw qvhost::HostPlatformError("no page is open");
    try {
        RunOnPage(command);
    } catch (const HostError& error) {
        m_fnWrite("error " + std::to_string(error.Number()) + " " +
                  qvhost::QuoteString(error.Text()));
    }
}

void ContainerPageCommands::Open(const qvhost::PageCommand& command) {
    m_pPages.reset();
    std::vector<IUnknown*> objects;
    for (const std::string& sName : command.controls) {
        HostedControl* pControl = m_form.Find(sName);
        if (!pControl) throw qvhost::HostPlatformError("no control " + sName);
        objects.push_back(pControl->Object());
    }
    m_pPages = ContainerPages::Open(command.sPage, objects, [this] { m_form.RunUntilIdle(); });
}

void ContainerPageCommands::RunOnPage(const qvhost::PageCommand& command) {
    ContainerPages& pages = *m_pPages;
    switch (command.eAction) {
        case Action::Set:
            return pages.SetWidget(command.sWidget, command.value.vLiteral);
        case Action::Leave:
            return pages.LeaveWidget(command.sWidget);
        case Action::Get:
            return m_fnWrite("page." + command.sWidget + " = " + pages.Value(command.sWidget));
        case Action::Apply:
            return pages.Apply();
        case Action::Close:
            pages.Cancel();
            m_pPages.reset();
            return;
        case Action::Paint:
            return pages.WritePicture(m_outDir / command.sFile);
        case Action::Open:
            return;
    }
}

}  // namespace qv::container
