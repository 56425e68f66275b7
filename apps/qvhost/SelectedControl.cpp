#include "qvhost/SelectedControl.h"

#include "dispatch/ColorListBoxDispatch.h"

namespace qv::qvhost {

Variant SelectedControl::GetProperty(std::string_view sName) {
    std::vector<Variant> args;
    return InvokeByName(m_lookUp(), ColorListBoxDispatch(), sName, InvokeKind::PropertyGet, args);
}

void SelectedControl::LetProperty(std::string_view sName, const Variant& vValue) {
    std::vector<Variant> args = {vValue};
    const InvokeKind eKind =
        vValue.IsObject() ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut;
    InvokeByName(m_lookUp(), ColorListBoxDispatch(), sName, eKind, args);
}

}  // namespace qv::qvhost
