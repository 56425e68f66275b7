#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "qvhost/Script.h"
#include "qvhost/ScriptLexer.h"

namespace qv::qvhost {

// A name of a control, object, property or widget: ASCII letters and digits, starting
// with a letter.
bool IsName(std::string_view sText);

struct Point {
    int nX = 0, nY = 0;
};
struct Size {
    int nWidth = 0, nHeight = 0;
};
struct MemberRef {
    std::string sName, sMember;
};

template <class T>
using Choices = std::initializer_list<std::pair<std::string_view, T>>;

// Reads the arguments of one command in order. Each Next... names what it expects, which
// appears in the error when the word is missing ("missing argument: size WxH") or does
// not fit. A quoted string is only ever taken as a string, never as a keyword or number.
class ArgumentReader {
  public:
    explicit ArgumentReader(const std::vector<Word>& words);  // words[0]: the command

    bool AtEnd() const { return m_nNext == m_words.size(); }
    const Word* Peek() const { return AtEnd() ? nullptr : &m_words[m_nNext]; }
    bool SkipKeyword(std::string_view sKeyword);

    const Word& Next(std::string_view sWhat);
    std::string NextBare(std::string_view sWhat);
    std::string NextName(std::string_view sWhat);
    std::string NextString(std::string_view sWhat);
    std::string NextFile(std::string_view sWhat);
    MemberRef NextMember(std::string_view sWhat);
    std::int64_t NextInteger(std::string_view sWhat, std::int64_t nMin, std::int64_t nMax);
    double NextPositiveReal(std::string_view sWhat);
    Point NextPosition(std::string_view sWhat, bool bAllowNegative);
    Size NextSize(std::string_view sWhat, int nMinimum);
    ScriptValue NextValue(std::string_view sWhat);
    int NextKeyCode(std::string_view sWhat);
    Modifiers RestModifiers();

    template <class T>
    T NextChoice(std::string_view sWhat, Choices<T> choices) {
        std::string sKeys;
        for (const auto& choice : choices) {
            // Appended piece by piece: a prefixed temporary draws a false -Wrestrict from GCC 12 at
            // -O3.
            if (!sKeys.empty()) sKeys += '|';
            sKeys += choice.first;
        }
        std::string sWord = NextBare(std::string(sWhat) + " " + sKeys);
        for (const auto& [sKey, value] : choices) {
            if (sKey == sWord) return value;
        }
        throw UnknownWord(sWhat, sWord);
    }

    // Throws for a word left over.
    void ExpectEnd() const;

  private:
    static LineError UnknownWord(std::string_view sWhat, const std::string& sWord);

    const std::vector<Word>& m_words;
    size_t m_nNext = 1;
};

// The value a word stands for: a number, string, True, False, Boolean(N), Nothing,
// Empty, or the name of an object.
ScriptValue ParseValue(const Word& word);

}  // namespace qv::qvhost
