#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/soft/gdi/Surface.h"

namespace qv::soft {

// A Windows bitmap file (BITMAPINFOHEADER or a later header; 1, 4, 8, 24 or 32 bits per
// pixel without compression, or 32 bits with bit fields). Every field is checked against
// the data before it is used.
SurfaceRef DecodeBmp(const std::vector<std::uint8_t>& aBytes, std::string& sError);

}  // namespace qv::soft
