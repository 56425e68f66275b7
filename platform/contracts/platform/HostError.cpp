#include "platform/HostError.h"

namespace qv {

HostError::HostError(Long nNumber) : HostError(nNumber, StandardText(nNumber)) {}

HostError::HostError(Long nNumber, const std::string& sText)
    : std::runtime_error(sText), m_nNumber(nNumber) {}

std::string HostError::StandardText(Long nNumber) {
    switch (nNumber) {
        case err::kInvalidCall:
            return "Invalid procedure call or argument";
        case err::kOverflow:
            return "Overflow";
        case err::kOutOfMemory:
            return "Out of memory";
        case err::kSubscriptOutOfRange:
            return "Subscript out of range";
        case err::kDivisionByZero:
            return "Division by zero";
        case err::kTypeMismatch:
            return "Type mismatch";
        case err::kObjectNotSet:
            return "Object variable or With block variable not set";
        case err::kReadOnlyProperty:
            return "Set not supported (read-only property)";
        case err::kSetNotPermitted:
            return "Set not permitted";
        case err::kWriteOnlyProperty:
            return "Get not supported (write-only property)";
        case err::kNoSuchMember:
            return "Object doesn't support this property or method";
        case err::kArgumentNotOptional:
            return "Argument not optional";
        case err::kWrongArguments:
            return "Wrong number of arguments or invalid property assignment";
        default:
            return "Application-defined or object-defined error";
    }
}

}  // namespace qv
