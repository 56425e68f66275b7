#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/AnsiText.h"

namespace qv {
namespace {

constexpr unsigned kUnknownCodePage = 12345;

struct ConversionCase {
    std::string sInput;
    unsigned nCodePage;
    std::string sExpected;
};

std::string Hex(const std::string& sBytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string sHex;
    for (unsigned char c : sBytes) sHex += {kDigits[c >> 4], kDigits[c & 15], ' '};
    return sHex;
}

TEST(AnsiText, Utf8ToAnsi) {
    const std::vector<ConversionCase> cases = {
        {"", 932, ""},
        {"List row 1", 932, "List row 1"},
        {"日本語", 932, "\x93\xFA\x96\x7B\x8C\xEA"},
        {"ｵﾌﾞｼﾞｪｸﾄ", 932, "\xB5\xCC\xDE\xBC\xDE\xAA\xB8\xC4"},
        {"é", 1252, "\xE9"},
        {"€5", 1252,
         "\x80"
         "5"},
        {"Ж", 1251, "\xC6"},
        {"😀", 932, "?"},
        {"a😀b", 1252, "a?b"},
        {"日本", 1252, "??"},
        {"\xC3", 932, "?"},
        {"\xE6\x97", 932, "?"},
        {"\xFF", 932, "?"},
        {"\x80\xBF", 1252, "??"},
        {"a\xC3(", 1252, "a?("},
        {"\xC0\xAF", 1252, "??"},
        {"\xE0\x80\xAF", 1252, "???"},
        {"\xED\xA0\x80", 932, "???"},
        {"\xF4\x90\x80\x80", 932, "????"},
        {"\xF8\x88\x80\x80\x80", 932, "?????"},
        {"日\xE6\x97本", 932, "\x93\xFA?\x96\x7B"},
        {"語\xF0\x9F\x98", 932, "\x8C\xEA?"},
        {"aé日", kUnknownCodePage, "a??"},
        {"a\xFFé", 65001, "a?é"},
        {"\xC2\x81\xC2\x9F", 1252, "??"},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(Hex(c.sInput) + "in " + std::to_string(c.nCodePage));
        EXPECT_EQ(Hex(Utf8ToAnsi(c.sInput, c.nCodePage)), Hex(c.sExpected));
    }
}

TEST(AnsiText, AnsiToUtf8) {
    const std::vector<ConversionCase> cases = {
        {"plain", 932, "plain"},
        {"\x93\xFA\x96\x7B\x8C\xEA", 932, "日本語"},
        {"\xB5\xCC\xDE", 932, "ｵﾌﾞ"},
        {"\xE9", 1252, "é"},
        {"\x81x", 1252, "\uFFFDx"},
        {"a\x93", 932, "a\uFFFD"},
        {"a\xE9", kUnknownCodePage, "a\uFFFD"},
        {"a\xFF\xC3\xA9", 65001, "a\uFFFDé"},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(Hex(c.sInput) + "in " + std::to_string(c.nCodePage));
        EXPECT_EQ(AnsiToUtf8(c.sInput, c.nCodePage), c.sExpected);
    }
}

TEST(AnsiText, MappableTextRoundTrips) {
    const std::vector<std::pair<std::string, unsigned>> cases = {{"日本語 ｵﾌﾞｼﾞｪｸﾄ テスト①", 932},
                                                                 {"café naïve ÆØ", 1252},
                                                                 {"Привет, мир", 1251},
                                                                 {"中文字符", 936},
                                                                 {"한국어", 949},
                                                                 {"Ελληνικά", 1253}};
    for (const auto& [sText, nCodePage] : cases) {
        SCOPED_TRACE(sText);
        EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi(sText, nCodePage), nCodePage), sText);
    }
}

// Converters are cached per code page and direction; a mix-up shows as wrong bytes.
TEST(AnsiText, InterleavedCodePagesAndDirections) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Utf8ToAnsi("é", 1252), "\xE9");
        EXPECT_EQ(AnsiToUtf8("\xE9", 1252), "é");
        EXPECT_EQ(Utf8ToAnsi("é", 932), "?");
        EXPECT_EQ(AnsiToUtf8("\x93\xFA", 932), "日");
        EXPECT_EQ(Utf8ToAnsi("日", 1252), "?");
    }
}

TEST(AnsiText, LongTextKeepsEveryCharacter) {
    std::string sText;
    for (int i = 0; i < 2000; ++i) sText += "日ｵa";
    const std::string sAnsi = Utf8ToAnsi(sText, 932);
    EXPECT_EQ(sAnsi.size(), 2000u * 4);
    EXPECT_EQ(AnsiToUtf8(sAnsi, 932), sText);
}

}  // namespace
}  // namespace qv
