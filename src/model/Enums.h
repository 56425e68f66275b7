#pragma once

#include "platform/Types.h"

namespace qv {

// The public enumerations of the control; all are 32-bit.
enum enmFrameStyle : Long { fsNone = 0, fsSunken = 1, fsBorder = 2 };
enum enmBackStyle : Long {
    bsNormal = 0,
    bsAlternate = 1,
    bsPictureStretch = 2,
    bsPictureReal = 3,
    bsPictureRepeat = 4,
};
enum enmSelBackStyle : Long { sbFill = 0, sbTransparent = 1, sbHatch = 2 };
enum enmStyle : Long { lsNormal = 0, lsCheck = 1 };
enum enmCheckBoxImage : Long { ciCheck = 0, ciRadio = 1, ciButton = 2, ciImage = 3 };
enum enmMultiSelect : Long { msSingle = 0, msMulti = 1, msExtend = 2 };

}  // namespace qv
