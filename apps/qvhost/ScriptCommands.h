#pragma once

#include <string_view>

#include "qvhost/Script.h"
#include "qvhost/ScriptArguments.h"

namespace qv::qvhost {

// Parsers of the individual commands, each reading the arguments after the command word.
// The caller checks that no word is left over.

using CommandParser = CommandBody (*)(ArgumentReader& args);

// The parser for a command word, or nullptr when there is no such command.
CommandParser FindCommandParser(std::string_view sCommand);

// Form and controls
CommandBody ParseMode(ArgumentReader& args);
CommandBody ParseNew(ArgumentReader& args);
CommandBody ParseSave(ArgumentReader& args);
CommandBody ParseFree(ArgumentReader& args);
CommandBody ParseResize(ArgumentReader& args);
CommandBody ParseLet(ArgumentReader& args);
CommandBody ParseGet(ArgumentReader& args);
CommandBody ParseCall(ArgumentReader& args);

// Objects the host makes
CommandBody ParseImageList(ArgumentReader& args);
CommandBody ParsePicture(ArgumentReader& args);
CommandBody ParseFont(ArgumentReader& args);

// User input
CommandBody ParseMouse(ArgumentReader& args);
CommandBody ParseClick(ArgumentReader& args);
CommandBody ParseWheel(ArgumentReader& args);
CommandBody ParseKey(ArgumentReader& args);
CommandBody ParseFocus(ArgumentReader& args);
CommandBody ParseScroll(ArgumentReader& args);
CommandBody ParseWait(ArgumentReader& args);

// Looking at the result, property pages
CommandBody ParsePixel(ArgumentReader& args);
CommandBody ParseScrollbar(ArgumentReader& args);
CommandBody ParseHost(ArgumentReader& args);
CommandBody ParsePaint(ArgumentReader& args);
CommandBody ParsePage(ArgumentReader& args);
CommandBody ParseAccess(ArgumentReader& args);

// Shared by the groups above. "none" stands for no control in `focus none`, so no control
// may have that name.
inline constexpr std::string_view kNoControlName = "none";

std::string NextControlName(ArgumentReader& args);
std::string NextPngFile(ArgumentReader& args);

}  // namespace qv::qvhost
