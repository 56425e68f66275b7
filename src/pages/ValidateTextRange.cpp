#include "pages/ValidateTextRange.h"

#include <optional>

#include "platform/HostError.h"
#include "platform/Variant.h"
#include "platform/host/MsgBox.h"

namespace qv {

namespace {

enum class TextNumber { NotNumeric, OutOfRange, InRange };

TextNumber ClassifyNumber(const std::string& sText, Long nMin, Long nMax) {
    std::optional<double> dValue;
    try {
        dValue = CDbl(Variant(sText));
    } catch (const HostError& error) {
        // Digits beyond what a double can hold still make a number.
        if (error.Number() != err::kOverflow) return TextNumber::NotNumeric;
        return TextNumber::OutOfRange;
    }
    Long nValue = 0;
    try {
        nValue = CLng(Variant(*dValue));
    } catch (const HostError&) {
        return TextNumber::OutOfRange;
    }
    return nValue < nMin || nValue > nMax ? TextNumber::OutOfRange : TextNumber::InRange;
}

}  // namespace

std::string TextRangeMessage(Long nMin, Long nMax) {
    return std::to_string(nMin) + " \uFF5E " + std::to_string(nMax) + " の数値を設定してください";
}

bool ValidateTextRange(host::ITextBox& textBox, Long nMin, Long nMax, Long nResetValue) {
    const TextNumber eResult = ClassifyNumber(textBox.Text(), nMin, nMax);
    if (eResult == TextNumber::InRange) return true;
    const std::string sMessage =
        eResult == TextNumber::NotNumeric ? kNotNumericMessage : TextRangeMessage(nMin, nMax);
    host::MsgBox(sMessage, host::vbCritical | host::vbOKOnly);
    textBox.SetText(std::to_string(nResetValue));
    return false;
}

}  // namespace qv
