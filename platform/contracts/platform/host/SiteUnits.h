#pragma once

#include "platform/Checked.h"
#include "platform/Types.h"
#include "platform/host/UserControl.h"

namespace qv::host {

// The screen is taken as 96 pixels to the inch, as the classic desktop is: 15 twips and
// 2540/96 HIMETRIC units to a pixel. Every host runtime converts with these.
inline constexpr float kTwipsPerPixel = 15.0f;
inline constexpr float kHimetricPerPixel = 2540.0f / 96.0f;

constexpr float UnitsPerPixel(ScaleUnit eUnit) {
    switch (eUnit) {
        case ScaleUnit::Twips:
            return kTwipsPerPixel;
        case ScaleUnit::Himetric:
            return kHimetricPerPixel;
        case ScaleUnit::Pixels:
            break;
    }
    return 1.0f;
}

constexpr float ConvertScale(float fValue, ScaleUnit eFrom, ScaleUnit eTo) {
    return fValue / UnitsPerPixel(eFrom) * UnitsPerPixel(eTo);
}

// HIMETRIC of a pixel length: round(pixels x 2540 / 96), halves to even.
inline Long HimetricFromPixels(int nPixels) {
    return RoundToLong(static_cast<double>(nPixels) * 2540.0 / 96.0);
}

// The width of a control's border in pixels: none without a border style, one line when
// flat, a sunken edge of two when three-dimensional.
constexpr int BorderWidthOf(Integer nAppearance, Integer nBorderStyle) {
    if (nBorderStyle == 0) return 0;
    return nAppearance == 0 ? 1 : 2;
}

}  // namespace qv::host
