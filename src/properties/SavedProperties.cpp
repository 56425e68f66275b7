#include "properties/SavedProperties.h"

#include "properties/ChangeRoutines.h"

namespace qv {

Variant SavedDefault(const SavedProperty& property) {
    switch (property.eKind) {
        case SavedKind::Enumeration:
        case SavedKind::Color:
            return Variant(property.nDefault);
        case SavedKind::Count:
            return Variant(static_cast<Integer>(property.nDefault));
        case SavedKind::Flag:
            return Variant(Boolean(static_cast<Integer>(property.nDefault)));
        case SavedKind::Picture:
        case SavedKind::Font:
        default:
            return Variant();
    }
}

Long InitialValue(const SavedProperty& property) {
    if (property.eKind != SavedKind::Color) return property.nDefault;
    return static_cast<Long>(ResolveSystemColor(static_cast<OLE_COLOR>(property.nDefault)));
}

}  // namespace qv
