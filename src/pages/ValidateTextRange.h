#pragma once

#include <string>

#include "platform/Types.h"
#include "platform/host/PageControls.h"

namespace qv {

// The message for a number outside nMin .. nMax: "0 ～ 50 の数値を設定してください".
std::string TextRangeMessage(Long nMin, Long nMax);
// The message for a text that is not a number.
inline constexpr const char* kNotNumericMessage = "数値を入力して下さい";

// True when the box holds a number whose value, rounded to a whole number, lies within
// nMin .. nMax. Otherwise the user is told why in a message box, the box is set to
// nResetValue and the answer is false. A number too large for 32 bits counts as out of
// range: it is a number, just not one the range can hold.
bool ValidateTextRange(host::ITextBox& textBox, Long nMin, Long nMax, Long nResetValue);

}  // namespace qv
