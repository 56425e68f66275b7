#pragma once

#include <cmath>
#include <cstdint>

#include <nlohmann/json.hpp>

#include "platform/HostError.h"
#include "platform/Types.h"

namespace qv::bagfile {

// A whole number of a bag value: type mismatch (13) for another kind of value or a
// fraction, overflow (6) outside nMin..nMax.
inline Long BagWholeNumber(const nlohmann::ordered_json& value, Long nMin, Long nMax) {
    if (value.is_number_float()) {
        const double dValue = value.get<double>();
        if (std::trunc(dValue) != dValue) throw HostError(err::kTypeMismatch);
        if (dValue < nMin || dValue > nMax) throw HostError(err::kOverflow);
        return static_cast<Long>(dValue);
    }
    if (value.is_number_unsigned()) {
        const auto nValue = value.get<std::uint64_t>();
        if (nMax < 0 || nValue > static_cast<std::uint64_t>(nMax)) throw HostError(err::kOverflow);
        return static_cast<Long>(nValue);
    }
    if (!value.is_number_integer()) throw HostError(err::kTypeMismatch);
    const auto nValue = value.get<std::int64_t>();
    if (nValue < nMin || nValue > nMax) throw HostError(err::kOverflow);
    return static_cast<Long>(nValue);
}

}  // namespace qv::bagfile
