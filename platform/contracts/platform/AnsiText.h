#pragma once

#include <string>
#include <string_view>

namespace qv {

// The code page a host uses when none is configured: Japanese Shift-JIS.
inline constexpr unsigned kDefaultAnsiCodePage = 932;

// UTF-8 text in an ANSI code page, as classic ANSI text output needs it. A character
// the code page cannot hold, and every invalid UTF-8 sequence, becomes '?'; nothing is
// rejected. The byte length of the result is the text's ANSI length.
std::string Utf8ToAnsi(std::string_view sUtf8, unsigned nCodePage);

// True when text can be converted to and from the code page.
bool IsKnownCodePage(unsigned nCodePage);

// The other way round; bytes that do not decode become U+FFFD.
std::string AnsiToUtf8(std::string_view sAnsi, unsigned nCodePage);

}  // namespace qv
