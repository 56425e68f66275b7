#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "qvhost/Script.h"

namespace qv::container {

class ContainerForm;
class ContainerPages;

// The script's page commands in the container, with the transcript lines of the host
// harness: "page.WIDGET = VALUE" for a get, "error N TEXT" for a value a widget refuses.
// An open closes the pages open before; the other commands need an open page.
// (This header stays clear of the contract's headers: the container's own include the
// system's, whose macros would replace the contract's names.)
class ContainerPageCommands {
  public:
    using LineWriter = std::function<void(const std::string&)>;
    // Pictures of the pages go to outDir.
    ContainerPageCommands(ContainerForm& form, LineWriter fnWrite, std::filesystem::path outDir);
    ~ContainerPageCommands();

    void Run(const qvhost::PageCommand& command);
    void CloseAll();

  private:
    void Open(const qvhost::PageCommand& command);
    void RunOnPage(const qvhost::PageCommand& command);

    ContainerForm& m_form;
    LineWriter m_fnWrite;
    std::filesystem::path m_outDir;
    std::unique_ptr<ContainerPages> m_pPages;
};

}  // namespace qv::container
