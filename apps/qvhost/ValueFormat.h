#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/Variant.h"

namespace qv::qvhost {

using ObjectDescriber = std::function<std::string(const HostObject&)>;

// A value as the transcript prints it: Integer and Long in signed decimal; True, False,
// or Boolean(N) with N signed; strings quoted; Nothing; Empty; Single and Double in the
// shortest text that reads back to the same value in their own precision. Objects are
// described by the caller, who knows pictures and fonts.
std::string FormatValue(const Variant& vValue, const ObjectDescriber& fnDescribeObject);

// Text in double quotes with the escapes a script string has: \" \\ and \n. Other
// characters stay as they are, so the result always reads back as a script string.
std::string QuoteString(std::string_view sText);

// The transcript's line for a message box: its style (buttons and icon) and its prompt.
std::string MessageBoxLine(std::string_view sPrompt, Long nStyle);

}  // namespace qv::qvhost
