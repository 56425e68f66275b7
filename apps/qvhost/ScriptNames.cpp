#include "qvhost/ScriptNames.h"

#include <set>

#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

namespace {

class NameChecker {
  public:
    explicit NameChecker(const std::string& sFile) : m_sFile(sFile) {}

    void Check(const Command& command) {
        m_nLine = command.nLine;
        std::visit([this](const auto& body) { Visit(body); }, command.body);
    }

  private:
    void Fail(const std::string& sMessage) const { throw ScriptError(m_sFile, m_nLine, sMessage); }

    void RequireControl(const std::string& sName) const {
        if (!m_liveControls.contains(sName)) Fail("unknown control " + QuoteString(sName));
    }

    void RequireObject(const ScriptValue& value) const {
        if (!value.sObjectName.empty() && !m_madeObjects.contains(value.sObjectName))
            Fail("unknown object " + QuoteString(value.sObjectName));
    }

    void Visit(const NewCommand& command) {
        if (!m_liveControls.insert(command.sName).second)
            Fail("control " + QuoteString(command.sName) + " already exists");
    }
    void Visit(const FreeCommand& command) {
        RequireControl(command.sName);
        m_liveControls.erase(command.sName);
    }
    void Visit(const LetCommand& command) {
        RequireControl(command.sName);
        RequireObject(command.value);
    }
    void Visit(const CallCommand& command) {
        RequireControl(command.sName);
        for (const ScriptValue& value : command.args) RequireObject(value);
    }
    void Visit(const ImageListCommand& command) { m_madeObjects.insert(command.sName); }
    void Visit(const PictureCommand& command) { m_madeObjects.insert(command.sName); }
    void Visit(const FontCommand& command) { m_madeObjects.insert(command.sName); }
    void Visit(const FocusCommand& command) {
        if (command.sName) RequireControl(*command.sName);
    }
    void Visit(const PaintCommand& command) {
        if (command.sName) RequireControl(*command.sName);
    }
    void Visit(const PageCommand& command) {
        for (const std::string& sName : command.controls) RequireControl(sName);
        RequireObject(command.value);
    }
    void Visit(const ModeCommand&) {}
    void Visit(const WaitCommand&) {}

    // The remaining commands act on the one control they name.
    template <class TCommand>
    void Visit(const TCommand& command) {
        RequireControl(command.sName);
    }

    const std::string& m_sFile;
    int m_nLine = 0;
    std::set<std::string> m_liveControls;
    std::set<std::string> m_madeObjects;
};

}  // namespace

void CheckNames(const Script& script) {
    NameChecker checker(script.sFile);
    for (const Command& command : script.commands) checker.Check(command);
}

}  // namespace qv::qvhost
