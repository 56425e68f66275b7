#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qv::qvhost {

// A mistake within one script line. ParseScript adds the file and the line number.
class LineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Word {
    std::string sText;  // a string's text with its escapes resolved
    bool bQuoted = false;
};

struct LexedLine {
    std::vector<Word> words;
    std::string sEcho;  // the line without its comment, trimmed
};

// Splits one line (without its line break) into words. Throws LineError for an
// unterminated string, an unknown escape, or a quote that does not stand as a word of
// its own.
LexedLine LexLine(std::string_view sLine);

}  // namespace qv::qvhost
