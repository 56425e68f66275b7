#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qv::qvhost {

// Writes nWidth x nHeight pixels (rows top down, 0x00RRGGBB) as an 8-bit RGB PNG file
// whose image data is stored without compression, so it needs no compression library.
// False with the reason in sError when the file cannot be written.
bool WriteStoredPngFile(const std::filesystem::path& path, int nWidth, int nHeight,
                        const std::vector<std::uint32_t>& pixels, std::string& sError);

}  // namespace qv::qvhost
