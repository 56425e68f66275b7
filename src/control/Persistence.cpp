// The control's saved properties: one walk over the table of saved keys for a new
// control, for reading and for writing.
#include <array>

#include "control/ColorListBox.h"
#include "platform/HostError.h"
#include "properties/SavedProperties.h"

namespace qv {

namespace {

// An object of the wanted kind, Nothing, or a type mismatch.
template <typename TObject>
std::shared_ptr<TObject> CastObject(const Variant& vValue) {
    if (vValue.IsNothing()) return nullptr;
    if (vValue.IsObject()) {
        if (auto oObject = std::dynamic_pointer_cast<TObject>(vValue.Object())) return oObject;
    }
    throw HostError(err::kTypeMismatch);
}

Variant ColorValue(OLE_COLOR clrValue) {
    return Variant(static_cast<Long>(clrValue));
}

OLE_COLOR ColorOf(const Variant& vValue) {
    return static_cast<OLE_COLOR>(CLng(vValue));
}

// The font must be there: the control's font is never Nothing.
host::FontRef CastFont(const Variant& vValue) {
    if (vValue.IsNothing()) throw HostError(err::kTypeMismatch);
    return CastObject<host::StdFont>(vValue);
}

}  // namespace

// Where each saved key lives: how its value is read for the bag, and how a value from the
// bag is stored (as it comes: no range check, no colour resolution, no notification; a
// value that does not convert raises type mismatch (13) and stores nothing). One row per
// key, in the order of kSavedProperties.
const ColorListBox::SavedBinding& ColorListBox::BindingOf(SavedKey eKey) {
    using C = ColorListBox;
    using V = const Variant&;
    static constexpr std::array<SavedBinding, kSavedProperties.size()> kBindings = {{
        {SavedKey::FrameStyle, [](const C& c) { return Variant(Long{c.m_looks.m_eFrameStyle}); },
         [](C& c, V v) { c.m_looks.m_eFrameStyle = enmFrameStyle(CLng(v)); }},
        {SavedKey::MultiSelect, [](const C& c) { return Variant(Long{c.m_model.MultiSelect()}); },
         [](C& c, V v) { c.m_model.LoadMultiSelect(enmMultiSelect(CLng(v))); }},
        {SavedKey::BackColor, [](const C& c) { return ColorValue(c.m_looks.m_clrBackColor); },
         [](C& c, V v) { c.m_looks.m_clrBackColor = ColorOf(v); }},
        {SavedKey::SelBackColor, [](const C& c) { return ColorValue(c.m_looks.m_clrSelBackColor); },
         [](C& c, V v) { c.m_looks.m_clrSelBackColor = ColorOf(v); }},
        {SavedKey::SelBackStyle,
         [](const C& c) { return Variant(Long{c.m_looks.m_eSelBackStyle}); },
         [](C& c, V v) { c.m_looks.m_eSelBackStyle = enmSelBackStyle(CLng(v)); }},
        {SavedKey::Style, [](const C& c) { return Variant(Long{c.m_model.Style()}); },
         [](C& c, V v) { c.m_model.LoadStyle(enmStyle(CLng(v))); }},
        {SavedKey::BackPicture,
         [](const C& c) { return Variant(ObjectRef(c.m_looks.m_oBackPicture)); },
         [](C& c, V v) { c.m_looks.m_oBackPicture = CastObject<host::IPicture>(v); }},
        {SavedKey::BackStyle, [](const C& c) { return Variant(Long{c.m_looks.m_eBackStyle}); },
         [](C& c, V v) { c.m_looks.m_eBackStyle = enmBackStyle(CLng(v)); }},
        {SavedKey::AlternateBackColor,
         [](const C& c) { return ColorValue(c.m_looks.m_clrAlternateBackColor); },
         [](C& c, V v) { c.m_looks.m_clrAlternateBackColor = ColorOf(v); }},
        {SavedKey::ForeColor, [](const C& c) { return ColorValue(c.m_looks.m_clrForeColor); },
         [](C& c, V v) { c.m_looks.m_clrForeColor = ColorOf(v); }},
        {SavedKey::SelForeColor, [](const C& c) { return ColorValue(c.m_looks.m_clrSelForeColor); },
         [](C& c, V v) { c.m_looks.m_clrSelForeColor = ColorOf(v); }},
        {SavedKey::Font, [](const C& c) { return Variant(ObjectRef(c.m_userControl.Font())); },
         [](C& c, V v) { c.m_userControl.SetFont(CastFont(v)); }},
        {SavedKey::Enabled, [](const C& c) { return Variant(c.m_userControl.Enabled()); },
         [](C& c, V v) { c.m_userControl.SetEnabled(CBool(v)); }},
        {SavedKey::CheckBoxImage,
         [](const C& c) { return Variant(Long{c.m_looks.m_eCheckBoxImage}); },
         [](C& c, V v) { c.m_looks.m_eCheckBoxImage = enmCheckBoxImage(CLng(v)); }},
        {SavedKey::ShowImage, [](const C& c) { return Variant(c.m_looks.m_bShowImage); },
         [](C& c, V v) { c.m_looks.m_bShowImage = CBool(v); }},
        {SavedKey::MaxCheck, [](const C& c) { return Variant(c.m_model.MaxCheck()); },
         [](C& c, V v) { c.m_model.LoadMaxCheck(CLng(v)); }},
        {SavedKey::CheckImageIndex,
         [](const C& c) { return Variant(c.m_looks.m_nCheckImageIndex); },
         [](C& c, V v) { c.m_looks.m_nCheckImageIndex = CLng(v); }},
        {SavedKey::NoCheckImageIndex,
         [](const C& c) { return Variant(c.m_looks.m_nNoCheckImageIndex); },
         [](C& c, V v) { c.m_looks.m_nNoCheckImageIndex = CLng(v); }},
    }};
    static_assert(
        [] {
            for (std::size_t i = 0; i < kBindings.size(); ++i) {
                if (kBindings[i].eKey != kSavedProperties[i].eKey ||
                    kBindings[i].eKey != static_cast<SavedKey>(i))
                    return false;
            }
            return true;
        }(),
        "one binding per saved key, in the order of the saved keys");
    return kBindings[static_cast<std::size_t>(eKey)];
}

// The default the bag is given for a key: the table's, or the host's ambient font.
Variant ColorListBox::SavedDefaultOf(const SavedProperty& property) const {
    switch (property.eKind) {
        case SavedKind::Font:
            return Variant(ObjectRef(m_userControl.Ambient().Font()));
        case SavedKind::Picture:
            return Variant::Nothing();
        default:
            return SavedDefault(property);
    }
}

// No setter runs: nothing is validated, the host is told of no change and no redraw is
// asked for (the host paints the new control when it shows it). Enabled stays as the
// host made it.
void ColorListBox::UserControl_InitProperties() {
    for (const SavedProperty& property : kSavedProperties) {
        if (property.eKind == SavedKind::Font) {
            m_userControl.SetFont(m_userControl.Ambient().Font());
        } else if (property.eKey != SavedKey::Enabled) {
            const bool bPicture = property.eKind == SavedKind::Picture;
            BindingOf(property.eKey)
                .pStore(*this, bPicture ? Variant::Nothing() : Variant(InitialValue(property)));
        }
    }
    m_looks.m_hImageList = 0;
    m_looks.m_hCheckBoxImageList = 0;
    m_model.ForgetListIndex();
    ApplyFrameStyle();
    UpdateItemHeight();
}

// A value that does not convert stops the reading at its key; what was read before it
// stays.
void ColorListBox::UserControl_ReadProperties(host::IPropertyBag& propBag) {
    m_model.ForgetListIndex();
    for (const SavedProperty& property : kSavedProperties)
        BindingOf(property.eKey)
            .pStore(*this, propBag.ReadProperty(property.sName, SavedDefaultOf(property)));
    ApplyFrameStyle();
    UpdateItemHeight();
}

// Every value is written with its default, in the order the reader reads them.
void ColorListBox::UserControl_WriteProperties(host::IPropertyBag& propBag) {
    for (const SavedProperty& property : kSavedProperties)
        propBag.WriteProperty(property.sName, BindingOf(property.eKey).pGet(*this),
                              SavedDefaultOf(property));
}

}  // namespace qv
