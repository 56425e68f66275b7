#include <gtest/gtest.h>

#include "platform/win32/Input.h"

#include <string>
#include <vector>

#include "qvhost/ScriptParser.h"

namespace qv::qvhost {
namespace {

using PictureKind = PictureCommand::Kind;
using MouseAction = MouseCommand::Action;
using KeyAction = KeyCommand::Action;
using ScrollRequest = ScrollCommand::Request;
using PageAction = PageCommand::Action;
using AccessAction = AccessCommand::Action;

constexpr int kShift = win32::kShiftMask;
constexpr int kCtrl = win32::kCtrlMask;
constexpr int kAlt = win32::kAltMask;

ScriptValue Literal(Variant vValue) {
    return {std::move(vValue), {}};
}
ScriptValue ObjectNamed(std::string sName) {
    return {Variant(), std::move(sName)};
}

std::vector<Command> ParseLines(std::string_view sText) {
    return ParseScript(sText, "scene.qvs").commands;
}

struct GoodLine {
    std::string sLine;
    CommandBody expected;
};

const GoodLine kGoodLines[] = {
    {"mode run", ModeCommand{true}},
    {"mode design", ModeCommand{false}},
    {"new L1 10,20 120x80", NewCommand{"L1", 10, 20, 120, 80, std::nullopt}},
    {"new List2 0,0 0x0 load \"my bag.json\"", NewCommand{"List2", 0, 0, 0, 0, "my bag.json"}},
    {"save L1 out/bag.json", SaveCommand{"L1", "out/bag.json"}},
    {"free L1", FreeCommand{"L1"}},
    {"resize L1 200x3", ResizeCommand{"L1", 200, 3}},
    {"let L1.ForeColor 0x80000005", LetCommand{"L1", "ForeColor", Literal(Long{-2147483643})}},
    {"let L1.Picture P1", LetCommand{"L1", "Picture", ObjectNamed("P1")}},
    {"get L1.ListCount", GetCommand{"L1", "ListCount"}},
    {"call L1.Clear", CallCommand{"L1", "Clear", {}}},
    {"call L1.AddItem \"red\" 3 IL",
     CallCommand{"L1", "AddItem", {Literal("red"), Literal(Integer{3}), ObjectNamed("IL")}}},
    {"imagelist IL 16x16 12", ImageListCommand{"IL", 16, 16, 12, std::nullopt}},
    {"imagelist IL 8x4 0", ImageListCommand{"IL", 8, 4, 0, std::nullopt}},
    {"imagelist IL 16x16 strip.png", ImageListCommand{"IL", 16, 16, std::nullopt, "strip.png"}},
    {"imagelist IL 16x16 \"12\"", ImageListCommand{"IL", 16, 16, std::nullopt, "12"}},
    {"picture P bitmap 32x16 0x0000FF00",
     PictureCommand{"P", PictureKind::Bitmap, 32, 16, 0x0000FF00, ""}},
    {"picture P icon 16x16 &HFF", PictureCommand{"P", PictureKind::Icon, 16, 16, 255, ""}},
    {"picture P bitmap 1x1 4294967295", PictureCommand{"P", PictureKind::Bitmap, 1, 1, -1, ""}},
    {"picture P metafile", PictureCommand{"P", PictureKind::Metafile, 0, 0, 0, ""}},
    {"picture P empty", PictureCommand{"P", PictureKind::Empty, 0, 0, 0, ""}},
    {"picture P file a.bmp", PictureCommand{"P", PictureKind::File, 0, 0, 0, "a.bmp"}},
    {"font F \"Arial\" 8.25", FontCommand{"F", "Arial", 8.25, false, false, false, false, {}}},
    {"font F \"MS Sans Serif\" 12 strikethrough charset 2 bold italic underline",
     FontCommand{"F", "MS Sans Serif", 12, true, true, true, true, 2}},
    {"mouse L1 down L 10 20", MouseCommand{"L1", MouseAction::Down, 1, 10, 20, 0}},
    {"mouse L1 up R -5 300 alt shift",
     MouseCommand{"L1", MouseAction::Up, 2, -5, 300, kAlt | kShift}},
    {"mouse L1 move 3 4", MouseCommand{"L1", MouseAction::Move, 0, 3, 4, 0}},
    {"mouse L1 move 3 -4 M ctrl", MouseCommand{"L1", MouseAction::Move, 4, 3, -4, kCtrl}},
    {"click L1 5 6", ClickCommand{"L1", 5, 6, 0}},
    {"click L1 5 6 ctrl alt shift", ClickCommand{"L1", 5, 6, kShift | kCtrl | kAlt}},
    {"wheel L1 -120 5 6", WheelCommand{"L1", -120, 5, 6}},
    {"key L1 down Home", KeyCommand{"L1", KeyAction::Down, 36, 0}},
    {"key L1 up 40 shift", KeyCommand{"L1", KeyAction::Up, 40, kShift}},
    {"key L1 down 0x22", KeyCommand{"L1", KeyAction::Down, 34, 0}},
    {"key L1 press 97", KeyCommand{"L1", KeyAction::Press, 97, 0}},
    {"key L1 stroke A ctrl", KeyCommand{"L1", KeyAction::Stroke, 65, kCtrl}},
    {"focus L1", FocusCommand{"L1"}},
    {"focus none", FocusCommand{std::nullopt}},
    {"scroll L1 lineup", ScrollCommand{"L1", ScrollRequest::LineUp, 0}},
    {"scroll L1 linedown", ScrollCommand{"L1", ScrollRequest::LineDown, 0}},
    {"scroll L1 pageup", ScrollCommand{"L1", ScrollRequest::PageUp, 0}},
    {"scroll L1 pagedown", ScrollCommand{"L1", ScrollRequest::PageDown, 0}},
    {"scroll L1 top", ScrollCommand{"L1", ScrollRequest::Top, 0}},
    {"scroll L1 bottom", ScrollCommand{"L1", ScrollRequest::Bottom, 0}},
    {"scroll L1 thumb 17", ScrollCommand{"L1", ScrollRequest::Thumb, 17}},
    {"wait 250", WaitCommand{250}},
    {"pixel L1 0 7", PixelCommand{"L1", 0, 7}},
    {"scrollbar L1", ScrollbarCommand{"L1"}},
    {"host L1", HostCommand{"L1"}},
    {"paint L1 shot.png", PaintCommand{"L1", "shot.png"}},
    {"paint form.PNG", PaintCommand{std::nullopt, "form.PNG"}},
    {"paint \"whole form.png\"", PaintCommand{std::nullopt, "whole form.png"}},
    {"page open general L1", PageCommand{PageAction::Open, "general", {"L1"}, "", {}, ""}},
    {"page open check L2 L1", PageCommand{PageAction::Open, "check", {"L2", "L1"}, "", {}, ""}},
    {"page set cboStyle 2",
     PageCommand{PageAction::Set, "", {}, "cboStyle", Literal(Integer{2}), ""}},
    {"page set txtName \"a b\"",
     PageCommand{PageAction::Set, "", {}, "txtName", Literal("a b"), ""}},
    {"page leave txtName", PageCommand{PageAction::Leave, "", {}, "txtName", {}, ""}},
    {"page get Changed", PageCommand{PageAction::Get, "", {}, "Changed", {}, ""}},
    {"page apply", PageCommand{PageAction::Apply, "", {}, "", {}, ""}},
    {"page close", PageCommand{PageAction::Close, "", {}, "", {}, ""}},
    {"page paint page.png", PageCommand{PageAction::Paint, "", {}, "", {}, "page.png"}},
    {"access L1", AccessCommand{"L1", AccessAction::List, 0}},
    {"access L1 30000", AccessCommand{"L1", AccessAction::Item, 30000}},
    {"access L1 -2", AccessCommand{"L1", AccessAction::Item, -2}},
    {"access L1 events on", AccessCommand{"L1", AccessAction::EventsOn, 0}},
    {"access L1 events off", AccessCommand{"L1", AccessAction::EventsOff, 0}},
};

TEST(ScriptParserTest, ParsesEveryCommand) {
    for (const GoodLine& row : kGoodLines) {
        SCOPED_TRACE(row.sLine);
        std::vector<Command> commands = ParseLines(row.sLine);
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_TRUE(commands[0].body == row.expected);
    }
}

struct KeyName {
    std::string sName;
    int nCode;
};

const KeyName kKeyNames[] = {
    {"Home", 36}, {"End", 35},  {"PageUp", 33}, {"PageDown", 34}, {"Up", 38},
    {"Down", 40}, {"Left", 37}, {"Right", 39},  {"Space", 32},    {"A", 65},
};

TEST(ScriptParserTest, KeyNamesGiveVirtualKeyCodes) {
    for (const KeyName& row : kKeyNames) {
        SCOPED_TRACE(row.sName);
        std::vector<Command> commands = ParseLines("key L1 stroke " + row.sName);
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_EQ(std::get<KeyCommand>(commands[0].body).nCode, row.nCode);
    }
}

struct ValueCase {
    std::string sWord;
    ScriptValue expected;
};

const ValueCase kValues[] = {
    {"0", Literal(Integer{0})},
    {"007", Literal(Integer{7})},
    {"32767", Literal(Integer{32767})},
    {"-32768", Literal(Integer{-32768})},
    {"32768", Literal(Long{32768})},
    {"-32769", Literal(Long{-32769})},
    {"2147483647", Literal(Long{2147483647})},
    {"-2147483648", Literal(Long{-2147483647 - 1})},
    {"2147483648", Literal(2147483648.0)},
    {"-2147483649", Literal(-2147483649.0)},
    {"100000000000000000000", Literal(1e20)},
    {"10.5", Literal(10.5)},
    {"-0.25", Literal(-0.25)},
    {"1e3", Literal(1000.0)},
    {"2.5E-1", Literal(0.25)},
    {"0x1F", Literal(Long{31})},
    {"&H1F", Literal(Long{31})},
    {"&hff", Literal(Long{255})},
    {"0x7", Literal(Long{7})},
    {"0XFFFFFFFF", Literal(Long{-1})},
    {"0x80000005", Literal(Long{-2147483643})},
    {"\"text\"", Literal("text")},
    {"\"12\"", Literal("12")},
    {"\"\"", Literal("")},
    {"\"True\"", Literal("True")},
    {"True", Literal(VbTrue)},
    {"False", Literal(VbFalse)},
    {"Boolean(5)", Literal(Boolean(Integer{5}))},
    {"Boolean(-32768)", Literal(Boolean(Integer{-32768}))},
    {"Boolean(65535)", Literal(Boolean(Integer{-1}))},
    {"Boolean(0x8000)", Literal(Boolean(Integer{-32768}))},
    {"Nothing", Literal(Variant::Nothing())},
    {"Empty", Literal(Variant())},
    {"IL2", ObjectNamed("IL2")},
    {"true", ObjectNamed("true")},
    {"Boolean", ObjectNamed("Boolean")},
};

TEST(ScriptParserTest, ReadsValues) {
    for (const ValueCase& row : kValues) {
        SCOPED_TRACE(row.sWord);
        std::vector<Command> commands = ParseLines("let L1.Value " + row.sWord);
        ASSERT_EQ(commands.size(), 1u);
        const auto& let = std::get<LetCommand>(commands[0].body);
        EXPECT_TRUE(let.value == row.expected);
    }
}

struct BadScript {
    std::string sText;
    std::string sError;
};

const BadScript kBadScripts[] = {
    {"frob", "scene.qvs:1: unknown command \"frob\""},
    {"mode run\n\n# note\nfrob 1", "scene.qvs:4: unknown command \"frob\""},
    {"Mode run", "scene.qvs:1: unknown command \"Mode\""},
    {"\"mode\" run", "scene.qvs:1: unknown command \"mode\""},
    {"mode", "scene.qvs:1: missing argument: mode run|design"},
    {"mode fast", "scene.qvs:1: unknown mode \"fast\""},
    {"mode \"run\"", "scene.qvs:1: expected mode run|design, got string \"run\""},
    {"new L1 10,20", "scene.qvs:1: missing argument: size WxH"},
    {"new L1 10,20 5x5 zz", "scene.qvs:1: unexpected argument \"zz\""},
    {"new L1 0,0 5x5 load", "scene.qvs:1: missing argument: file"},
    {"new L1 0,0 5x5 load \"\"", "scene.qvs:1: empty file"},
    {"new L1 -1,0 5x5", "scene.qvs:1: bad position X,Y \"-1,0\""},
    {"new L1 1,2,3 5x5", "scene.qvs:1: bad position X,Y \"1,2,3\""},
    {"new L1 0,0 5x-5", "scene.qvs:1: bad size WxH \"5x-5\""},
    {"new L1 0,0 5X5", "scene.qvs:1: bad size WxH \"5X5\""},
    {"new L1 0,0 0x10x10", "scene.qvs:1: bad size WxH \"0x10x10\""},
    {"new L1 0,0 99999999999x1", "scene.qvs:1: bad size WxH \"99999999999x1\""},
    {"new 1L 0,0 5x5", "scene.qvs:1: bad control name \"1L\""},
    {"new L_1 0,0 5x5", "scene.qvs:1: bad control name \"L_1\""},
    {"new none 0,0 5x5", "scene.qvs:1: reserved name \"none\""},
    {"let L1 5", "scene.qvs:1: bad NAME.PROP \"L1\""},
    {"let L1.Text", "scene.qvs:1: missing argument: value"},
    {"let L1.Text 1 2", "scene.qvs:1: unexpected argument \"2\""},
    {"get L1.Text.Length", "scene.qvs:1: bad NAME.PROP \"L1.Text.Length\""},
    {"call L1. 1", "scene.qvs:1: bad NAME.METHOD \"L1.\""},
    {"let L1.Text 12x", "scene.qvs:1: bad number \"12x\""},
    {"let L1.Text 1.", "scene.qvs:1: bad number \"1.\""},
    {"let L1.Text 1e", "scene.qvs:1: bad number \"1e\""},
    {"let L1.Text 1e400", "scene.qvs:1: bad number \"1e400\""},
    {"let L1.Text -", "scene.qvs:1: bad number \"-\""},
    {"let L1.Text 0x", "scene.qvs:1: bad number \"0x\""},
    {"let L1.Text 0xG1", "scene.qvs:1: bad number \"0xG1\""},
    {"let L1.Text 0x123456789", "scene.qvs:1: bad number \"0x123456789\""},
    {"let L1.Text &H000000001", "scene.qvs:1: bad number \"&H000000001\""},
    {"let L1.Text -0x1", "scene.qvs:1: bad number \"-0x1\""},
    {"let L1.Text Boolean(65536)", "scene.qvs:1: bad Boolean \"Boolean(65536)\""},
    {"let L1.Text Boolean(-32769)", "scene.qvs:1: bad Boolean \"Boolean(-32769)\""},
    {"let L1.Text Boolean(x)", "scene.qvs:1: bad Boolean \"Boolean(x)\""},
    {"let L1.Text .5", "scene.qvs:1: bad value \".5\""},
    {"let L1.Text a_b", "scene.qvs:1: bad value \"a_b\""},
    {"let L1.Text \"abc", "scene.qvs:1: unterminated string"},
    {"let L1.Text \"abc\\", "scene.qvs:1: unterminated string"},
    {"let L1.Text \"a\\tb\"", "scene.qvs:1: unknown escape \\t in string"},
    {"let L1.Text ab\"c\"", "scene.qvs:1: a string must be a word of its own"},
    {"let L1.Text \"a\"b", "scene.qvs:1: a string must be a word of its own"},
    {"imagelist IL 0x16 4", "scene.qvs:1: bad size WxH \"0x16\""},
    {"imagelist IL 16x16 -1", "scene.qvs:1: number out of range \"-1\""},
    {"imagelist IL 16x16", "scene.qvs:1: missing argument: count or file"},
    {"imagelist True 16x16 2", "scene.qvs:1: reserved name \"True\""},
    {"picture P bitmap 10x10", "scene.qvs:1: missing argument: colour"},
    {"picture P gif", "scene.qvs:1: unknown picture kind \"gif\""},
    {"picture P empty 5", "scene.qvs:1: unexpected argument \"5\""},
    {"picture P bitmap 4x4 4294967296", "scene.qvs:1: number out of range \"4294967296\""},
    {"font F Arial 10", "scene.qvs:1: expected font name in double quotes, got \"Arial\""},
    {"font F \"Arial\" 0", "scene.qvs:1: number out of range \"0\""},
    {"font F \"Arial\" 10 bold bold", "scene.qvs:1: repeated option \"bold\""},
    {"font F \"Arial\" 10 charset 1 charset 1", "scene.qvs:1: repeated option \"charset\""},
    {"font F \"Arial\" 10 heavy", "scene.qvs:1: unexpected argument \"heavy\""},
    {"font F \"Arial\" 10 charset 256", "scene.qvs:1: number out of range \"256\""},
    {"font F \"Arial\" 10 charset", "scene.qvs:1: missing argument: charset N"},
    {"mouse L1 drag 1 2", "scene.qvs:1: unknown mouse action \"drag\""},
    {"mouse L1 down X 1 2", "scene.qvs:1: unknown button \"X\""},
    {"mouse L1 down L 1", "scene.qvs:1: missing argument: Y"},
    {"mouse L1 move 1 2 L R", "scene.qvs:1: unexpected argument \"R\""},
    {"click L1 1 2 shift shift", "scene.qvs:1: repeated modifier \"shift\""},
    {"click L1 1 2 Shift", "scene.qvs:1: unexpected argument \"Shift\""},
    {"click L1 1.5 2", "scene.qvs:1: bad number \"1.5\""},
    {"click L1 3000000000 2", "scene.qvs:1: number out of range \"3000000000\""},
    {"wheel L1 40000 0 0", "scene.qvs:1: number out of range \"40000\""},
    {"wheel L1 120 0 0 shift", "scene.qvs:1: unexpected argument \"shift\""},
    {"key L1 tap 5", "scene.qvs:1: unknown key action \"tap\""},
    {"key L1 down Foo", "scene.qvs:1: unknown key \"Foo\""},
    {"key L1 down home", "scene.qvs:1: unknown key \"home\""},
    {"key L1 down 256", "scene.qvs:1: number out of range \"256\""},
    {"key L1 press 65536", "scene.qvs:1: number out of range \"65536\""},
    {"key L1 press 97 shift", "scene.qvs:1: unexpected argument \"shift\""},
    {"focus", "scene.qvs:1: missing argument: control name"},
    {"scroll L1 left", "scene.qvs:1: unknown scroll request \"left\""},
    {"scroll L1 thumb", "scene.qvs:1: missing argument: thumb position"},
    {"wait -1", "scene.qvs:1: number out of range \"-1\""},
    {"pixel L1 -1 0", "scene.qvs:1: number out of range \"-1\""},
    {"paint L1", "scene.qvs:1: missing argument: FILE.png"},
    {"paint L1 shot.bmp", "scene.qvs:1: not a .png file \"shot.bmp\""},
    {"paint \"shot.bmp\"", "scene.qvs:1: not a .png file \"shot.bmp\""},
    {"paint a.png b.png", "scene.qvs:1: unexpected argument \"b.png\""},
    {"page jump", "scene.qvs:1: unknown page action \"jump\""},
    {"page open general", "scene.qvs:1: missing argument: control name"},
    {"page open other L1", "scene.qvs:1: unknown page \"other\""},
    {"page set cboStyle", "scene.qvs:1: missing argument: value"},
    {"page apply now", "scene.qvs:1: unexpected argument \"now\""},
    {"access", "scene.qvs:1: missing argument: control name"},
    {"access L1 events", "scene.qvs:1: missing argument: events on|off"},
    {"access L1 events maybe", "scene.qvs:1: unknown events \"maybe\""},
    {"access L1 first", "scene.qvs:1: bad number \"first\""},
    {"access L1 \"events\" on", "scene.qvs:1: expected item, got string \"events\""},
    {"access L1 2 3", "scene.qvs:1: unexpected argument \"3\""},
    {"mode run\r\nmode x\r\n", "scene.qvs:2: unknown mode \"x\""},
};

TEST(ScriptParserTest, ReportsMistakesWithFileAndLine) {
    for (const BadScript& row : kBadScripts) {
        SCOPED_TRACE(row.sText);
        try {
            ParseLines(row.sText);
            ADD_FAILURE() << "no error";
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.what(), row.sError);
        }
    }
}

TEST(ScriptParserTest, ErrorCarriesLineNumber) {
    try {
        ParseScript("mode run\n\nclick L1\n", "a.qvs");
        FAIL() << "no error";
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.Line(), 3);
    }
}

