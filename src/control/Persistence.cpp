// The control's saved properties: the values a new control starts with.
#include "control/ColorListBox.h"
#include "platform/HostError.h"
#include "properties/ChangeRoutines.h"

namespace qv {

namespace {
constexpr OLE_COLOR kWhite = 0xFFFFFF;
constexpr OLE_COLOR kBlack = 0x000000;
constexpr OLE_COLOR kActiveCaptionColor = 0x80000002;
constexpr OLE_COLOR kButtonFaceColor = 0x8000000F;
}  // namespace

// No setter runs: nothing is validated, the host is told of no change and no redraw is
// asked for (the host paints the new control when it shows it).
void ColorListBox::UserControl_InitProperties() {
    m_eFrameStyle = fsSunken;
    m_clrBackColor = ResolveSystemColor(kWhite);
    m_clrSelBackColor = ResolveSystemColor(kActiveCaptionColor);
    m_eSelBackStyle = sbFill;
    m_eStyle = lsNormal;
    m_eMultiSelect = msSingle;
    m_oBackPicture.reset();
    m_clrForeColor = ResolveSystemColor(kBlack);
    m_clrSelForeColor = ResolveSystemColor(kWhite);
    m_eBackStyle = bsNormal;
    m_clrAlternateBackColor = ResolveSystemColor(kButtonFaceColor);
    m_eCheckBoxImage = ciCheck;
    m_userControl.SetFont(m_userControl.Ambient().Font());
    m_hImageList = 0;
    m_nListIndex = -1;
    m_hCheckBoxImageList = 0;
    m_bShowImage = VbTrue;
    m_nMaxCheck = 0;
    m_nCheckImageIndex = 0;
    m_nNoCheckImageIndex = 0;
    ApplyFrameStyle();
    UpdateItemHeight();
}

}  // namespace qv

namespace qv {

namespace {

constexpr Long kDefaultFrameStyle = fsSunken;

Variant ColorValue(OLE_COLOR clrValue) {
    return Variant(static_cast<Long>(clrValue));
}

OLE_COLOR ReadColor(host::IPropertyBag& propBag, std::string_view sKey, OLE_COLOR clrDefault) {
    return static_cast<OLE_COLOR>(CLng(propBag.ReadProperty(sKey, ColorValue(clrDefault))));
}

template <typename TEnum>
void ReadEnum(host::IPropertyBag& propBag, std::string_view sKey, Long nDefault, TEnum& eMember) {
    eMember = static_cast<TEnum>(CLng(propBag.ReadProperty(sKey, Variant(nDefault))));
}

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

Variant ObjectValue(ObjectRef oObject) {
    return Variant(std::move(oObject));
}

}  // namespace

// Values are stored as they are read: no range check, no colour resolution and no
// notification. A value that does not convert stops the reading at its key; what was
// read before it stays.
void ColorListBox::UserControl_ReadProperties(host::IPropertyBag& propBag) {
    ReadEnum(propBag, "FrameStyle", kDefaultFrameStyle, m_eFrameStyle);
    ReadEnum(propBag, "MultiSelect", msSingle, m_eMultiSelect);
    m_clrBackColor = ReadColor(propBag, "BackColor", kWhite);
    m_clrSelBackColor = ReadColor(propBag, "SelBackColor", kActiveCaptionColor);
    ReadEnum(propBag, "SelBackStyle", sbFill, m_eSelBackStyle);
    ReadEnum(propBag, "Style", lsNormal, m_eStyle);
    m_oBackPicture =
        CastObject<host::IPicture>(propBag.ReadProperty("BackPicture", Variant::Nothing()));
    ReadEnum(propBag, "BackStyle", bsNormal, m_eBackStyle);
    m_clrAlternateBackColor = ReadColor(propBag, "AlternateBackColor", kButtonFaceColor);
    m_clrForeColor = ReadColor(propBag, "ForeColor", kBlack);
    m_clrSelForeColor = ReadColor(propBag, "SelForeColor", kWhite);
    const Variant vAmbientFont = ObjectValue(m_userControl.Ambient().Font());
    m_userControl.SetFont(CastFont(propBag.ReadProperty("Font", vAmbientFont)));
    m_userControl.SetEnabled(CBool(propBag.ReadProperty("Enabled", VbTrue)));
    ReadEnum(propBag, "CheckBoxImage", ciCheck, m_eCheckBoxImage);
    m_nListIndex = -1;
    m_bShowImage = CBool(propBag.ReadProperty("ShowImage", VbTrue));
    const Variant vZero(Integer{0});
    m_nMaxCheck = CLng(propBag.ReadProperty("MaxCheck", vZero));
    m_nCheckImageIndex = CLng(propBag.ReadProperty("CheckImageIndex", vZero));
    m_nNoCheckImageIndex = CLng(propBag.ReadProperty("NoCheckImageIndex", vZero));
    ApplyFrameStyle();
    UpdateItemHeight();
}

// Every value is written with its default, in the order the reader reads them.
void ColorListBox::UserControl_WriteProperties(host::IPropertyBag& propBag) {
    const auto WriteLong = [&](std::string_view sKey, Long nValue, const Variant& vDefault) {
        propBag.WriteProperty(sKey, Variant(nValue), vDefault);
    };
    const auto WriteColor = [&](std::string_view sKey, OLE_COLOR clrValue, OLE_COLOR clrDefault) {
        propBag.WriteProperty(sKey, ColorValue(clrValue), ColorValue(clrDefault));
    };
    const Variant vZero(Integer{0});
    WriteLong("FrameStyle", m_eFrameStyle, Long{kDefaultFrameStyle});
    WriteLong("MultiSelect", m_eMultiSelect, Long{msSingle});
    WriteColor("BackColor", m_clrBackColor, kWhite);
    WriteColor("SelBackColor", m_clrSelBackColor, kActiveCaptionColor);
    WriteLong("SelBackStyle", m_eSelBackStyle, Long{sbFill});
    WriteLong("Style", m_eStyle, Long{lsNormal});
    propBag.WriteProperty("BackPicture", ObjectValue(m_oBackPicture), Variant::Nothing());
    WriteLong("BackStyle", m_eBackStyle, Long{bsNormal});
    WriteColor("AlternateBackColor", m_clrAlternateBackColor, kButtonFaceColor);
    WriteColor("ForeColor", m_clrForeColor, kBlack);
    WriteColor("SelForeColor", m_clrSelForeColor, kWhite);
    propBag.WriteProperty("Font", ObjectValue(m_userControl.Font()),
                          ObjectValue(m_userControl.Ambient().Font()));
    propBag.WriteProperty("Enabled", m_userControl.Enabled(), VbTrue);
    WriteLong("CheckBoxImage", m_eCheckBoxImage, Long{ciCheck});
    propBag.WriteProperty("ShowImage", m_bShowImage, VbTrue);
    WriteLong("MaxCheck", m_nMaxCheck, vZero);
    WriteLong("CheckImageIndex", m_nCheckImageIndex, vZero);
    WriteLong("NoCheckImageIndex", m_nNoCheckImageIndex, vZero);
}

}  // namespace qv
