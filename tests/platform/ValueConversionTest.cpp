#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <vector>

#include "platform/HostError.h"
#include "platform/Variant.h"

namespace qv {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

class TestObject : public HostObject {
  public:
    std::string_view TypeName() const override { return "TestObject"; }
};

const Variant kObject = Variant(ObjectRef(std::make_shared<TestObject>()));

template <typename T>
struct Case {
    Variant vInput;
    T expected;
};

std::string Describe(const Variant& vValue) {
    if (vValue.IsObject()) return vValue.IsNothing() ? "Nothing" : "an object";
    if (vValue.Type() == VarType::String) return "\"" + vValue.StringValue() + "\"";
    return "type " + std::to_string(static_cast<int>(vValue.Type())) + " " + CStr(vValue);
}

template <typename T, typename Convert>
void ExpectValues(const std::vector<Case<T>>& cases, Convert convert) {
    for (const Case<T>& testCase : cases) {
        SCOPED_TRACE(Describe(testCase.vInput));
        try {
            EXPECT_EQ(convert(testCase.vInput), testCase.expected);
        } catch (const HostError& error) {
            ADD_FAILURE() << "raised " << error.Number();
        }
    }
}

template <typename Convert>
void ExpectError(Long nError, const std::vector<Variant>& inputs, Convert convert) {
    for (const Variant& vInput : inputs) {
        SCOPED_TRACE(Describe(vInput));
        try {
            convert(vInput);
            ADD_FAILURE() << "no error";
        } catch (const HostError& error) {
            EXPECT_EQ(error.Number(), nError);
        }
    }
}

TEST(ValueConversion, NonNumbersAreTypeMismatch) {
    const std::vector<Variant> inputs = {"",     "   ",  "abc",          "1 2",
                                         "1e",   "1e+",  "--1",          ".",
                                         "+",    "0x10", "&H",           "&HG1",
                                         "&O8",  "&X1",  "inf",          "nan",
                                         "yes",  "1,5",  "&H1FFFFFFFFZ", Variant::Nothing(),
                                         kObject};
    ExpectError(err::kTypeMismatch, inputs, CLng);
    ExpectError(err::kTypeMismatch, inputs, CInt);
    ExpectError(err::kTypeMismatch, inputs, CBool);
    ExpectError(err::kTypeMismatch, inputs, CDbl);
    ExpectError(err::kTypeMismatch, inputs, CSng);
    ExpectError(err::kTypeMismatch, {"True", " false "}, CLng);
    ExpectError(err::kTypeMismatch, {"True"}, CDbl);
    ExpectError(err::kTypeMismatch, {kObject, Variant::Nothing()}, CStr);
}

TEST(ValueConversion, OutOfRangeIsOverflow) {
    ExpectError(err::kOverflow,
                {2147483647.5, -2147483648.6, kNaN, "2147483648", "&H100000000", "1e400"}, CLng);
    ExpectError(err::kOverflow, {Long{40000}, 32767.5, -32769.0, 1e10, "40000"}, CInt);
    ExpectError(err::kOverflow, {"1e400", "123456789e301", "-1e309"}, CDbl);
    ExpectError(err::kOverflow, {1e39, -1e39, "1e39"}, CSng);
}

TEST(ValueConversion, CLng) {
    ExpectValues<Long>({{Variant(), 0},
                        {Integer{-5}, -5},
                        {2.5, 2},
                        {-2.5, -2},
                        {1.5f, 2},
                        {2147483647.4, 2147483647},
                        {-2147483648.5, INT32_MIN},
                        {VbTrue, -1},
                        {Boolean(5), 5},
                        {"  42 ", 42},
                        {"\t-7\t", -7},
                        {"+3", 3},
                        {"2.5", 2},
                        {"3.5", 4},
                        {"1.5E3", 1500},
                        {"1.5e+3", 1500},
                        {"25e-1", 2},
                        {".5", 0},
                        {"1.", 1},
                        {"1e-400", 0},
                        {"&HFFFF", 65535},
                        {"&hff", 255},
                        {"&HFFFFFFFF", -1},
                        {"&H000000010", 16},
                        {"&O17", 15},
                        {"&O37777777777", -1}},
                       CLng);
}

TEST(ValueConversion, CInt) {
    ExpectValues<Integer>({{Long{-32768}, -32768},
                           {32767.4, 32767},
                           {-32768.5, -32768},
                           {Boolean(5), 5},
                           {" 12.5 ", 12},
                           {"&H7FFF", 32767},
                           {"&HFFFFFFFF", -1}},
                          CInt);
}

TEST(ValueConversion, CBool) {
    ExpectValues<Integer>({{Variant(), 0},
                           {Integer{7}, -1},
                           {0.0, 0},
                           {0.4, -1},
                           {kNaN, -1},
                           {Boolean(5), 5},
                           {" true ", -1},
                           {"FALSE", 0},
                           {"\tTrUe", -1},
                           {"-0.0", 0},
                           {"2.5", -1},
                           {"&H0", 0}},
                          [](const Variant& vValue) { return CBool(vValue).Value(); });
}

TEST(ValueConversion, CDblAndCSng) {
    ExpectValues<double>({{Variant(), 0.0},
                          {"  -0.25 ", -0.25},
                          {Boolean(5), 5.0},
                          {0.1f, double{0.1f}},
                          {"&HFFFFFFFF", -1.0},
                          {"1.7976931348623157e308", DBL_MAX},
                          {"0.000000001e-320", 0.0}},
                         CDbl);
    ExpectValues<float>(
        {{3.4028235e38, FLT_MAX}, {1e-50, 0.0f}, {Long{16777217}, 16777216.0f}, {"0.1", 0.1f}},
        CSng);
}

TEST(ValueConversion, CStr) {
    ExpectValues<std::string>({{Variant(), ""},
                               {INT32_MIN, "-2147483648"},
                               {Boolean(5), "True"},
                               {VbFalse, "False"},
                               {10.0, "10"},
                               {-0.25, "-0.25"},
                               {0.1 + 0.2, "0.30000000000000004"},
                               {-0.0, "0"},
                               {1e20, "1E+20"},
                               {-1.5e-7, "-1.5E-07"},
                               {1e15, "1E+15"},
                               {1.25e100, "1.25E+100"},
                               {123456789012345.0, "123456789012345"},
                               {0.00012, "0.00012"},
                               {0.00001, "1E-05"},
                               {0.1f, "0.1"},
                               {1234567.0f, "1234567"},
                               {12345678.0f, "1.2345678E+07"}},
                              CStr);
}

TEST(ValueConversion, DoubleTextReadsBackExactly) {
    for (double dValue :
         {0.1, 1.0 / 3.0, -2.5e-5, 1e-300, 5e-324, DBL_MAX, 1e21, 9007199254740993.0, 1e15 - 1}) {
        SCOPED_TRACE(dValue);
        EXPECT_EQ(CDbl(CStr(dValue)), dValue);
    }
}

TEST(ValueConversion, ErrorsCarryTheHostText) {
    EXPECT_EQ(HostError(err::kOverflow).Text(), "Overflow");
    EXPECT_EQ(HostError(1234).Text(), "Application-defined or object-defined error");
    EXPECT_EQ(HostError(1234, "Bad row").Text(), "Bad row");
}

}  // namespace
}  // namespace qv
