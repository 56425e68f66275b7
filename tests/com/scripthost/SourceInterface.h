#pragma once

#include <oaidl.h>

#include <map>
#include <string>

namespace qv::scripthost {

// An object's default source interface: what a client connects to for its events, and the
// name of each event by dispatch identifier.
struct SourceInterface {
    IID iid{};
    std::map<::DISPID, std::wstring> eventNames;
};

// From the object's class information (IProvideClassInfo2, or the coclass's default
// source); a failure when the object describes no events.
HRESULT FindSourceInterface(IUnknown* pObject, SourceInterface& source);

}  // namespace qv::scripthost
