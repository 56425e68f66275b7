#pragma once

#include <string>

#include "platform/windows/SystemApi.h"

namespace qv::windows {

// A path the harness and the scripts spell in UTF-8, as the system's wide calls take it.
inline std::wstring WidePath(const std::string& sUtf8) {
    const int nLength = ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.c_str(), -1, nullptr, 0);
    std::wstring sWide(static_cast<size_t>(nLength > 0 ? nLength : 1), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.c_str(), -1, sWide.data(), nLength);
    sWide.resize(sWide.size() - 1);
    return sWide;
}

}  // namespace qv::windows
