#pragma once

#include <string>

#include "platform/windows/SystemApi.h"

// PNG files decoded by the system's imaging component (WIC) into the same kind of bitmap
// that a BMP file gives: a 32-bit top-down DIB section of the image's colours. Transparency
// is not kept: a transparent pixel keeps its colour, as our own platform's pictures do.
namespace qv::windows {

enum class PngResult { Decoded, NotPng, Damaged, NoDecoder };

// Whether the file starts with the PNG signature.
bool IsPngFile(const std::wstring& sPath);

// The decoded bitmap in hBitmap (the caller owns it) when the result is Decoded.
PngResult DecodePngFile(const std::wstring& sPath, HBITMAP& hBitmap);

}  // namespace qv::windows
