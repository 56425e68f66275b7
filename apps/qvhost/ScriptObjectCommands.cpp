#include <limits>

#include "qvhost/ScriptCommands.h"
#include "qvhost/ScriptNumbers.h"
#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

namespace {

constexpr std::int64_t kMaxImages = std::numeric_limits<Integer>::max();
constexpr std::int64_t kMaxCharset = 255;

// Words that read as values, so an object by that name could never be passed.
bool IsValueKeyword(std::string_view sName) {
    return sName == "True" || sName == "False" || sName == "Nothing" || sName == "Empty";
}

std::string NextObjectName(ArgumentReader& args) {
    std::string sName = args.NextName("object name");
    if (IsValueKeyword(sName)) throw LineError("reserved name " + QuoteString(sName));
    return sName;
}

// A COLORREF: any 32-bit pattern, written in hexadecimal or as a signed or unsigned decimal.
Long NextColor(ArgumentReader& args) {
    std::int64_t nColor = args.NextInteger("colour", std::numeric_limits<Long>::min(),
                                           std::numeric_limits<std::uint32_t>::max());
    return static_cast<Long>(static_cast<std::uint32_t>(nColor));
}

bool NextIsCount(const ArgumentReader& args) {
    const Word* pWord = args.Peek();
    return pWord && !pWord->bQuoted && ParseInteger(pWord->sText).has_value();
}

bool* FindFontFlag(FontCommand& command, std::string_view sOption) {
    if (sOption == "bold") return &command.bBold;
    if (sOption == "italic") return &command.bItalic;
    if (sOption == "underline") return &command.bUnderline;
    if (sOption == "strikethrough") return &command.bStrikethrough;
    return nullptr;
}

void ReadFontOption(ArgumentReader& args, FontCommand& command) {
    std::string sOption = args.NextBare("font option");
    LineError repeated("repeated option " + QuoteString(sOption));
    if (bool* pFlag = FindFontFlag(command, sOption)) {
        if (*pFlag) throw repeated;
        *pFlag = true;
    } else if (sOption == "charset") {
        if (command.nCharset) throw repeated;
        command.nCharset = static_cast<int>(args.NextInteger("charset N", 0, kMaxCharset));
    } else {
        throw LineError("unexpected argument " + QuoteString(sOption));
    }
}

}  // namespace

CommandBody ParseImageList(ArgumentReader& args) {
    ImageListCommand command;
    command.sName = NextObjectName(args);
    Size size = args.NextSize("size WxH", 1);
    command.nWidth = size.nWidth;
    command.nHeight = size.nHeight;
    if (NextIsCount(args)) {
        command.nCount = static_cast<int>(args.NextInteger("count", 0, kMaxImages));
    } else {
        command.sFile = args.NextFile("count or file");
    }
    return command;
}

CommandBody ParsePicture(ArgumentReader& args) {
    using Kind = PictureCommand::Kind;
    PictureCommand command;
    command.sName = NextObjectName(args);
    command.eKind = args.NextChoice<Kind>("picture kind", {{"bitmap", Kind::Bitmap},
                                                           {"icon", Kind::Icon},
                                                           {"metafile", Kind::Metafile},
                                                           {"empty", Kind::Empty},
                                                           {"file", Kind::File}});
    if (command.eKind == Kind::Bitmap || command.eKind == Kind::Icon) {
        Size size = args.NextSize("size WxH", 1);
        command.nWidth = size.nWidth;
        command.nHeight = size.nHeight;
        command.nColor = NextColor(args);
    } else if (command.eKind == Kind::File) {
        command.sFile = args.NextFile("file");
    }
    return command;
}

CommandBody ParseFont(ArgumentReader& args) {
    FontCommand command;
    command.sName = NextObjectName(args);
    command.sFace = args.NextString("font name");
    command.dSize = args.NextPositiveReal("font size");
    while (!args.AtEnd()) ReadFontOption(args, command);
    return command;
}

}  // namespace qv::qvhost
