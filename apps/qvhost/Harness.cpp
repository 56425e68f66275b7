#include "qvhost/Harness.h"

#include <algorithm>

#include "platform/HostError.h"
#include "platform/host/MsgBox.h"
#include "platform/host/Picture.h"
#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

namespace {

constexpr int kFormWidth = 640;
constexpr int kFormHeight = 480;

std::string DescribeObject(const HostObject& object) {
    if (auto* pFont = dynamic_cast<const host::StdFont*>(&object)) {
        return "Font(" + QuoteString(pFont->Name()) + " " +
               FormatValue(Variant(pFont->Size()), DescribeObject) + ")";
    }
    if (auto* pPicture = dynamic_cast<const host::IPicture*>(&object)) {
        return "Picture(" + std::to_string(pPicture->Type()) + " " +
               std::to_string(pPicture->Width()) + "x" + std::to_string(pPicture->Height()) + ")";
    }
    return std::string(object.TypeName());
}

}  // namespace

Harness::Harness(std::ostream& out, std::filesystem::path outDir, std::filesystem::path scriptDir)
    : m_out(out),
      m_outDir(std::move(outDir)),
      m_scriptDir(std::move(scriptDir)),
      m_pPlatform(MakeHostPlatform(kFormWidth, kFormHeight, this,
                                   [this](std::string_view sPrompt, Long nButtons) {
                                       m_out << MessageBoxLine(sPrompt, nButtons) << "\n";
                                       return Integer{host::vbOK};
                                   })),
      m_input(
          m_pPlatform->Input(),
          [this](const std::string& sName) { return Control(sName).site->hWnd(); },
          [this](const std::string& sLine) { m_out << sLine << "\n"; }) {}

Harness::~Harness() {
    m_pPage.reset();
    for (auto& hosted : m_controls) hosted->site->Terminate();
    while (!m_imageLists.empty()) DestroyImageList(m_imageLists.begin()->first);
}

void Harness::CheckSupported(const Script&) {}

void Harness::Run(const Script& script) {
    m_sScriptFile = script.sFile;
    for (const Command& command : script.commands) {
        m_pCurrent = &command;
        m_out << "> " << command.sEcho << "\n";
        Execute(command);
        m_pPlatform->Form().RunUntilIdle();
        m_out.flush();
    }
}

void Harness::Execute(const Command& command) {
    try {
        std::visit(
            [this]<typename TCommand>(const TCommand& body) {
                if constexpr (kIsInputCommand<TCommand>) {
                    m_input.Run(body);
                } else {
                    Run(body);
                }
            },
            command.body);
    } catch (const HostError& error) {
        PrintError(error);
    }
}

void Harness::Run(const ModeCommand& command) {
    m_pPlatform->Form().AmbientProperties().SetUserMode(Boolean::FromBool(command.bRun));
}

void Harness::Run(const NewCommand& command) {
    auto hosted = std::make_unique<HostedControl>();
    hosted->sName = command.sName;
    hosted->sink = std::make_unique<DispatchEventSink>(
        [this, sName = command.sName](const EventInfo& event, std::vector<Variant>& args) {
            PrintEvent(sName, event, args);
        });
    hosted->placed =
        std::make_unique<PlacedList>(m_pPlatform->Form(), command.nX, command.nY, command.nWidth,
                                     command.nHeight, hosted->sink.get());
    hosted->site = &hosted->placed->Site();
    hosted->control = &hosted->placed->Control();
    site::ControlSiteCore& site = *hosted->site;
    m_controls.push_back(std::move(hosted));
    StartControl(site, command.sLoadFile);
    site.Show();
}

// A control whose start-up fails stays on the form with what it has. A bag file that
// cannot be read stops the script.
void Harness::StartControl(site::ControlSiteCore& site,
                           const std::optional<std::string>& sLoadFile) {
    std::unique_ptr<IBagFile> bag;
    if (sLoadFile)
        bag = StopOnPlatformError([&] { return m_pPlatform->LoadBag(InputFile(*sLoadFile)); });
    try {
        site.Initialize();
        if (bag) {
            site.ReadProperties(*bag);
        } else {
            site.InitProperties();
        }
    } catch (const HostError& error) {
        PrintError(error);
    }
}

void Harness::Run(const SaveCommand& command) {
    std::unique_ptr<IBagFile> bag = StopOnPlatformError([&] { return m_pPlatform->NewBag(); });
    Control(command.sName).site->WriteProperties(*bag);
    StopOnPlatformError([&] { bag->Save(OutputFile(command.sFile)); });
}

void Harness::FailScript(const std::string& sMessage) const {
    throw ScriptError(m_sScriptFile, m_pCurrent->nLine, sMessage);
}

std::filesystem::path Harness::OutputFile(const std::string& sFile) const {
    const std::filesystem::path path(sFile);
    return path.is_absolute() ? path : m_outDir / path;
}

std::filesystem::path Harness::InputFile(const std::string& sFile) const {
    const std::filesystem::path path(sFile);
    if (path.is_absolute()) return path;
    const std::filesystem::path inOutput = m_outDir / path;
    return std::filesystem::exists(inOutput) ? inOutput : m_scriptDir / path;
}

void Harness::Run(const FreeCommand& command) {
    auto it = std::ranges::find_if(
        m_controls, [&](const auto& hosted) { return hosted->sName == command.sName; });
    if (it == m_controls.end()) return;
    std::unique_ptr<HostedControl> hosted = std::move(*it);
    m_controls.erase(it);
    hosted->site->Terminate();
}

