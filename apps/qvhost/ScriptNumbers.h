#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Variant.h"

namespace qv::qvhost {

// Numbers as scripts write them: decimal with an optional leading '-', with a fraction
// or an exponent for a real number; or hexadecimal (0x1F, &H1F, no sign, at most 8
// digits) for a 32-bit pattern, so 0xFFFFFFFF is -1.

// An integer: a decimal that fits 64 bits, or a hexadecimal pattern as a signed Long.
std::optional<std::int64_t> ParseInteger(std::string_view sText);

// A number as a value: Integer when a decimal fits 16 bits, Long when it fits 32 bits or
// is hexadecimal, Double otherwise (larger integers, fractions, exponents).
std::optional<Variant> ParseNumber(std::string_view sText);

// Any number as a double.
std::optional<double> ParseReal(std::string_view sText);

}  // namespace qv::qvhost
