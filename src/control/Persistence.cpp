// The control's saved properties: one walk over the table of saved keys for a new
// control, for reading and for writing.
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

// The font must be there: the control's font is never Nothing.
host::FontRef CastFont(const Variant& vValue) {
    if (vValue.IsNothing()) throw HostError(err::kTypeMismatch);
    return CastObject<host::StdFont>(vValue);
}

}  // namespace

// The value of a saved property as the bag holds it.
Variant ColorListBox::SavedValue(SavedKey eKey) const {
    switch (eKey) {
        case SavedKey::FrameStyle:
            return Variant(Long{m_looks.m_eFrameStyle});
        case SavedKey::MultiSelect:
            return Variant(Long{m_model.MultiSelect()});
        case SavedKey::BackColor:
            return Variant(static_cast<Long>(m_looks.m_clrBackColor));
        case SavedKey::SelBackColor:
            return Variant(static_cast<Long>(m_looks.m_clrSelBackColor));
        case SavedKey::SelBackStyle:
            return Variant(Long{m_looks.m_eSelBackStyle});
        case SavedKey::Style:
            return Variant(Long{m_model.Style()});
        case SavedKey::BackPicture:
            return Variant(ObjectRef(m_looks.m_oBackPicture));
        case SavedKey::BackStyle:
            return Variant(Long{m_looks.m_eBackStyle});
        case SavedKey::AlternateBackColor:
            return Variant(static_cast<Long>(m_looks.m_clrAlternateBackColor));
        case SavedKey::ForeColor:
            return Variant(static_cast<Long>(m_looks.m_clrForeColor));
        case SavedKey::SelForeColor:
            return Variant(static_cast<Long>(m_looks.m_clrSelForeColor));
        case SavedKey::Font:
            return Variant(ObjectRef(m_userControl.Font()));
        case SavedKey::Enabled:
            return Variant(m_userControl.Enabled());
        case SavedKey::CheckBoxImage:
            return Variant(Long{m_looks.m_eCheckBoxImage});
        case SavedKey::ShowImage:
            return Variant(m_looks.m_bShowImage);
        case SavedKey::MaxCheck:
            return Variant(m_model.MaxCheck());
        case SavedKey::CheckImageIndex:
            return Variant(m_looks.m_nCheckImageIndex);
        case SavedKey::NoCheckImageIndex:
            return Variant(m_looks.m_nNoCheckImageIndex);
    }
    return Variant();
}

// Stores a value as it comes: no range check, no colour resolution, no notification. A
// value that does not convert raises type mismatch (13) and stores nothing.
void ColorListBox::StoreSavedValue(SavedKey eKey, const Variant& vValue) {
    const auto color = [&] { return static_cast<OLE_COLOR>(CLng(vValue)); };
    switch (eKey) {
        case SavedKey::FrameStyle:
            m_looks.m_eFrameStyle = enmFrameStyle(CLng(vValue));
            break;
        case SavedKey::MultiSelect:
            m_model.LoadMultiSelect(enmMultiSelect(CLng(vValue)));
            break;
        case SavedKey::BackColor:
            m_looks.m_clrBackColor = color();
            break;
        case SavedKey::SelBackColor:
            m_looks.m_clrSelBackColor = color();
            break;
        case SavedKey::SelBackStyle:
            m_looks.m_eSelBackStyle = enmSelBackStyle(CLng(vValue));
            break;
        case SavedKey::Style:
            m_model.LoadStyle(enmStyle(CLng(vValue)));
            break;
        case SavedKey::BackPicture:
            m_looks.m_oBackPicture = CastObject<host::IPicture>(vValue);
            break;
        case SavedKey::BackStyle:
            m_looks.m_eBackStyle = enmBackStyle(CLng(vValue));
            break;
        case SavedKey::AlternateBackColor:
            m_looks.m_clrAlternateBackColor = color();
            break;
        case SavedKey::ForeColor:
            m_looks.m_clrForeColor = color();
            break;
        case SavedKey::SelForeColor:
            m_looks.m_clrSelForeColor = color();
            break;
        case SavedKey::Font:
            m_userControl.SetFont(CastFont(vValue));
            break;
        case SavedKey::Enabled:
            m_userControl.SetEnabled(CBool(vValue));
            break;
        case SavedKey::CheckBoxImage:
            m_looks.m_eCheckBoxImage = enmCheckBoxImage(CLng(vValue));
            break;
        case SavedKey::ShowImage:
            m_looks.m_bShowImage = CBool(vValue);
            break;
        case SavedKey::MaxCheck:
            m_model.LoadMaxCheck(CLng(vValue));
            break;
        case SavedKey::CheckImageIndex:
            m_looks.m_nCheckImageIndex = CLng(vValue);
            break;
        case SavedKey::NoCheckImageIndex:
            m_looks.m_nNoCheckImageIndex = CLng(vValue);
            break;
    }
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
            StoreSavedValue(property.eKey,
                            bPicture ? Variant::Nothing() : Variant(InitialValue(property)));
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
        StoreSavedValue(property.eKey,
                        propBag.ReadProperty(property.sName, SavedDefaultOf(property)));
    ApplyFrameStyle();
    UpdateItemHeight();
}

// Every value is written with its default, in the order the reader reads them.
void ColorListBox::UserControl_WriteProperties(host::IPropertyBag& propBag) {
    for (const SavedProperty& property : kSavedProperties)
        propBag.WriteProperty(property.sName, SavedValue(property.eKey), SavedDefaultOf(property));
}

}  // namespace qv