void Harness::Run(const ResizeCommand& command) {
    Control(command.sName).site->ResizeOuter(command.nWidth, command.nHeight);
}

void Harness::Run(const LetCommand& command) {
    std::vector<Variant> args = {Resolve(command.value)};
    const InvokeKind eKind =
        args.front().IsObject() ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut;
    InvokeByName(*Control(command.sName).control, ColorListBoxDispatch(), command.sProperty, eKind,
                 args);
}

void Harness::Run(const GetCommand& command) {
    std::vector<Variant> args;
    const Variant vValue = InvokeByName(*Control(command.sName).control, ColorListBoxDispatch(),
                                        command.sProperty, InvokeKind::PropertyGet, args);
    m_out << command.sName << "." << command.sProperty << " = " << Format(vValue) << "\n";
}

void Harness::Run(const CallCommand& command) {
    const MemberInfo* pMember = ColorListBoxDispatch().FindByName(command.sMethod);
    if (!pMember) throw HostError(err::kNoSuchMember);
    std::vector<Variant> args;
    for (const ScriptValue& value : command.args) args.push_back(Resolve(value));
    const Variant vResult =
        Invoke(*Control(command.sName).control, *pMember, InvokeKind::Method, args);
    const std::string sPrefix = command.sName + "." + command.sMethod;
    if (pMember->eKind != MemberKind::Method || pMember->bHasResult)
        m_out << sPrefix << " = " << Format(vResult) << "\n";
    for (std::size_t i = 0; i < args.size() && i < pMember->params.size(); ++i) {
        const ParamInfo& param = pMember->params[i];
        if (param.bByRef)
            m_out << sPrefix << "." << param.sName << " = " << Format(args[i]) << "\n";
    }
}

void Harness::Run(const HostCommand& command) {
    const site::ControlSiteCore& site = *Control(command.sName).site;
    m_out << command.sName << ".host ScaleWidth=" << FormatValue(site.ScaleWidth(), DescribeObject)
          << " ScaleHeight=" << FormatValue(site.ScaleHeight(), DescribeObject)
          << " Height=" << FormatValue(site.Height(), DescribeObject)
          << " Appearance=" << site.Appearance() << " BorderStyle=" << site.BorderStyle() << "\n";
}

void Harness::OnPaintDelivered(site::ControlSiteCore& site) {
    m_out << NameOf(site) << ".Paint\n";
}

void Harness::OnPropertyChanged(site::ControlSiteCore& site, std::string_view sName) {
    m_out << NameOf(site) << ".PropertyChanged " << QuoteString(sName) << "\n";
}

void Harness::OnNotificationError(site::ControlSiteCore&, const HostError& error) {
    PrintError(error);
}

// Names are checked before the script runs, so a named control always exists here.
Harness::HostedControl& Harness::Control(const std::string& sName) {
    auto it = std::ranges::find_if(m_controls,
                                   [&](const auto& hosted) { return hosted->sName == sName; });
    if (it == m_controls.end()) throw HostError(err::kObjectNotSet);
    return **it;
}

ColorListBox* Harness::FindControl(const std::string& sName) {
    auto it = std::ranges::find_if(m_controls,
                                   [&](const auto& hosted) { return hosted->sName == sName; });
    return it == m_controls.end() ? nullptr : (*it)->control;
}

const std::string& Harness::NameOf(const site::ControlSiteCore& site) const {
    static const std::string sUnknown = "?";
    auto it =
        std::ranges::find_if(m_controls, [&](const auto& hosted) { return hosted->site == &site; });
    return it == m_controls.end() ? sUnknown : (*it)->sName;
}

// Names are checked before the script runs, so a named object always exists here.
Variant Harness::Resolve(const ScriptValue& value) const {
    if (value.sObjectName.empty()) return value.vLiteral;
    // An image list passes its handle.
    if (auto itList = m_imageLists.find(value.sObjectName); itList != m_imageLists.end())
        return Variant(static_cast<Long>(win32::HandleValue(itList->second)));
    auto it = m_objects.find(value.sObjectName);
    if (it == m_objects.end()) throw HostError(err::kObjectNotSet);
    return Variant(it->second);
}

void Harness::Run(const FontCommand& command) {
    auto oFont = std::make_shared<host::StdFont>(command.sFace, command.dSize);
    oFont->SetBold(command.bBold);
    oFont->SetItalic(command.bItalic);
    oFont->SetUnderline(command.bUnderline);
    oFont->SetStrikethrough(command.bStrikethrough);
    if (command.nCharset) oFont->SetCharset(static_cast<Integer>(*command.nCharset));
    DestroyImageList(command.sName);
    m_objects[command.sName] = oFont;
}

std::string Harness::Format(const Variant& vValue) const {
    return FormatValue(vValue, DescribeObject);
}

void Harness::PrintError(const HostError& error) {
    m_out << "error " << error.Number() << " " << QuoteString(error.Text()) << "\n";
}

void Harness::PrintEvent(const std::string& sControl, const EventInfo& event,
                         const std::vector<Variant>& args) {
    m_out << sControl << "." << event.sName;
    for (const Variant& vArg : args) m_out << " " << Format(vArg);
    m_out << "\n";
}

}  // namespace qv::qvhost
