#pragma once

#include <string>
#include <string_view>

namespace qv::soft {

// The characters of UTF-8 text; each invalid byte becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view sText);

}  // namespace qv::soft
