#pragma once

#include <oaidl.h>

#include <string>
#include <string_view>

#include "platform/Variant.h"

namespace qv::com {

// The system's standard font and picture objects as the host's, and back.

// An OLE font (IFont) becomes the host's font with the same attributes, an OLE picture
// (IPicture) a host picture over the same image, held by reference; anything else raises
// a type mismatch.
Variant HostObjectFromOle(IUnknown& object);

// The host's font or picture as an OLE object (IFontDisp, IPictureDisp) that the caller
// releases. A font or picture that came from an OLE object gives that object back while
// it still describes the same font or image; others get a new one.
IDispatch* OleObjectFromHost(const ObjectRef& oObject);

// A picture's image as the OLE picture saves it (its persisted form), and a picture made
// from such bytes; type mismatch (13) for bytes no picture loads from.
std::string SavePictureBytes(const ObjectRef& oPicture);
Variant LoadPictureBytes(std::string_view sBytes);

}  // namespace qv::com
