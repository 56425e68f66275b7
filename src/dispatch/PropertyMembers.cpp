#include "dispatch/PropertyMembers.h"

#include "control/ColorListBox.h"
#include "dispatch/DispatchBuilders.h"
#include "platform/HostError.h"

namespace qv::dispatch {

namespace {

constexpr std::string_view kHelpFont = "Font ｵﾌﾞｼﾞｪｸﾄを返します。";
constexpr std::string_view kHelpEnabled =
    "ﾕｰｻﾞｰの操作で発生したｲﾍﾞﾝﾄを、ｵﾌﾞｼﾞｪｸﾄに認識させるかどうかを設定します。値の取得も"
    "可能です。";

using LongGetter = Long (ColorListBox::*)() const;
using LongSetter = void (ColorListBox::*)(Long);
using ColorGetter = OLE_COLOR (ColorListBox::*)() const;
using ColorSetter = void (ColorListBox::*)(OLE_COLOR);

// An enumeration or handle property: a 32-bit value on the interface.
template <typename TGetter>
MemberInfo LongProperty(std::string_view sName, DISPID nDispId, std::string_view sTypeName,
                        TGetter get, LongSetter set) {
    return Property(
        sName, nDispId, ParamType::Long, sTypeName,
        [get](ColorListBox& c, Arguments&) { return Variant(static_cast<Long>((c.*get)())); },
        [set](ColorListBox& c, const Variant& v) { (c.*set)(v.LongValue()); });
}

MemberInfo ColorProperty(std::string_view sName, DISPID nDispId, ColorGetter get, ColorSetter set) {
    return Property(
        sName, nDispId, ParamType::Long, "OLE_COLOR",
        [get](ColorListBox& c, Arguments&) { return Variant(static_cast<Long>((c.*get)())); },
        [set](ColorListBox& c, const Variant& v) {
            (c.*set)(static_cast<OLE_COLOR>(v.LongValue()));
        });
}

// An object of the wanted kind; Nothing only where the property allows it.
template <typename TObject>
std::shared_ptr<TObject> ObjectOf(const Variant& vValue, bool bNothingAllowed) {
    if (vValue.IsNothing() && bNothingAllowed) return nullptr;
    auto oObject =
        vValue.IsObject() ? std::dynamic_pointer_cast<TObject>(vValue.Object()) : nullptr;
    if (!oObject) throw HostError(err::kTypeMismatch);
    return oObject;
}

MemberInfo BackPictureProperty() {
    return Property(
        "BackPicture", 0x6803000F, ParamType::Object, "Picture",
        [](ColorListBox& c, Arguments&) { return Variant(ObjectRef(c.BackPicture())); },
        [](ColorListBox& c, const Variant& v) {
            c.SetBackPicture(ObjectOf<host::IPicture>(v, true));
        });
}

MemberInfo FontProperty() {
    return WithHelp(Property(
                        "Font", -512, ParamType::Object, "Font",
                        [](ColorListBox& c, Arguments&) { return Variant(ObjectRef(c.Font())); },
                        [](ColorListBox& c, const Variant& v) {
                            c.SetFont(ObjectOf<host::StdFont>(v, false));
                        }),
                    kHelpFont);
}

}  // namespace

std::vector<MemberInfo> StyleProperties() {
    using C = ColorListBox;
    return {
        Hidden(LongProperty("ImageList", 0x68030017, "Long", &C::ImageList, &C::SetImageList)),
        LongProperty("CheckBoxImageList", 0x68030016, "Long", &C::CheckBoxImageList,
                     &C::SetCheckBoxImageList),
        LongProperty("FrameStyle", 0x68030015, "enmFrameStyle", &C::FrameStyle, &C::SetFrameStyle),
        LongProperty("Style", 0x68030014, "enmStyle", &C::Style, &C::SetStyle),
        LongProperty("CheckBoxImage", 0x68030013, "enmCheckBoxImage", &C::CheckBoxImage,
                     &C::SetCheckBoxImage),
        ColorProperty("BackColor", 0x68030012, &C::BackColor, &C::SetBackColor),
        ColorProperty("SelBackColor", 0x68030011, &C::SelBackColor, &C::SetSelBackColor),
        LongProperty("SelBackStyle", 0x68030010, "enmSelBackStyle", &C::SelBackStyle,
                     &C::SetSelBackStyle),
        BackPictureProperty(),
        LongProperty("BackStyle", 0x6803000E, "enmBackStyle", &C::BackStyle, &C::SetBackStyle),
        LongProperty("MultiSelect", 0x6803000D, "enmMultiSelect", &C::MultiSelect,
                     &C::SetMultiSelect),
        ColorProperty("AlternateBackColor", 0x6803000C, &C::AlternateBackColor,
                      &C::SetAlternateBackColor),
        ColorProperty("ForeColor", 0x6803000B, &C::ForeColor, &C::SetForeColor),
        ColorProperty("SelForeColor", 0x6803000A, &C::SelForeColor, &C::SetSelForeColor),
        FontProperty(),
    };
}

MemberInfo EnabledProperty() {
    return WithHelp(Property(
                        "Enabled", 0x68030007, ParamType::Boolean, "Boolean",
                        [](ColorListBox& c, Arguments&) { return Variant(c.Enabled()); },
                        [](ColorListBox& c, const Variant& v) { c.SetEnabled(v.BooleanValue()); }),
                    kHelpEnabled);
}

MemberInfo ShowImageProperty() {
    return Property(
        "ShowImage", 0x68030004, ParamType::Boolean, "Boolean",
        [](ColorListBox& c, Arguments&) { return Variant(c.ShowImage()); },
        [](ColorListBox& c, const Variant& v) { c.SetShowImage(v.BooleanValue()); });
}

MemberInfo ListIndexProperty() {
    return Hidden(LongProperty("ListIndex", 0x68030005, "Long", &ColorListBox::ListIndex,
                               &ColorListBox::SetListIndex));
}

MemberInfo MaxCheckProperty() {
    return LongProperty("MaxCheck", 0x68030003, "Long", &ColorListBox::MaxCheck,
                        &ColorListBox::SetMaxCheck);
}

std::vector<MemberInfo> CheckImageProperties() {
    using C = ColorListBox;
    return {
        LongProperty("CheckImageIndex", 0x68030002, "Long", &C::CheckImageIndex,
                     &C::SetCheckImageIndex),
        LongProperty("NoCheckImageIndex", 0x68030001, "Long", &C::NoCheckImageIndex,
                     &C::SetNoCheckImageIndex),
    };
}

// Not listed by property browsers: the top row is a run-time position, not a setting.
MemberInfo TopIndexProperty() {
    return Hidden(LongProperty("TopIndex", 0x68030000, "Long", &ColorListBox::TopIndex,
                               &ColorListBox::SetTopIndex));
}

}  // namespace qv::dispatch
