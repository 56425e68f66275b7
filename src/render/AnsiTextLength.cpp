#include "render/AnsiTextLength.h"

#include <algorithm>

#include "platform/AnsiText.h"
#include "platform/Checked.h"
#include "platform/win32/User.h"

namespace qv {

Integer GetAnsiLength(const std::string& sText) {
    const std::size_t nBytes = Utf8ToAnsi(sText, win32::GetACP()).size();
    return ToInteger(static_cast<Long>(std::min<std::size_t>(nBytes, INT32_MAX)));
}

}  // namespace qv
