#pragma once

#include <oaidl.h>

namespace qv::com {

// The type library embedded in this module, and its descriptions by GUID.
HRESULT LoadOwnTypeLib(ITypeLib** ppLib);
HRESULT LoadOwnTypeInfo(REFGUID guid, ITypeInfo** ppInfo);

// The identifiers of the type library data.
const GUID& LibraryId();
const GUID& ControlClassId();
const IID& ControlInterfaceId();
const IID& EventInterfaceId();

}  // namespace qv::com
