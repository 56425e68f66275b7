#pragma once

#include <algorithm>
#include <string_view>

namespace qv {

// Letter case of ASCII text, the same in every locale: names of members, fonts and file
// endings compare this way.
constexpr char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualsIgnoringCase(std::string_view sA, std::string_view sB) {
    return std::ranges::equal(
        sA, sB, [](char cA, char cB) { return ToLowerAscii(cA) == ToLowerAscii(cB); });
}

}  // namespace qv
