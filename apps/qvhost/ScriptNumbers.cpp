#include "qvhost/ScriptNumbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace qv::qvhost {

namespace {

constexpr size_t kMaxHexDigits = 8;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view sText, size_t nPos) {
    while (nPos < sText.size() && IsDigit(sText[nPos])) ++nPos;
    return nPos;
}

bool HasHexPrefix(std::string_view sText) {
    return sText.starts_with("0x") || sText.starts_with("0X") || sText.starts_with("&H") ||
           sText.starts_with("&h");
}

std::optional<Long> ParseHex(std::string_view sText) {
    std::string_view sDigits = sText.substr(2);
    if (sDigits.empty() || sDigits.size() > kMaxHexDigits) return std::nullopt;
    std::uint32_t nPattern = 0;
    auto [pEnd, ec] =
        std::from_chars(sDigits.data(), sDigits.data() + sDigits.size(), nPattern, 16);
    if (ec != std::errc() || pEnd != sDigits.data() + sDigits.size()) return std::nullopt;
    return static_cast<Long>(nPattern);
}

// Decimal forms: -?D+ (integer) and -?D+(.D+)?([eE][+-]?D+)? (real).
struct DecimalShape {
    bool bValid = false;
    bool bReal = false;
};

DecimalShape ScanDecimal(std::string_view sText) {
    size_t nPos = sText.starts_with('-') ? 1 : 0;
    size_t nEnd = SkipDigits(sText, nPos);
    if (nEnd == nPos) return {};
    DecimalShape shape{true, false};
    if (nEnd < sText.size() && sText[nEnd] == '.') {
        size_t nFractionEnd = SkipDigits(sText, nEnd + 1);
        if (nFractionEnd == nEnd + 1) return {};
        nEnd = nFractionEnd;
        shape.bReal = true;
    }
    if (nEnd < sText.size() && (sText[nEnd] == 'e' || sText[nEnd] == 'E')) {
        size_t nExponent = nEnd + 1;
        if (nExponent < sText.size() && (sText[nExponent] == '+' || sText[nExponent] == '-'))
            ++nExponent;
        nEnd = SkipDigits(sText, nExponent);
        if (nEnd == nExponent) return {};
        shape.bReal = true;
    }
    if (nEnd != sText.size()) return {};
    return shape;
}

std::optional<double> ParseDecimalReal(std::string_view sText) {
    double dValue = 0;
    auto [pEnd, ec] = std::from_chars(sText.data(), sText.data() + sText.size(), dValue);
    if (ec != std::errc() || !std::isfinite(dValue)) return std::nullopt;
    return dValue;
}

std::optional<std::int64_t> ParseDecimalInteger(std::string_view sText) {
    std::int64_t nValue = 0;
    auto [pEnd, ec] = std::from_chars(sText.data(), sText.data() + sText.size(), nValue);
    if (ec != std::errc()) return std::nullopt;
    return nValue;
}

template <class T>
bool Fits(std::int64_t nValue) {
    return nValue >= std::numeric_limits<T>::min() && nValue <= std::numeric_limits<T>::max();
}

}  // namespace

std::optional<std::int64_t> ParseInteger(std::string_view sText) {
    if (HasHexPrefix(sText)) return ParseHex(sText);
    DecimalShape shape = ScanDecimal(sText);
    if (!shape.bValid || shape.bReal) return std::nullopt;
    return ParseDecimalInteger(sText);
}

std::optional<Variant> ParseNumber(std::string_view sText) {
    if (HasHexPrefix(sText)) {
        std::optional<Long> nPattern = ParseHex(sText);
        if (!nPattern) return std::nullopt;
        return Variant(*nPattern);
    }
    DecimalShape shape = ScanDecimal(sText);
    if (!shape.bValid) return std::nullopt;
    std::optional<std::int64_t> nInteger;
    if (!shape.bReal) nInteger = ParseDecimalInteger(sText);
    if (nInteger && Fits<Integer>(*nInteger)) return Variant(static_cast<Integer>(*nInteger));
    if (nInteger && Fits<Long>(*nInteger)) return Variant(static_cast<Long>(*nInteger));
    std::optional<double> dReal = ParseDecimalReal(sText);
    if (!dReal) return std::nullopt;
    return Variant(*dReal);
}

std::optional<double> ParseReal(std::string_view sText) {
    std::optional<Variant> vNumber = ParseNumber(sText);
    if (!vNumber) return std::nullopt;
    switch (vNumber->Type()) {
        case VarType::Integer:
            return vNumber->IntegerValue();
        case VarType::Long:
            return vNumber->LongValue();
        default:
            return vNumber->DoubleValue();
    }
}

}  // namespace qv::qvhost
