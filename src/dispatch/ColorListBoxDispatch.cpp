#include "dispatch/ColorListBoxDispatch.h"

#include "control/ColorListBox.h"
#include "dispatch/DispatchBuilders.h"
#include "dispatch/PropertyMembers.h"

namespace qv {

namespace {

using namespace dispatch;

constexpr std::string_view kHelpHWnd =
    "ｵﾌﾞｼﾞｪｸﾄのｳｨﾝﾄﾞｳを識別するﾊﾝﾄﾞﾙを (Microsoft Windows から) 返します。";

std::vector<MemberInfo> ListMembers() {
    const Variant vZero(Integer{0});
    return {
        Method("Refresh", 0x6003003A, {Optional("bErase", ParamType::Boolean, VbTrue)},
               [](ColorListBox& c, Arguments& a) {
                   c.Refresh(a.GetBoolean(0));
                   return Variant();
               }),
        Function("RemoveItem", 0x6003003B, ParamType::Boolean, {In("nIndex", ParamType::Long)},
                 [](ColorListBox& c, Arguments& a) { return Variant(c.RemoveItem(a.GetLong(0))); }),
        Method("RemoveAll", 0x6003003C, {},
               [](ColorListBox& c, Arguments&) {
                   c.RemoveAll();
                   return Variant();
               }),
        Function(
            "AddItem", 0x6003003D, ParamType::Long,
            {In("sText", ParamType::String), Optional("nImageIndex", ParamType::Long, Long{-1}),
             Optional("vItemData", ParamType::Variant, vZero)},
            [](ColorListBox& c, Arguments& a) {
                return Variant(c.AddItem(a.GetString(0), a.GetLong(1), a.GetVariant(2)));
            }),
        Function("InsertItem", 0x6003003E, ParamType::Long,
                 {In("nIndex", ParamType::Long), In("sText", ParamType::String),
                  Optional("nImageIndex", ParamType::Long, Long{-1}),
                  Optional("vItemData", ParamType::Variant, vZero)},
                 [](ColorListBox& c, Arguments& a) {
                     return Variant(
                         c.InsertItem(a.GetLong(0), a.GetString(1), a.GetLong(2), a.GetVariant(3)));
                 }),
        ReadOnly("ListCount", 0x68030009, ParamType::Long,
                 [](ColorListBox& c, Arguments&) { return Variant(c.ListCount()); }),
        ReadOnly("SelCount", 0x68030008, ParamType::Long,
                 [](ColorListBox& c, Arguments&) { return Variant(c.SelCount()); }),
    };
}

// A reader fills its by-reference argument only for a valid index.
template <typename TValue>
MemberInfo Reader(std::string_view sName, DISPID nDispId, ParamInfo value,
                  Boolean (ColorListBox::*pRead)(Long, TValue&) const,
                  TValue (Arguments::*pGet)(std::size_t) const) {
    return Function(sName, nDispId, ParamType::Boolean,
                    {In("nIndex", ParamType::Long), std::move(value)},
                    [pRead, pGet](ColorListBox& c, Arguments& a) {
                        TValue value = (a.*pGet)(1);
                        const Boolean bFound = (c.*pRead)(a.GetLong(0), value);
                        if (bFound) a.SetByRef(1, value);
                        return Variant(bFound);
                    });
}

std::vector<MemberInfo> ItemReaders() {
    return {
        Reader("GetText", 0x60030044, ByRef("sValue", ParamType::String), &ColorListBox::GetText,
               &Arguments::GetString),
        Reader("GetImageIndex", 0x60030045, ByRef("nValue", ParamType::Long),
               &ColorListBox::GetImageIndex, &Arguments::GetLong),
        Reader("GetItemData", 0x60030046, ByRef("vValue", ParamType::Variant),
               &ColorListBox::GetItemData, &Arguments::GetVariant),
        Reader("GetSelectedItem", 0x60030047, ByRef("bValue", ParamType::Boolean),
               &ColorListBox::GetSelectedItem, &Arguments::GetBoolean),
    };
}

std::vector<MemberInfo> ItemWriters() {
    auto Params = [](std::string_view sValue, ParamType eType) {
        return std::vector<ParamInfo>{In("nIndex", ParamType::Long), In(sValue, eType)};
    };
    return {
        Function("SetText", 0x60030048, ParamType::Boolean, Params("sValue", ParamType::String),
                 [](ColorListBox& c, Arguments& a) {
                     return Variant(c.SetText(a.GetLong(0), a.GetString(1)));
                 }),
        Function("SetImageIndex", 0x60030049, ParamType::Boolean, Params("nValue", ParamType::Long),
                 [](ColorListBox& c, Arguments& a) {
                     return Variant(c.SetImageIndex(a.GetLong(0), a.GetLong(1)));
                 }),
        Function("SetItemData", 0x6003004A, ParamType::Boolean,
                 Params("vValue", ParamType::Variant),
                 [](ColorListBox& c, Arguments& a) {
                     return Variant(c.SetItemData(a.GetLong(0), a.GetVariant(1)));
                 }),
        Function("SetSelectedItem", 0x6003004B, ParamType::Boolean,
                 Params("bValue", ParamType::Boolean),
                 [](ColorListBox& c, Arguments& a) {
                     return Variant(c.SetSelectedItem(a.GetLong(0), a.GetBoolean(1)));
                 }),
    };
}

MemberInfo WindowHandle() {
    return WithHelp(ReadOnly("hWnd", 0x68030006, ParamType::Long,
                             [](ColorListBox& c, Arguments&) { return Variant(c.hWnd()); }),
                    kHelpHWnd);
}

// The interface order of the members.
std::vector<MemberInfo> AllMembers() {
    std::vector<MemberInfo> members;
    for (auto&& group :
         {StyleProperties(), ListMembers(), ItemReaders(), ItemWriters(),
          std::vector<MemberInfo>{EnabledProperty(), WindowHandle(), ListIndexProperty(),
                                  ShowImageProperty(), MaxCheckProperty()},
          CheckImageProperties(), std::vector<MemberInfo>{TopIndexProperty()}}) {
        members.insert(members.end(), group.begin(), group.end());
    }
    return members;
}

}  // namespace

const DispatchTable& ColorListBoxDispatch() {
    static const DispatchTable table(AllMembers());
    return table;
}

const std::vector<EventInfo>& ColorListBoxEventInfo() {
    static const std::vector<EventInfo> events = [] {
        const std::vector<ParamInfo> mouse = {
            In("Button", ParamType::Integer), In("Shift", ParamType::Integer),
            In("X", ParamType::Single), In("Y", ParamType::Single)};
        const std::vector<ParamInfo> key = {In("KeyCode", ParamType::Integer),
                                            In("Shift", ParamType::Integer)};
        return std::vector<EventInfo>{
            {"Scroll", 1, {}},
            {"MouseDown", 2, mouse},
            {"MouseMove", 3, mouse},
            {"MouseUp", 4, mouse},
            {"KeyPress", 5, {In("KeyAscii", ParamType::Integer)}},
            {"KeyDown", 6, key},
            {"KeyUp", 7, key},
            {"ItemCheck", 8, {In("nItemIndex", ParamType::Long)}},
            {"Click", 9, {}},
        };
    }();
    return events;
}

void DispatchEventSink::Deliver(DISPID nDispId, std::vector<Variant>& args) {
    if (m_handler)
        m_handler(ColorListBoxEventInfo().at(static_cast<std::size_t>(nDispId - 1)), args);
}

void DispatchEventSink::DeliverMouse(DISPID nDispId, Integer& Button, Integer& Shift, float& X,
                                     float& Y) {
    std::vector<Variant> args = {Button, Shift, X, Y};
    Deliver(nDispId, args);
    Button = CInt(args[0]);
    Shift = CInt(args[1]);
    X = CSng(args[2]);
    Y = CSng(args[3]);
}

void DispatchEventSink::DeliverKey(DISPID nDispId, Integer& KeyCode, Integer& Shift) {
    std::vector<Variant> args = {KeyCode, Shift};
    Deliver(nDispId, args);
    KeyCode = CInt(args[0]);
    Shift = CInt(args[1]);
}

void DispatchEventSink::Scroll() {
    std::vector<Variant> args;
    Deliver(1, args);
}
void DispatchEventSink::MouseDown(Integer& Button, Integer& Shift, float& X, float& Y) {
    DeliverMouse(2, Button, Shift, X, Y);
}
void DispatchEventSink::MouseMove(Integer& Button, Integer& Shift, float& X, float& Y) {
    DeliverMouse(3, Button, Shift, X, Y);
}
void DispatchEventSink::MouseUp(Integer& Button, Integer& Shift, float& X, float& Y) {
    DeliverMouse(4, Button, Shift, X, Y);
}
void DispatchEventSink::KeyPress(Integer& KeyAscii) {
    std::vector<Variant> args = {KeyAscii};
    Deliver(5, args);
    KeyAscii = CInt(args[0]);
}
void DispatchEventSink::KeyDown(Integer& KeyCode, Integer& Shift) {
    DeliverKey(6, KeyCode, Shift);
}
void DispatchEventSink::KeyUp(Integer& KeyCode, Integer& Shift) {
    DeliverKey(7, KeyCode, Shift);
}
void DispatchEventSink::ItemCheck(Long& nItemIndex) {
    std::vector<Variant> args = {nItemIndex};
    Deliver(8, args);
    nItemIndex = CLng(args[0]);
}
void DispatchEventSink::Click() {
    std::vector<Variant> args;
    Deliver(9, args);
}

}  // namespace qv
