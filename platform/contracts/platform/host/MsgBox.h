#pragma once

#include <string_view>

#include "platform/Types.h"

namespace qv::host {

// Button and icon styles of a message box, and its answers.
inline constexpr Long vbOKOnly = 0;
inline constexpr Long vbCritical = 16;
inline constexpr Integer vbOK = 1;

// Shows a modal message box with the host's default caption and returns the button the
// user pressed.
Integer MsgBox(std::string_view sPrompt, Long nButtons);

}  // namespace qv::host
