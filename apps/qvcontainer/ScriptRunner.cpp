// The harness's input first: the system's macros would replace the contract's names.
#include "qvhost/InputPlayer.h"
#include "qvhost/windows/WindowPixels.h"
#include "qvhost/windows/WindowsUserInput.h"
//
#include "platform/windows/SystemApi.h"
#include "qvcontainer/ScriptRunner.h"

#include <cstdio>
#include <variant>

#include "qvcontainer/VariantText.h"
#include "qvhost/ValueFormat.h"

namespace qv::container {

namespace {

bool EndsWith(const std::string& sText, std::string_view sEnd) {
    return sText.size() >= sEnd.size() &&
           sText.compare(sText.size() - sEnd.size(), sEnd.size(), sEnd) == 0;
}

template <typename T>
constexpr bool kSupported =
    std::is_same_v<T, qvhost::ModeCommand> || std::is_same_v<T, qvhost::NewCommand> ||
    std::is_same_v<T, qvhost::SaveCommand> || std::is_same_v<T, qvhost::FreeCommand> ||
    std::is_same_v<T, qvhost::ResizeCommand> || std::is_same_v<T, qvhost::LetCommand> ||
    std::is_same_v<T, qvhost::GetCommand> || std::is_same_v<T, qvhost::CallCommand> ||
    std::is_same_v<T, qvhost::PixelCommand> || std::is_same_v<T, qvhost::PaintCommand> ||
    std::is_same_v<T, qvhost::PageCommand> || qvhost::kIsInputCommand<T>;

CallResult Failure(HRESULT hr) {
    CallResult result;
    result.hr = hr;
    return result;
}

}  // namespace

ScriptRunner::ScriptRunner(std::ostream& out, bool bDrawn, std::filesystem::path outDir)
    : m_out(out),
      m_bDrawn(bDrawn),
      m_outDir(std::move(outDir)),
      m_form(640, 480, [this](const std::string& s) { Write(s); }),
      m_messageBoxes([this](const std::string& s) { Write(s); }),
      m_pInput(std::make_unique<qvhost::WindowsUserInput>(
          windows::ToOurs<win32::HWND>(m_form.Window()), qvhost::WindowsUserInput::KeyRoute::Post,
          [this](unsigned nMilliseconds) { m_form.PumpFor(nMilliseconds); })),
      m_pPlayer(std::make_unique<qvhost::InputPlayer>(
          *m_pInput,
          [this](const std::string& sName) {
              return windows::ToOurs<win32::HWND>(Control(sName).Window());
          },
          [this](const std::string& sLine) { Write(sLine); })),
      m_pages(m_form, [this](const std::string& s) { Write(s); }, m_outDir) {}

ScriptRunner::~ScriptRunner() {
    Finish();
}

bool ScriptRunner::Finish() {
    m_pages.CloseAll();
    const bool bReleased = m_form.RemoveAll();
    for (auto& [sName, saved] : m_saved) {
        if (saved.pStream) saved.pStream->Release();
    }
    m_saved.clear();
    return bReleased;
}

std::string ScriptRunner::Unsupported(const qvhost::Script& script) {
    for (const qvhost::Command& command : script.commands) {
        const bool bSupported =
            std::visit([](const auto& body) { return kSupported<std::decay_t<decltype(body)>>; },
                       command.body);
        if (!bSupported)
            return script.sFile + ":" + std::to_string(command.nLine) + ": " + command.sEcho;
    }
    return {};
}

void ScriptRunner::Write(const std::string& sLine) {
    m_out << sLine << "\n";
}

void ScriptRunner::Run(const qvhost::Script& script) {
    for (const qvhost::Command& command : script.commands) {
        Write("> " + command.sEcho);
        std::visit(
            [this]<typename TCommand>(const TCommand& body) {
                if constexpr (qvhost::kIsInputCommand<TCommand>) {
                    m_pPlayer->Run(body);
                } else {
                    Run(body);
                }
            },
            command.body);
        m_form.RunUntilIdle();
        m_out.flush();
    }
}

HostedControl& ScriptRunner::Control(const std::string& sName) {
    HostedControl* pControl = m_form.Find(sName);
    if (!pControl) throw std::runtime_error("no control " + sName);
    return *pControl;
}

void ScriptRunner::PrintResult(const std::string& sName, const std::string& sMember,
                               const CallResult& result) {
    if (result.nError != 0) {
        Write("error " + std::to_string(result.nError) + " " +
              qvhost::QuoteString(result.sErrorText));
        return;
    }
    if (FAILED(result.hr)) {
        char szCode[16];
        std::snprintf(szCode, sizeof szCode, "0x%08lX", static_cast<unsigned long>(result.hr));
        Write("failed " + std::string(szCode));
        return;
    }
    if (!result.sValue.empty()) Write(sName + "." + sMember + " = " + result.sValue);
    for (const std::string& sOut : result.byRefOut) Write(sName + "." + sMember + "." + sOut);
}

void ScriptRunner::Run(const qvhost::ModeCommand& command) {
    m_form.SetUserMode(command.bRun);
}

void ScriptRunner::Run(const qvhost::NewCommand& command) {
    const RECT rcPos{command.nX, command.nY, command.nX + command.nWidth,
                     command.nY + command.nHeight};
    SavedState state;
    if (command.sLoadFile) {
        auto it = m_saved.find(*command.sLoadFile);
        if (it == m_saved.end()) throw std::runtime_error("nothing saved as " + *command.sLoadFile);
        state.pBag = it->second.pBag.get();
        state.pStream = it->second.pStream;
        if (state.pStream) {
            const LARGE_INTEGER start{};
            state.pStream->Seek(start, STREAM_SEEK_SET, nullptr);
        }
    }
    const HRESULT hr = m_form.Add(command.sName, rcPos, state);
    if (FAILED(hr)) PrintResult(command.sName, "", Failure(hr));
}

void ScriptRunner::Run(const qvhost::SaveCommand& command) {
    HostedControl& control = Control(command.sName);
    Saved saved;
    HRESULT hr = S_OK;
    if (EndsWith(command.sFile, ".stream")) {
        hr = ::CreateStreamOnHGlobal(nullptr, TRUE, &saved.pStream);
        if (SUCCEEDED(hr)) hr = control.SaveToStream(*saved.pStream);
    } else {
        saved.pBag = std::make_unique<MemoryBag>();
        hr = control.SaveToBag(*saved.pBag);
    }
    if (FAILED(hr)) PrintResult(command.sName, "", Failure(hr));
    auto it = m_saved.find(command.sFile);
    if (it != m_saved.end() && it->second.pStream) it->second.pStream->Release();
    m_saved[command.sFile] = std::move(saved);
}

void ScriptRunner::Run(const qvhost::FreeCommand& command) {
    if (!m_form.Remove(command.sName))
        throw std::runtime_error(command.sName + " kept a reference");
}

void ScriptRunner::Run(const qvhost::ResizeCommand& command) {
    Control(command.sName).Resize(command.nWidth, command.nHeight);
}

void ScriptRunner::Run(const qvhost::LetCommand& command) {
    VARIANT vValue;
    ToAutomation(command.value.vLiteral, vValue);
    const CallResult result = Control(command.sName).Let(WideFromUtf8(command.sProperty), vValue);
    ::VariantClear(&vValue);
    PrintResult(command.sName, command.sProperty, result);
}

void ScriptRunner::Run(const qvhost::GetCommand& command) {
    PrintResult(command.sName, command.sProperty,
                Control(command.sName).Get(WideFromUtf8(command.sProperty)));
}

void ScriptRunner::Run(const qvhost::CallCommand& command) {
    std::vector<VARIANT> args(command.args.size());
    for (std::size_t i = 0; i < args.size(); ++i) ToAutomation(command.args[i].vLiteral, args[i]);
    const CallResult result = Control(command.sName).Call(WideFromUtf8(command.sMethod), args);
    for (VARIANT& vArg : args) ::VariantClear(&vArg);
    PrintResult(command.sName, command.sMethod, result);
}

void ScriptRunner::Run(const qvhost::PixelCommand& command) {
    HostedControl& control = Control(command.sName);
    COLORREF clrPixel = 0;
    if (m_bDrawn) {
        control.DrawnPixel(command.nX, command.nY, clrPixel);
    } else {
        HDC hDC = ::GetDC(control.Window());
        clrPixel = ::GetPixel(hDC, command.nX, command.nY);
        ::ReleaseDC(control.Window(), hDC);
    }
    char szColour[16];
    std::snprintf(szColour, sizeof szColour, "0x%08lX", static_cast<unsigned long>(clrPixel));
    Write(command.sName + ".pixel " + std::to_string(command.nX) + " " +
          std::to_string(command.nY) + " = " + szColour);
}

// From the window as the screen shows it, in either mode.
void ScriptRunner::Run(const qvhost::PaintCommand& command) {
    const bool bForm = !command.sName;
    const HWND hWnd = bForm ? m_form.Window() : Control(*command.sName).Window();
    const std::filesystem::path path = m_outDir / command.sFile;
    std::string sError;
    if (!qvhost::WriteWindowPicture(windows::ToOurs<win32::HWND>(hWnd), bForm, path, sError))
        throw std::runtime_error(path.string() + ": " + sError);
}

}  // namespace qv::container
