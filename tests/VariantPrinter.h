#pragma once

#include <ostream>

#include "platform/Variant.h"
#include "qvhost/ValueFormat.h"

namespace qv {

// Lets test failures show values as the transcript does.
inline void PrintTo(const Variant& vValue, std::ostream* pStream) {
    *pStream << qvhost::FormatValue(
        vValue, [](const HostObject& object) { return std::string(object.TypeName()); });
}

inline void PrintTo(const Boolean& bValue, std::ostream* pStream) {
    PrintTo(Variant(bValue), pStream);
}

}  // namespace qv
