#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "control/ControlFixture.h"
#include "dispatch/ColorListBoxDispatch.h"
#include "platform/HostError.h"

namespace qv {
namespace {

class DispatchTest : public ControlTest {
  protected:
    Variant Call(std::string_view sName, std::vector<Variant> args = {}) {
        return InvokeByName(control, ColorListBoxDispatch(), sName, InvokeKind::Method, args);
    }
    Long ErrorOf(std::string_view sName, InvokeKind eKind, std::vector<Variant> args) {
        try {
            InvokeByName(control, ColorListBoxDispatch(), sName, eKind, args);
        } catch (const HostError& error) {
            return error.Number();
        }
        return 0;
    }
    // What a request gives: its value, or the number of the error it raises.
    std::string Outcome(std::string_view sName, InvokeKind eKind, std::size_t nArgs) {
        return Describe(
            [&](std::vector<Variant>& args) {
                return InvokeByName(control, ColorListBoxDispatch(), sName, eKind, args);
            },
            nArgs);
    }
    std::string Outcome(std::string_view, DISPID nDispId, InvokeKind eKind, std::size_t nArgs) {
        return Describe(
            [&](std::vector<Variant>& args) {
                return InvokeById(control, ColorListBoxDispatch(), nDispId, eKind, args);
            },
            nArgs);
    }
    template <typename TRequest>
    static std::string Describe(TRequest&& request, std::size_t nArgs) {
        std::vector<Variant> args(nArgs, Variant(Long{1}));
        try {
            return ::testing::PrintToString(request(args));
        } catch (const HostError& error) {
            return "error " + std::to_string(error.Number());
        }
    }
};

std::string InCase(std::string_view sName, int (*pfnConvert)(int)) {
    std::string sResult(sName);
    for (char& ch : sResult) ch = static_cast<char>(pfnConvert(static_cast<unsigned char>(ch)));
    return sResult;
}

// Every member of the table: its name in any case and its identifier lead to it, and a get
// of a property, or a call of a method with one argument too many, has the same outcome
// by identifier as by name.
TEST_F(DispatchTest, EveryMemberAnswersByIdentifierAsByNameInAnyCase) {
    const DispatchTable& table = ColorListBoxDispatch();
    for (const MemberInfo& member : table.Members()) {
        EXPECT_EQ(table.FindByName(InCase(member.sName, ::tolower)), &member) << member.sName;
        EXPECT_EQ(table.FindByName(InCase(member.sName, ::toupper)), &member) << member.sName;
        EXPECT_EQ(table.FindById(member.nDispId), &member) << member.sName;
        const bool bMethod = member.eKind == MemberKind::Method;
        const InvokeKind eKind = bMethod ? InvokeKind::Method : InvokeKind::PropertyGet;
        const std::size_t nArgs = bMethod ? member.params.size() + 1 : 0;
        EXPECT_EQ(Outcome(member.sName, member.nDispId, eKind, nArgs),
                  Outcome(member.sName, eKind, nArgs))
            << member.sName;
    }
    EXPECT_EQ(table.FindByName("Frob"), nullptr);
    std::vector<Variant> none;
    EXPECT_THROW(InvokeById(control, table, 0x60039999, InvokeKind::Method, none), HostError);
}

TEST_F(DispatchTest, OptionalArgumentsTakeTheirDefaults) {
    EXPECT_EQ(Call("AddItem", {"one"}), Variant(Long{0}));
    EXPECT_EQ(Call("AddItem", {"two", Integer{3}, Variant()}), Variant(Long{1}));
    std::vector<Variant> image = {Integer{0}, Integer{99}};
    EXPECT_EQ(Call("GetImageIndex", image), Variant(VbTrue));
    std::vector<Variant> data = {Integer{1}, "kept"};
    Call("GetItemData", data);
    Long nImage = 0;
    Variant vData("x");
    control.GetImageIndex(0, nImage);
    control.GetItemData(0, vData);
    EXPECT_EQ(nImage, -1);
    EXPECT_EQ(vData, Variant(Integer{0}));
    control.GetItemData(1, vData);
    EXPECT_EQ(vData, Variant());  // Empty passed on purpose is kept
}

TEST_F(DispatchTest, ByReferenceArgumentsAreFilledOnlyForAValidIndex) {
    Fill(2);
    std::vector<Variant> found = {Integer{1}, Integer{0}};
    EXPECT_EQ(InvokeByName(control, ColorListBoxDispatch(), "GetText", InvokeKind::Method, found),
              Variant(VbTrue));
    EXPECT_EQ(found[1], Variant("Item 1"));
    std::vector<Variant> missing = {Integer{5}, Integer{0}};
    EXPECT_EQ(InvokeByName(control, ColorListBoxDispatch(), "GetText", InvokeKind::Method, missing),
              Variant(VbFalse));
    EXPECT_EQ(missing[1], Variant(Integer{0}));
}

TEST_F(DispatchTest, ArgumentsConvertToTheDeclaredTypes) {
    Fill(4);
    EXPECT_EQ(Call("RemoveItem", {" 1 "}), Variant(VbTrue));
    EXPECT_EQ(Call("RemoveItem", {2.5}), Variant(VbTrue));  // rounds to 2: half to even
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Item 0", "Item 2"}));
    EXPECT_EQ(Call("AddItem", {Long{12}}), Variant(Long{2}));
    EXPECT_EQ(Texts().back(), "12");
}

TEST_F(DispatchTest, BadRequestsRaiseTheHostsErrors) {
    struct Case {
        const char* sName;
        InvokeKind eKind;
        std::vector<Variant> args;
        Long nError;
    };
    const Case cases[] = {
        {"Frob", InvokeKind::Method, {}, err::kNoSuchMember},
        {"AddItem", InvokeKind::Method, {}, err::kArgumentNotOptional},
        {"AddItem", InvokeKind::Method, {"a", 1, 2, 3}, err::kWrongArguments},
        {"RemoveItem", InvokeKind::Method, {"abc"}, err::kTypeMismatch},
        {"RemoveItem", InvokeKind::Method, {3e10}, err::kOverflow},
        {"RemoveItem", InvokeKind::Method, {Variant::Nothing()}, err::kTypeMismatch},
        {"ListCount", InvokeKind::PropertyPut, {1}, err::kReadOnlyProperty},
        {"ListCount", InvokeKind::PropertyGet, {1}, err::kWrongArguments},
        {"AddItem", InvokeKind::PropertyPut, {"a"}, err::kNoSuchMember},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.sName, c.eKind, c.args), c.nError) << c.sName;
}

TEST_F(DispatchTest, ReadOnlyPropertiesAnswerGetAndCall) {
    Fill(4);
    std::vector<Variant> none;
    EXPECT_EQ(
        InvokeById(control, ColorListBoxDispatch(), 0x68030009, InvokeKind::PropertyGet, none),
        Variant(Long{4}));
    EXPECT_EQ(Call("hWnd"), Variant(control.hWnd()));
    EXPECT_EQ(Call("RemoveAll"), Variant());  // no result
}

TEST_F(DispatchTest, EventSinksReceiveEventsByNameAndCanChangeByReferenceArguments) {
    std::vector<std::string> seen;
    DispatchEventSink sink([&](const EventInfo& event, std::vector<Variant>& args) {
        seen.push_back(std::string(event.sName) + " " + std::to_string(event.nDispId));
        if (!args.empty()) args[0] = Long{77};
    });
    control.Events().Connect(&sink);
    Inspect::SetStyle(control, lsCheck);
    Fill(2);
    Inspect::ToggleItemCheck(control, 1);
    Integer nKey = 40, nShift = 1;
    sink.KeyDown(nKey, nShift);
    control.Events().Disconnect(&sink);
    EXPECT_EQ(seen, (std::vector<std::string>{"ItemCheck 8", "KeyDown 6"}));
    EXPECT_EQ(nKey, 77);
    EXPECT_EQ(nShift, 1);
}

}  // namespace
}  // namespace qv
