#include "qvhost/ScriptArguments.h"

#include <limits>

#include "qvhost/ScriptNumbers.h"
#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

namespace {

constexpr int kMaxKeyCode = 255;

constexpr std::pair<std::string_view, int> kKeyNames[] = {
    {"Home", 36}, {"End", 35},  {"PageUp", 33}, {"PageDown", 34}, {"Up", 38},
    {"Down", 40}, {"Left", 37}, {"Right", 39},  {"Space", 32},    {"A", 65},
};
constexpr std::pair<std::string_view, Modifiers> kModifierWords[] = {
    {"shift", 1}, {"ctrl", 2}, {"alt", 4}};

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

LineError BadWord(std::string_view sWhat, std::string_view sWord) {
    return LineError("bad " + std::string(sWhat) + " " + QuoteString(sWord));
}

LineError UnexpectedArgument(const Word& word) {
    return LineError("unexpected argument " + QuoteString(word.sText));
}

std::int64_t IntegerInRange(std::string_view sWord, std::int64_t nMin, std::int64_t nMax) {
    std::optional<std::int64_t> nValue = ParseInteger(sWord);
    if (!nValue) throw BadWord("number", sWord);
    if (*nValue < nMin || *nValue > nMax) {
        throw LineError("number out of range " + QuoteString(sWord));
    }
    return *nValue;
}

// A decimal coordinate or extent inside X,Y or WxH (no hexadecimal: 'x' separates).
std::optional<int> ParsePart(std::string_view sPart, int nMinimum) {
    bool bNegative = sPart.starts_with('-');
    if (bNegative && nMinimum >= 0) return std::nullopt;
    std::string_view sDigits = bNegative ? sPart.substr(1) : sPart;
    if (sDigits.empty()) return std::nullopt;
    for (char c : sDigits) {
        if (!IsAsciiDigit(c)) return std::nullopt;
    }
    std::optional<std::int64_t> nValue = ParseInteger(sPart);
    if (!nValue || *nValue < nMinimum || *nValue > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*nValue);
}

std::optional<Variant> ParseBooleanLiteral(std::string_view sText) {
    constexpr std::string_view kOpen = "Boolean(";
    if (!sText.starts_with(kOpen) || !sText.ends_with(')')) return std::nullopt;
    std::optional<std::int64_t> nValue =
        ParseInteger(sText.substr(kOpen.size(), sText.size() - kOpen.size() - 1));
    if (!nValue || *nValue < std::numeric_limits<Integer>::min() ||
        *nValue > std::numeric_limits<std::uint16_t>::max())
        throw BadWord("Boolean", sText);
    return Variant(Boolean(static_cast<Integer>(static_cast<std::uint16_t>(*nValue))));
}

std::optional<Variant> ParseKeywordValue(std::string_view sText) {
    if (sText == "True") return Variant(VbTrue);
    if (sText == "False") return Variant(VbFalse);
    if (sText == "Nothing") return Variant::Nothing();
    if (sText == "Empty") return Variant();
    return ParseBooleanLiteral(sText);
}

bool LooksNumeric(std::string_view sText) {
    return IsAsciiDigit(sText.front()) || sText.front() == '-' || sText.front() == '&';
}

}  // namespace

bool IsName(std::string_view sText) {
    if (sText.empty() || !IsAsciiLetter(sText.front())) return false;
    for (char c : sText) {
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c)) return false;
    }
    return true;
}

ScriptValue ParseValue(const Word& word) {
    if (word.bQuoted) return {Variant(word.sText), {}};
    if (std::optional<Variant> vKeyword = ParseKeywordValue(word.sText)) return {*vKeyword, {}};
    if (LooksNumeric(word.sText)) {
        std::optional<Variant> vNumber = ParseNumber(word.sText);
        if (!vNumber) throw BadWord("number", word.sText);
        return {*vNumber, {}};
    }
    if (!IsName(word.sText)) throw BadWord("value", word.sText);
    return {Variant(), word.sText};
}

ArgumentReader::ArgumentReader(const std::vector<Word>& words) : m_words(words) {}

bool ArgumentReader::SkipKeyword(std::string_view sKeyword) {
    const Word* pWord = Peek();
    if (!pWord || pWord->bQuoted || pWord->sText != sKeyword) return false;
    ++m_nNext;
    return true;
}

const Word& ArgumentReader::Next(std::string_view sWhat) {
    if (AtEnd()) throw LineError("missing argument: " + std::string(sWhat));
    return m_words[m_nNext++];
}

std::string ArgumentReader::NextBare(std::string_view sWhat) {
    const Word& word = Next(sWhat);
    if (word.bQuoted) {
        throw LineError("expected " + std::string(sWhat) + ", got string " +
                        QuoteString(word.sText));
    }
    return word.sText;
}

