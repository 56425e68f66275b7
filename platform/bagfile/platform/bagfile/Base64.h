#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::bagfile {

// Standard base64 with padding.
std::string EncodeBase64(const std::vector<std::uint8_t>& aBytes);
// Nothing for text that is not base64 (wrong characters, length or padding).
std::optional<std::vector<std::uint8_t>> DecodeBase64(std::string_view sText);

}  // namespace qv::bagfile
