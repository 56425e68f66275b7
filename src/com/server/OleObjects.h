#pragma once

#include <oaidl.h>

#include <functional>
#include <string>
#include <string_view>

#include "platform/Variant.h"
#include "platform/host/StdFont.h"

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

// An OLE font that stands for a host font, given or handed out, stays linked to it: when a
// client changes it (Font.Bold = True), the thread's subscriptions are asked in turn. The
// one whose font it is answers with the host font the OLE font stands for from then on
// (the same one with the new attributes, or a copy that has them); the others with
// nullptr. A change nobody answers for changes no host font.
class FontChangeSubscription {
  public:
    using Handler =
        std::function<host::FontRef(const host::FontRef& oFont, const host::StdFont& attributes)>;
    explicit FontChangeSubscription(Handler handler);
    ~FontChangeSubscription();
    FontChangeSubscription(const FontChangeSubscription&) = delete;
    FontChangeSubscription& operator=(const FontChangeSubscription&) = delete;

    host::FontRef Notify(const host::FontRef& oFont, const host::StdFont& attributes) const {
        return m_handler(oFont, attributes);
    }

  private:
    Handler m_handler;
};

// A picture's image as the OLE picture saves it (its persisted form), and a picture made
// from such bytes; type mismatch (13) for bytes no picture loads from.
std::string SavePictureBytes(const ObjectRef& oPicture);
Variant LoadPictureBytes(std::string_view sBytes);

}  // namespace qv::com
