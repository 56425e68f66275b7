#include <algorithm>
#include <cctype>
#include <limits>

#include "platform/TextCase.h"
#include "qvhost/ScriptCommands.h"
#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

namespace {

bool HasPngExtension(std::string_view sFile) {
    constexpr std::string_view kExtension = ".png";
    if (sFile.size() <= kExtension.size()) return false;
    std::string_view sTail = sFile.substr(sFile.size() - kExtension.size());
    return EqualsIgnoringCase(sTail, kExtension);
}

PageCommand ParsePageOpen(ArgumentReader& args) {
    PageCommand command;
    command.sPage =
        args.NextChoice<std::string_view>("page", {{"general", "general"}, {"check", "check"}});
    do {
        command.controls.push_back(NextControlName(args));
    } while (!args.AtEnd());
    return command;
}

}  // namespace

// Paint files must say .png, which also keeps `paint L1` (file forgotten) from being
// taken as a paint of the whole form into a file named L1.
std::string NextPngFile(ArgumentReader& args) {
    std::string sFile = args.NextFile("FILE.png");
    if (!HasPngExtension(sFile)) throw LineError("not a .png file " + QuoteString(sFile));
    return sFile;
}

CommandBody ParsePixel(ArgumentReader& args) {
    constexpr std::int64_t kMaxCoordinate = std::numeric_limits<int>::max();
    PixelCommand command;
    command.sName = NextControlName(args);
    command.nX = static_cast<int>(args.NextInteger("X", 0, kMaxCoordinate));
    command.nY = static_cast<int>(args.NextInteger("Y", 0, kMaxCoordinate));
    return command;
}

CommandBody ParseScrollbar(ArgumentReader& args) {
    return ScrollbarCommand{NextControlName(args)};
}

CommandBody ParseHost(ArgumentReader& args) {
    return HostCommand{NextControlName(args)};
}

CommandBody ParsePaint(ArgumentReader& args) {
    const Word* pFirst = args.Peek();
    bool bWholeForm = pFirst && (pFirst->bQuoted || HasPngExtension(pFirst->sText));
    PaintCommand command;
    if (!bWholeForm) command.sName = NextControlName(args);
    command.sFile = NextPngFile(args);
    return command;
}

CommandBody ParsePage(ArgumentReader& args) {
    using Action = PageCommand::Action;
    Action eAction = args.NextChoice<Action>("page action", {{"open", Action::Open},
                                                             {"set", Action::Set},
                                                             {"leave", Action::Leave},
                                                             {"get", Action::Get},
                                                             {"apply", Action::Apply},
                                                             {"close", Action::Close},
                                                             {"paint", Action::Paint}});
    PageCommand command = eAction == Action::Open ? ParsePageOpen(args) : PageCommand{};
    command.eAction = eAction;
    if (eAction == Action::Set || eAction == Action::Leave || eAction == Action::Get) {
        command.sWidget = args.NextName("widget");
    }
    if (eAction == Action::Set) command.value = args.NextValue("value");
    if (eAction == Action::Paint) command.sFile = NextPngFile(args);
    return command;
}

CommandBody ParseAccess(ArgumentReader& args) {
    using Action = AccessCommand::Action;
    AccessCommand command;
    command.sName = NextControlName(args);
    const Word* pNext = args.Peek();
    if (!pNext) return command;
    if (!pNext->bQuoted && pNext->sText == "events") {
        args.Next("events");
        command.eAction = args.NextChoice<Action>(
            "events", {{"on", Action::EventsOn}, {"off", Action::EventsOff}});
        return command;
    }
    command.eAction = Action::Item;
    command.nIndex = static_cast<Long>(args.NextInteger("item", std::numeric_limits<Long>::min(),
                                                        std::numeric_limits<Long>::max()));
    return command;
}

}  // namespace qv::qvhost
