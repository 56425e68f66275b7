#include <gtest/gtest.h>

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
};

TEST_F(DispatchTest, MembersAreFoundByNameWithoutRegardToCaseAndByIdentifier) {
    const DispatchTable& table = ColorListBoxDispatch();
    struct Case {
        const char* sName;
        DISPID nDispId;
    };
    const Case cases[] = {{"Refresh", 0x6003003A},         {"insertitem", 0x6003003E},
                          {"LISTCOUNT", 0x68030009},       {"GetText", 0x60030044},
                          {"SetSelectedItem", 0x6003004B}, {"hWnd", 0x68030006}};
    for (const Case& c : cases) {
        const MemberInfo* pByName = table.FindByName(c.sName);
        ASSERT_NE(pByName, nullptr) << c.sName;
        EXPECT_EQ(pByName, table.FindById(c.nDispId)) << c.sName;
    }
    EXPECT_EQ(table.FindByName("Frob"), nullptr);
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
