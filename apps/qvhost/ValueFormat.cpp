#include "qvhost/ValueFormat.h"

#include <charconv>

namespace qv::qvhost {

namespace {

template <class T>
std::string ShortestText(T value) {
    // Far more than the longest shortest form of a double (24 characters).
    char aBuffer[64];
    char* pEnd = std::to_chars(aBuffer, aBuffer + sizeof aBuffer, value).ptr;
    return std::string(aBuffer, pEnd);
}

std::string FormatBoolean(Boolean bValue) {
    if (bValue == VbTrue) return "True";
    if (bValue == VbFalse) return "False";
    return "Boolean(" + std::to_string(bValue.Value()) + ")";
}

std::string FormatObject(const ObjectRef& oValue, const ObjectDescriber& fnDescribeObject) {
    if (!oValue) return "Nothing";
    return fnDescribeObject(*oValue);
}

}  // namespace

std::string FormatValue(const Variant& vValue, const ObjectDescriber& fnDescribeObject) {
    switch (vValue.Type()) {
        case VarType::Empty:
            return "Empty";
        case VarType::Integer:
            return std::to_string(vValue.IntegerValue());
        case VarType::Long:
            return std::to_string(vValue.LongValue());
        case VarType::Single:
            return ShortestText(vValue.SingleValue());
        case VarType::Double:
            return ShortestText(vValue.DoubleValue());
        case VarType::String:
            return QuoteString(vValue.StringValue());
        case VarType::Boolean:
            return FormatBoolean(vValue.BooleanValue());
        case VarType::Object:
            return FormatObject(vValue.Object(), fnDescribeObject);
    }
    return {};
}

std::string QuoteString(std::string_view sText) {
    std::string sQuoted = "\"";
    for (char c : sText) {
        switch (c) {
            case '"':
                sQuoted += "\\\"";
                break;
            case '\\':
                sQuoted += "\\\\";
                break;
            case '\n':
                sQuoted += "\\n";
                break;
            default:
                sQuoted += c;
        }
    }
    sQuoted += '"';
    return sQuoted;
}

std::string MessageBoxLine(std::string_view sPrompt, Long nStyle) {
    return "msgbox " + std::to_string(nStyle) + " " + QuoteString(sPrompt);
}

}  // namespace qv::qvhost
