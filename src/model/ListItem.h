#pragma once

#include <string>

#include "platform/Variant.h"

namespace qv {

// One row of the list. bSelected is the selected flag in normal style and the check mark
// in check style; it is written through ItemStore's selection operations only.
struct ListItem {
    std::string sText;
    Long nImageIndex = -1;
    Boolean bSelected = VbFalse;
    Variant vItemData;
};

}  // namespace qv
