#include "qvhost/ScriptCommands.h"
#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

namespace {

std::string NextNewControlName(ArgumentReader& args) {
    std::string sName = NextControlName(args);
    if (sName == kNoControlName) throw LineError("reserved name " + QuoteString(sName));
    return sName;
}

}  // namespace

std::string NextControlName(ArgumentReader& args) {
    return args.NextName("control name");
}

CommandBody ParseMode(ArgumentReader& args) {
    return ModeCommand{args.NextChoice<bool>("mode", {{"run", true}, {"design", false}})};
}

CommandBody ParseNew(ArgumentReader& args) {
    NewCommand command;
    command.sName = NextNewControlName(args);
    Point position = args.NextPosition("position X,Y", false);
    Size size = args.NextSize("size WxH", 0);
    command.nX = position.nX;
    command.nY = position.nY;
    command.nWidth = size.nWidth;
    command.nHeight = size.nHeight;
    if (args.SkipKeyword("load")) command.sLoadFile = args.NextFile("file");
    return command;
}

CommandBody ParseSave(ArgumentReader& args) {
    SaveCommand command;
    command.sName = NextControlName(args);
    command.sFile = args.NextFile("file");
    return command;
}

CommandBody ParseFree(ArgumentReader& args) {
    return FreeCommand{NextControlName(args)};
}

CommandBody ParseResize(ArgumentReader& args) {
    ResizeCommand command;
    command.sName = NextControlName(args);
    Size size = args.NextSize("size WxH", 0);
    command.nWidth = size.nWidth;
    command.nHeight = size.nHeight;
    return command;
}

CommandBody ParseLet(ArgumentReader& args) {
    MemberRef member = args.NextMember("NAME.PROP");
    return LetCommand{member.sName, member.sMember, args.NextValue("value")};
}

CommandBody ParseGet(ArgumentReader& args) {
    MemberRef member = args.NextMember("NAME.PROP");
    return GetCommand{member.sName, member.sMember};
}

CommandBody ParseCall(ArgumentReader& args) {
    MemberRef member = args.NextMember("NAME.METHOD");
    CallCommand command{member.sName, member.sMember, {}};
    while (!args.AtEnd()) command.args.push_back(args.NextValue("value"));
    return command;
}

}  // namespace qv::qvhost
