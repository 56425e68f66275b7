#pragma once

#include <functional>
#include <string_view>

#include "platform/Types.h"

namespace qv::soft {

// Answers the message boxes of this thread: gets the prompt and style, returns the
// button pressed. Returns the handler it replaced.
using MessageBoxHandler = std::function<Integer(std::string_view sPrompt, Long nButtons)>;
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace qv::soft
