#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/windows/host/ImagePixels.h"

// Image files in memory through the system's imaging component (WIC).
namespace qv::windows {

enum class DecodeResult { Decoded, Damaged, NoDecoder };

// The first frame of an image file (PNG, BMP or any format the system reads) as pixels
// with their alpha (255 for formats without one).
DecodeResult DecodeImageBytes(const std::vector<std::uint8_t>& aBytes, Pixels& pixels);
// The same for a file on disk.
DecodeResult DecodeImageFile(const std::wstring& sPath, Pixels& pixels);

// The pixels as an 8-bit RGB PNG file, or RGBA with their alpha; nothing when the system
// has no PNG encoder or it fails.
std::optional<std::vector<std::uint8_t>> EncodePng(const Pixels& pixels, bool bWithAlpha);

}  // namespace qv::windows
