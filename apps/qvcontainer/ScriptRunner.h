#pragma once

#include <objidl.h>

#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "qvcontainer/ContainerForm.h"
#include "qvcontainer/ContainerPageCommands.h"
#include "qvcontainer/MemoryBag.h"
#include "qvcontainer/MessageBoxLog.h"
#include "qvhost/Script.h"

namespace qv::qvhost {
class InputPlayer;
class WindowsUserInput;
}  // namespace qv::qvhost

namespace qv::container {

// Runs a host-harness script against controls in the container, printing the same
// transcript lines, message boxes included. The user's input is played as the harness plays
// it on the system's windows, keys posted so that the container's loop offers them to the
// active control. Saved states stay in memory under the file name given: a name ending in
// ".stream" is saved and loaded through the control's stream, any other through its
// property bag. Pixels come from the control's window, or with bDrawn from its view object.
class ScriptRunner {
  public:
    // Pictures the script paints go to outDir (a relative name) or where they are named.
    ScriptRunner(std::ostream& out, bool bDrawn, std::filesystem::path outDir);
    ~ScriptRunner();

    // The first command the container cannot run, or an empty text when it can run all.
    static std::string Unsupported(const qvhost::Script& script);
    void Run(const qvhost::Script& script);
    // Removes every control; false when one kept a reference.
    bool Finish();

  private:
    struct Saved {
        std::unique_ptr<MemoryBag> pBag;
        IStream* pStream = nullptr;
    };

    void Write(const std::string& sLine);
    void PrintResult(const std::string& sName, const std::string& sMember, const CallResult& r);
    HostedControl& Control(const std::string& sName);
    void Run(const qvhost::ModeCommand& command);
    void Run(const qvhost::NewCommand& command);
    void Run(const qvhost::SaveCommand& command);
    void Run(const qvhost::FreeCommand& command);
    void Run(const qvhost::ResizeCommand& command);
    void Run(const qvhost::LetCommand& command);
    void Run(const qvhost::GetCommand& command);
    void Run(const qvhost::CallCommand& command);
    void Run(const qvhost::PixelCommand& command);
    void Run(const qvhost::PaintCommand& command);
    void Run(const qvhost::PageCommand& command) { m_pages.Run(command); }
    template <typename TCommand>
    void Run(const TCommand&) {}

    std::ostream& m_out;
    bool m_bDrawn;
    std::filesystem::path m_outDir;
    ContainerForm m_form;
    MessageBoxLog m_messageBoxes;
    std::unique_ptr<qvhost::WindowsUserInput> m_pInput;
    std::unique_ptr<qvhost::InputPlayer> m_pPlayer;
    ContainerPageCommands m_pages;
    std::map<std::string, Saved> m_saved;
};

}  // namespace qv::container
