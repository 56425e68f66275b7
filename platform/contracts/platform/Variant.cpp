#include "platform/Variant.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "platform/Checked.h"
#include "platform/HostError.h"
#include "platform/TextCase.h"

namespace qv {

namespace {

[[noreturn]] void RaiseTypeMismatch() {
    throw HostError(err::kTypeMismatch);
}
[[noreturn]] void RaiseOverflow() {
    throw HostError(err::kOverflow);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSign(char c) {
    return c == '+' || c == '-';
}

std::string_view TrimBlanks(std::string_view sText) {
    while (!sText.empty() && IsBlank(sText.front())) sText.remove_prefix(1);
    while (!sText.empty() && IsBlank(sText.back())) sText.remove_suffix(1);
    return sText;
}

size_t SkipDigits(std::string_view sText, size_t nPos) {
    while (nPos < sText.size() && IsDigit(sText[nPos])) ++nPos;
    return nPos;
}

// [sign] digits [. [digits]] | [sign] . digits, then optionally E [sign] digits.
bool IsDecimalText(std::string_view sText) {
    size_t nPos = (!sText.empty() && IsSign(sText[0])) ? 1 : 0;
    const size_t nIntEnd = SkipDigits(sText, nPos);
    size_t nEnd = nIntEnd;
    if (nEnd < sText.size() && sText[nEnd] == '.') nEnd = SkipDigits(sText, nEnd + 1);
    const bool bHasDigits = nIntEnd > nPos || nEnd > nIntEnd + 1;
    if (!bHasDigits) return false;
    if (nEnd < sText.size() && ToLowerAscii(sText[nEnd]) == 'e') {
        nPos = nEnd + 1;
        if (nPos < sText.size() && IsSign(sText[nPos])) ++nPos;
        nEnd = SkipDigits(sText, nPos);
        if (nEnd == nPos) return false;
    }
    return nEnd == sText.size();
}

long SaturatedExponent(std::string_view sExponent) {
    long nExponent = 0;
    for (char c : sExponent)
        if (IsDigit(c)) nExponent = std::min(nExponent * 10 + (c - '0'), 100000L);
    return sExponent[0] == '-' ? -nExponent : nExponent;
}

// Decimal exponent of the value written as 0.ddd: positive when the value is beyond 1,
// which tells text that overflows a double from text that underflows it.
long DecimalMagnitude(std::string_view sText) {
    const size_t nE = sText.find_first_of("eE");
    const long nExponent =
        nE == std::string_view::npos ? 0 : SaturatedExponent(sText.substr(nE + 1));
    const std::string_view sMantissa = sText.substr(0, nE);
    const size_t nFirst = sMantissa.find_first_of("123456789");
    if (nFirst == std::string_view::npos) return 0;
    const size_t nPoint = std::min(sMantissa.find('.'), sMantissa.size());
    const long nMagnitude = nFirst < nPoint ? static_cast<long>(nPoint - nFirst)
                                            : -static_cast<long>(nFirst - nPoint - 1);
    return nMagnitude + nExponent;
}

double ParseDecimalText(std::string_view sText) {
    if (!IsDecimalText(sText)) RaiseTypeMismatch();
    if (sText[0] == '+') sText.remove_prefix(1);
    double dValue = 0.0;
    const auto result = std::from_chars(sText.data(), sText.data() + sText.size(), dValue);
    if (result.ec != std::errc::result_out_of_range) return dValue;
    if (DecimalMagnitude(sText) > 0) RaiseOverflow();
    return sText[0] == '-' ? -0.0 : 0.0;
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    const char cLower = ToLowerAscii(c);
    if (cLower >= 'a' && cLower <= 'f') return cLower - 'a' + 10;
    return 99;
}

// "&H..." and "&O..." give a 32-bit pattern, so "&HFFFFFFFF" is -1.
double ParseRadixText(std::string_view sDigits, int nRadix) {
    if (sDigits.empty()) RaiseTypeMismatch();
    for (char c : sDigits)
        if (DigitValue(c) >= nRadix) RaiseTypeMismatch();
    std::uint64_t nValue = 0;
    for (char c : sDigits) {
        nValue = nValue * nRadix + DigitValue(c);
        if (nValue > UINT32_MAX) RaiseOverflow();
    }
    return static_cast<Long>(static_cast<std::uint32_t>(nValue));
}

double ParseNumericText(std::string_view sText) {
    sText = TrimBlanks(sText);
    if (sText.size() < 2 || sText[0] != '&') return ParseDecimalText(sText);
    const char cRadix = ToLowerAscii(sText[1]);
    if (cRadix == 'h') return ParseRadixText(sText.substr(2), 16);
    if (cRadix == 'o') return ParseRadixText(sText.substr(2), 8);
    RaiseTypeMismatch();
}

std::string NonFiniteText(double dValue) {
    if (std::isnan(dValue)) return "-1.#IND";
    return dValue > 0 ? "1.#INF" : "-1.#INF";
}

// Places the digits of a shortest round-trip "d.ddde+XX" text around the decimal point.
std::string FixedText(std::string_view sDigits, int nExponent) {
    if (nExponent < 0) return "0." + std::string(-nExponent - 1, '0') + std::string(sDigits);
    const size_t nIntDigits = static_cast<size_t>(nExponent) + 1;
    if (sDigits.size() <= nIntDigits)
        return std::string(sDigits) + std::string(nIntDigits - sDigits.size(), '0');
    return std::string(sDigits.substr(0, nIntDigits)) + "." +
           std::string(sDigits.substr(nIntDigits));
}

// Shortest text that reads back to the same value. Like the host, exponent form
// ("1.5E-07", "1E+20") is used below 1E-4 and from 1E+15 (1E+7 for a Single, whose digits
// run out sooner); the host shows only 15 (7) significant digits, this shows all needed.
template <typename T>
std::string RealText(T value, int nFixedExponentLimit) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (value == 0) return "0";
    char sBuffer[40];
    const auto result =
        std::to_chars(sBuffer, sBuffer + sizeof sBuffer, value, std::chars_format::scientific);
    std::string sText(sBuffer, result.ptr);
    const size_t nE = sText.find('e');
    const int nExponent = std::stoi(sText.substr(nE + 1));
    if (nExponent >= nFixedExponentLimit || nExponent < -4) {
        sText[nE] = 'E';
        return sText;
    }
    const bool bNegative = sText[0] == '-';
    std::string sDigits = sText.substr(bNegative ? 1 : 0, nE - (bNegative ? 1 : 0));
    if (sDigits.size() > 1) sDigits.erase(1, 1);  // the decimal point
    // Appended rather than prefixed with operator+: GCC 12 at -O3 warns (-Wrestrict) about the
    // overlapping copy it imagines inside the prefixing insert.
    std::string sResult = bNegative ? "-" : "";
    sResult += FixedText(sDigits, nExponent);
    return sResult;
}

}  // namespace

double CDbl(const Variant& vValue) {
    switch (vValue.Type()) {
        case VarType::Empty:
            return 0.0;
        case VarType::Integer:
            return vValue.IntegerValue();
        case VarType::Long:
            return vValue.LongValue();
        case VarType::Single:
            return vValue.SingleValue();
        case VarType::Double:
            return vValue.DoubleValue();
        case VarType::String:
            return ParseNumericText(vValue.StringValue());
        case VarType::Boolean:
            return vValue.BooleanValue().Value();
        case VarType::Object:
            break;
    }
    RaiseTypeMismatch();
}

// Doubles from the float maximum up to the midpoint below 2^128 still round to it.
float CSng(const Variant& vValue) {
    if (vValue.Type() == VarType::Single) return vValue.SingleValue();
    const double dValue = CDbl(vValue);
    constexpr double kFirstOverflowing = 0x1.ffffffp127;
    if (std::isfinite(dValue) && std::fabs(dValue) >= kFirstOverflowing) RaiseOverflow();
    return static_cast<float>(dValue);
}

Long CLng(const Variant& vValue) {
    switch (vValue.Type()) {
        case VarType::Integer:
            return vValue.IntegerValue();
        case VarType::Long:
            return vValue.LongValue();
        case VarType::Boolean:
            return vValue.BooleanValue().Value();
        default:
            return RoundToLong(CDbl(vValue));
    }
}

Integer CInt(const Variant& vValue) {
    switch (vValue.Type()) {
        case VarType::Integer:
            return vValue.IntegerValue();
        case VarType::Long:
            return ToInteger(vValue.LongValue());
        case VarType::Boolean:
            return vValue.BooleanValue().Value();
        default:
            return RoundToInteger(CDbl(vValue));
    }
}

Boolean CBool(const Variant& vValue) {
    if (vValue.Type() == VarType::Boolean) return vValue.BooleanValue();
    if (vValue.Type() == VarType::String) {
        const std::string_view sText = TrimBlanks(vValue.StringValue());
        if (EqualsIgnoringCase(sText, "True")) return VbTrue;
        if (EqualsIgnoringCase(sText, "False")) return VbFalse;
    }
    return Boolean::FromBool(CDbl(vValue) != 0.0);
}

std::string CStr(const Variant& vValue) {
    switch (vValue.Type()) {
        case VarType::Empty:
            return "";
        case VarType::Integer:
            return std::to_string(vValue.IntegerValue());
        case VarType::Long:
            return std::to_string(vValue.LongValue());
        case VarType::Single:
            return RealText(vValue.SingleValue(), 7);
        case VarType::Double:
            return RealText(vValue.DoubleValue(), 15);
        case VarType::String:
            return vValue.StringValue();
        case VarType::Boolean:
            return vValue.BooleanValue().IsTrue() ? "True" : "False";
        case VarType::Object:
            break;
    }
    RaiseTypeMismatch();
}

}  // namespace qv