std::string ArgumentReader::NextName(std::string_view sWhat) {
    std::string sName = NextBare(sWhat);
    if (!IsName(sName)) throw BadWord(sWhat, sName);
    return sName;
}

std::string ArgumentReader::NextString(std::string_view sWhat) {
    const Word& word = Next(sWhat);
    if (!word.bQuoted) {
        throw LineError("expected " + std::string(sWhat) + " in double quotes, got " +
                        QuoteString(word.sText));
    }
    return word.sText;
}

std::string ArgumentReader::NextFile(std::string_view sWhat) {
    const Word& word = Next(sWhat);
    if (word.sText.empty()) throw LineError("empty " + std::string(sWhat));
    return word.sText;
}

MemberRef ArgumentReader::NextMember(std::string_view sWhat) {
    std::string sWord = NextBare(sWhat);
    size_t nDot = sWord.find('.');
    if (nDot == std::string::npos) throw BadWord(sWhat, sWord);
    MemberRef member{sWord.substr(0, nDot), sWord.substr(nDot + 1)};
    if (!IsName(member.sName) || !IsName(member.sMember)) throw BadWord(sWhat, sWord);
    return member;
}

std::int64_t ArgumentReader::NextInteger(std::string_view sWhat, std::int64_t nMin,
                                         std::int64_t nMax) {
    return IntegerInRange(NextBare(sWhat), nMin, nMax);
}

double ArgumentReader::NextPositiveReal(std::string_view sWhat) {
    std::string sWord = NextBare(sWhat);
    std::optional<double> dValue = ParseReal(sWord);
    if (!dValue) throw BadWord("number", sWord);
    if (*dValue <= 0) throw LineError("number out of range " + QuoteString(sWord));
    return *dValue;
}

Point ArgumentReader::NextPosition(std::string_view sWhat, bool bAllowNegative) {
    std::string sWord = NextBare(sWhat);
    size_t nComma = sWord.find(',');
    int nMinimum = bAllowNegative ? std::numeric_limits<int>::min() : 0;
    if (nComma != std::string::npos) {
        std::optional<int> nX = ParsePart(std::string_view(sWord).substr(0, nComma), nMinimum);
        std::optional<int> nY = ParsePart(std::string_view(sWord).substr(nComma + 1), nMinimum);
        if (nX && nY) return {*nX, *nY};
    }
    throw BadWord(sWhat, sWord);
}

Size ArgumentReader::NextSize(std::string_view sWhat, int nMinimum) {
    std::string sWord = NextBare(sWhat);
    size_t nCross = sWord.find('x');
    if (nCross != std::string::npos) {
        std::string_view sWidth = std::string_view(sWord).substr(0, nCross);
        std::string_view sHeight = std::string_view(sWord).substr(nCross + 1);
        std::optional<int> nWidth = ParsePart(sWidth, nMinimum);
        std::optional<int> nHeight = ParsePart(sHeight, nMinimum);
        if (nWidth && nHeight) return {*nWidth, *nHeight};
    }
    throw BadWord(sWhat, sWord);
}

ScriptValue ArgumentReader::NextValue(std::string_view sWhat) {
    return ParseValue(Next(sWhat));
}

int ArgumentReader::NextKeyCode(std::string_view sWhat) {
    std::string sWord = NextBare(sWhat);
    for (const auto& [sKey, nCode] : kKeyNames) {
        if (sKey == sWord) return nCode;
    }
    if (IsName(sWord)) throw UnknownWord("key", sWord);
    return static_cast<int>(IntegerInRange(sWord, 0, kMaxKeyCode));
}

Modifiers ArgumentReader::RestModifiers() {
    Modifiers nModifiers = 0;
    while (const Word* pWord = Peek()) {
        Modifiers nBit = 0;
        for (const auto& [sKey, nKeyBit] : kModifierWords) {
            if (!pWord->bQuoted && sKey == pWord->sText) nBit = nKeyBit;
        }
        if (nBit == 0) throw UnexpectedArgument(*pWord);
        if (nModifiers & nBit) throw LineError("repeated modifier " + QuoteString(pWord->sText));
        nModifiers |= nBit;
        ++m_nNext;
    }
    return nModifiers;
}

void ArgumentReader::ExpectEnd() const {
    if (const Word* pWord = Peek()) throw UnexpectedArgument(*pWord);
}

LineError ArgumentReader::UnknownWord(std::string_view sWhat, const std::string& sWord) {
    return LineError("unknown " + std::string(sWhat) + " " + QuoteString(sWord));
}

}  // namespace qv::qvhost
