#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/soft/gdi/GdiObjects.h"

// Reading and writing image files. Failures never throw: they leave a message in sError
// and give nothing.
namespace qv::soft {

// A PNG or BMP image (told apart by their signatures). Pixels with an alpha below half are
// marked transparent in the mask; BMP files have none.
std::optional<MaskedImage> DecodeImage(const std::vector<std::uint8_t>& aBytes,
                                       std::string& sError);
std::optional<MaskedImage> ReadImageFile(const std::string& sPath, std::string& sError);

// The surface as an 8-bit RGB PNG.
std::optional<std::vector<std::uint8_t>> EncodePng(const Surface& surface, std::string& sError);
// The image as an 8-bit RGBA PNG: a pixel the mask marks transparent has alpha 0 (and
// keeps its colour), every other pixel alpha 255. DecodeImage gives the mask back.
std::optional<std::vector<std::uint8_t>> EncodeMaskedPng(const MaskedImage& image,
                                                         std::string& sError);
bool WritePngFile(const Surface& surface, const std::string& sPath, std::string& sError);

}  // namespace qv::soft
