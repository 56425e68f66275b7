#pragma once

#include "model/Enums.h"
#include "platform/host/Picture.h"

namespace qv {

// How the list looks: colours, background, selection look, frame and images. The control
// owns these values and changes them through its property setters; painting only reads
// them. Image lists are the host's handle values, 0 for none.
struct ListLooks {
    Long m_hImageList = 0;
    Long m_hCheckBoxImageList = 0;
    OLE_COLOR m_clrForeColor = 0;
    OLE_COLOR m_clrSelForeColor = 0;
    host::PictureRef m_oBackPicture;
    enmBackStyle m_eBackStyle = bsNormal;
    enmFrameStyle m_eFrameStyle = fsNone;
    OLE_COLOR m_clrBackColor = 0;
    OLE_COLOR m_clrSelBackColor = 0;
    enmSelBackStyle m_eSelBackStyle = sbFill;
    OLE_COLOR m_clrAlternateBackColor = 0;
    enmCheckBoxImage m_eCheckBoxImage = ciCheck;
    Boolean m_bShowImage = VbFalse;
    Long m_nCheckImageIndex = 0;
    Long m_nNoCheckImageIndex = 0;
};

}  // namespace qv
