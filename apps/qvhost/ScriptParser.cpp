#include "qvhost/ScriptParser.h"

#include "qvhost/ScriptCommands.h"
#include "qvhost/ScriptLexer.h"
#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

namespace {

struct CommandEntry {
    std::string_view sWord;
    CommandParser fnParse;
};

constexpr CommandEntry kCommands[] = {
    {"mode", ParseMode},
    {"new", ParseNew},
    {"save", ParseSave},
    {"free", ParseFree},
    {"resize", ParseResize},
    {"let", ParseLet},
    {"get", ParseGet},
    {"call", ParseCall},
    {"imagelist", ParseImageList},
    {"picture", ParsePicture},
    {"font", ParseFont},
    {"mouse", ParseMouse},
    {"click", ParseClick},
    {"wheel", ParseWheel},
    {"key", ParseKey},
    {"focus", ParseFocus},
    {"scroll", ParseScroll},
    {"wait", ParseWait},
    {"pixel", ParsePixel},
    {"scrollbar", ParseScrollbar},
    {"host", ParseHost},
    {"paint", ParsePaint},
    {"page", ParsePage},
    {"access", ParseAccess},
};

// Editors on some systems start a UTF-8 file with a byte order mark.
std::string_view SkipByteOrderMark(std::string_view sText) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return sText.starts_with(kMark) ? sText.substr(kMark.size()) : sText;
}

CommandBody ParseCommandWords(const std::vector<Word>& words) {
    const Word& command = words.front();
    CommandParser fnParse = command.bQuoted ? nullptr : FindCommandParser(command.sText);
    if (!fnParse) throw LineError("unknown command " + QuoteString(command.sText));
    ArgumentReader args(words);
    CommandBody body = fnParse(args);
    args.ExpectEnd();
    return body;
}

std::optional<Command> ParseLine(std::string_view sLine, int nLine) {
    if (sLine.ends_with('\r')) sLine.remove_suffix(1);
    LexedLine lexed = LexLine(sLine);
    if (lexed.words.empty()) return std::nullopt;
    return Command{nLine, std::move(lexed.sEcho), ParseCommandWords(lexed.words)};
}

}  // namespace

CommandParser FindCommandParser(std::string_view sCommand) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.sWord == sCommand) return entry.fnParse;
    }
    return nullptr;
}

Script ParseScript(std::string_view sText, const std::string& sFile) {
    Script script{sFile, {}};
    sText = SkipByteOrderMark(sText);
    int nLine = 0;
    while (!sText.empty()) {
        ++nLine;
        size_t nBreak = sText.find('\n');
        std::string_view sLine = sText.substr(0, nBreak);
        sText = nBreak == std::string_view::npos ? std::string_view() : sText.substr(nBreak + 1);
        try {
            if (std::optional<Command> command = ParseLine(sLine, nLine))
                script.commands.push_back(std::move(*command));
        } catch (const LineError& error) {
            throw ScriptError(sFile, nLine, error.what());
        }
    }
    return script;
}

}  // namespace qv::qvhost
