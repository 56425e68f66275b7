#pragma once

// The system's own headers, for the files that implement the contracts over them. Include
// this after the contract headers: <windows.h> defines macros (TRUE, OPAQUE, SRCCOPY...)
// that would otherwise replace the contract's names of the same values.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>

namespace qv::windows {

// Handles pass through as their 32-bit values in both directions.
template <typename TReal, typename TOurs>
TReal ToReal(TOurs hOurs) {
    return reinterpret_cast<TReal>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(hOurs)));
}

template <typename TOurs, typename TReal>
TOurs ToOurs(TReal hReal) {
    return static_cast<TOurs>(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hReal)));
}

}  // namespace qv::windows
