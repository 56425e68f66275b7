// The control's saved properties: the values a new control starts with.
#include "control/ColorListBox.h"
#include "properties/mduComProperty.h"

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
