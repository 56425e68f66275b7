#pragma once

#include <functional>
#include <string_view>

#include "platform/Types.h"

namespace qv::windows {

// Answers the message boxes of this thread instead of the system's modal box: gets the
// prompt and style, returns the button pressed. Returns the handler it replaced.
using MessageBoxHandler = std::function<Integer(std::string_view sPrompt, Long nButtons)>;
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace qv::windows
