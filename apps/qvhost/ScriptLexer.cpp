#include "qvhost/ScriptLexer.h"

namespace qv::qvhost {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool EndsWord(std::string_view sLine, size_t nPos) {
    return nPos >= sLine.size() || IsBlank(sLine[nPos]) || sLine[nPos] == '#';
}

char ResolveEscape(char cEscaped) {
    switch (cEscaped) {
        case '"':
            return '"';
        case '\\':
            return '\\';
        case 'n':
            return '\n';
    }
    throw LineError(std::string("unknown escape \\") + cEscaped + " in string");
}

// Reads the string whose opening quote is at nPos; returns the position after it.
size_t ReadString(std::string_view sLine, size_t nPos, std::string& sText) {
    for (++nPos; nPos < sLine.size(); ++nPos) {
        char c = sLine[nPos];
        if (c == '"') {
            if (!EndsWord(sLine, nPos + 1)) throw LineError("a string must be a word of its own");
            return nPos + 1;
        }
        if (c == '\\') {
            if (++nPos == sLine.size()) break;
            c = ResolveEscape(sLine[nPos]);
        }
        sText += c;
    }
    throw LineError("unterminated string");
}

size_t ReadBareWord(std::string_view sLine, size_t nPos, std::string& sText) {
    size_t nStart = nPos;
    while (!EndsWord(sLine, nPos)) {
        if (sLine[nPos] == '"') throw LineError("a string must be a word of its own");
        ++nPos;
    }
    sText = sLine.substr(nStart, nPos - nStart);
    return nPos;
}

std::string_view Trim(std::string_view sText) {
    while (!sText.empty() && IsBlank(sText.front())) sText.remove_prefix(1);
    while (!sText.empty() && IsBlank(sText.back())) sText.remove_suffix(1);
    return sText;
}

}  // namespace

LexedLine LexLine(std::string_view sLine) {
    LexedLine line;
    size_t nPos = 0;
    while (true) {
        while (nPos < sLine.size() && IsBlank(sLine[nPos])) ++nPos;
        if (nPos == sLine.size() || sLine[nPos] == '#') break;
        Word word;
        word.bQuoted = sLine[nPos] == '"';
        nPos = word.bQuoted ? ReadString(sLine, nPos, word.sText)
                            : ReadBareWord(sLine, nPos, word.sText);
        line.words.push_back(std::move(word));
    }
    line.sEcho = Trim(sLine.substr(0, nPos));
    return line;
}

}  // namespace qv::qvhost
