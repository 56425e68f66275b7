#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "control/ColorListBox.h"
#include "dispatch/ColorListBoxDispatch.h"
#include "platform/site/ControlSiteCore.h"
#include "qvhost/HarnessAccess.h"
#include "qvhost/HostPlatform.h"
#include "qvhost/InputPlayer.h"
#include "qvhost/PlacedList.h"
#include "qvhost/Script.h"
#include "qvhost/SelectedControl.h"

namespace qv::qvhost {

// Hosts controls on a form and runs a scenario against them, writing the transcript of
// everything the controls report.
class Harness : public site::IHostObserver {
  public:
    // Files the script writes go to outDir; relative files it reads are looked up there
    // first, then in scriptDir.
    Harness(std::ostream& out, std::filesystem::path outDir, std::filesystem::path scriptDir);
    ~Harness() override;

    // Throws ScriptError for a command this harness cannot run yet, before anything runs.
    static void CheckSupported(const Script& script);

    void Run(const Script& script);

    // The control of that name and the form, for a driver that checks the controls'
    // state between commands; nullptr for a name no control has.
    ColorListBox* FindControl(const std::string& sName);
    site::FormCore& HostForm() { return m_pPlatform->Form(); }

    // IHostObserver
    void OnPaintDelivered(site::ControlSiteCore& site) override;
    void OnPropertyChanged(site::ControlSiteCore& site, std::string_view sName) override;
    void OnNotificationError(site::ControlSiteCore& site, const HostError& error) override;

  private:
    struct HostedControl {
        std::string sName;
        std::unique_ptr<DispatchEventSink> sink;
        std::unique_ptr<PlacedList> placed;
        site::ControlSiteCore* site = nullptr;  // the placed list\'s
        ColorListBox* control = nullptr;
        std::unique_ptr<AccessHost> access;  // made when a script first asks
    };

    void Execute(const Command& command);
    void Run(const ModeCommand& command);
    void Run(const NewCommand& command);
    void Run(const SaveCommand& command);
    void Run(const FreeCommand& command);
    void Run(const ResizeCommand& command);
    void Run(const LetCommand& command);
    void Run(const GetCommand& command);
    void Run(const CallCommand& command);
    void Run(const HostCommand& command);
    void Run(const FontCommand& command);
    void Run(const ImageListCommand& command);
    void Run(const PictureCommand& command);
    void Run(const PixelCommand& command);
    void Run(const PaintCommand& command);
    void Run(const PageCommand& command);
    void Run(const AccessCommand& command);
    template <typename TCommand>
    void Run(const TCommand&) {}  // refused by CheckSupported before the script runs

    HostedControl& Control(const std::string& sName);
    std::filesystem::path OutputFile(const std::string& sFile) const;
    std::filesystem::path InputFile(const std::string& sFile) const;
    void StartControl(site::ControlSiteCore& site, const std::optional<std::string>& sLoadFile);
    [[noreturn]] void FailScript(const std::string& sMessage) const;
    // Runs a platform call; a HostPlatformError stops the script with its message.
    template <typename TCall>
    auto StopOnPlatformError(TCall&& call) const;
    void DestroyImageList(const std::string& sName);
    const std::string& NameOf(const site::ControlSiteCore& site) const;
    Variant Resolve(const ScriptValue& value) const;
    std::string Format(const Variant& vValue) const;
    void PrintError(const HostError& error);
    void PrintEvent(const std::string& sControl, const EventInfo& event,
                    const std::vector<Variant>& args);
    void OpenPage(const PageCommand& command);
    void RunOnPage(const PageCommand& command);
    AccessHost& Access(HostedControl& hosted);

    std::ostream& m_out;
    std::filesystem::path m_outDir;
    std::filesystem::path m_scriptDir;
    const Command* m_pCurrent = nullptr;
    std::string m_sScriptFile;
    std::unique_ptr<IHostPlatform> m_pPlatform;
    InputPlayer m_input;
    std::vector<std::unique_ptr<HostedControl>> m_controls;
    std::map<std::string, ObjectRef> m_objects;  // fonts and pictures the script made
    std::map<std::string, win32::HIMAGELIST> m_imageLists;
    // The open property sheet, if any, and the selection it was opened on.
    std::vector<std::unique_ptr<SelectedControl>> m_pageSelection;
    std::unique_ptr<IPageSheet> m_pPage;
};

template <typename TCall>
auto Harness::StopOnPlatformError(TCall&& call) const {
    try {
        return call();
    } catch (const HostPlatformError& error) {
        FailScript(error.what());
    }
}

}  // namespace qv::qvhost