TEST(ScriptParserTest, SkipsBlankAndCommentLinesButCountsThem) {
    std::vector<Command> commands =
        ParseLines("\xEF\xBB\xBF# heading\n\n   \t\nmode design\r\n  # indented comment\nwait 5");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].nLine, 4);
    EXPECT_EQ(commands[0].sEcho, "mode design");
    EXPECT_EQ(commands[1].nLine, 6);
    EXPECT_EQ(commands[1].sEcho, "wait 5");
}

struct EchoCase {
    std::string sLine;
    std::string sEcho;
    std::string sText;  // the string value the line sets
};

const EchoCase kEchoes[] = {
    {"let L1.Text \"a # b\"", "let L1.Text \"a # b\"", "a # b"},
    {"let L1.Text \"a # b\"  # sets it", "let L1.Text \"a # b\"", "a # b"},
    {"\t let   L1.Text\t\"x\"#tight comment", "let   L1.Text\t\"x\"", "x"},
    {"let L1.Text \"q\\\"b\\\\s\\nx\"", "let L1.Text \"q\\\"b\\\\s\\nx\"", "q\"b\\s\nx"},
    {"let L1.Text \"tab\there\"", "let L1.Text \"tab\there\"", "tab\there"},
    {"let L1.Text \"\\\"#\\\"\" #c", "let L1.Text \"\\\"#\\\"\"", "\"#\""},
};

TEST(ScriptParserTest, StringsKeepHashesAndEchoDropsComment) {
    for (const EchoCase& row : kEchoes) {
        SCOPED_TRACE(row.sLine);
        std::vector<Command> commands = ParseLines(row.sLine);
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_EQ(commands[0].sEcho, row.sEcho);
        EXPECT_TRUE(std::get<LetCommand>(commands[0].body).value == Literal(row.sText));
    }
}

TEST(ScriptParserTest, CommentRightAfterWordEndsIt) {
    std::vector<Command> commands = ParseLines("free L1#gone");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_TRUE(commands[0].body == CommandBody(FreeCommand{"L1"}));
    EXPECT_EQ(commands[0].sEcho, "free L1");
}

}  // namespace
}  // namespace qv::qvhost
