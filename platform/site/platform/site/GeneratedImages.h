#pragma once

#include <array>

#include "platform/win32/Types.h"

// What a host runtime makes when a script asks for images it does not load from a file,
// the same on every backend: solid images in a palette of eight colours, and a metafile
// of a fixed size.
namespace qv::site {

inline constexpr std::array<win32::COLORREF, 8> kGeneratedImagePalette = {
    0x000000FF, 0x0000FF00, 0x00FF0000, 0x0000FFFF, 0x00FF00FF, 0x00FFFF00, 0x00000080, 0x00008000};

// The colour of generated image i: entry i mod 8 of the palette.
inline win32::COLORREF GeneratedImageColor(int nIndex) {
    return kGeneratedImagePalette[static_cast<unsigned>(nIndex) % kGeneratedImagePalette.size()];
}

// A made metafile's size in pixels, each way.
inline constexpr int kGeneratedMetafileSize = 32;

}  // namespace qv::site
