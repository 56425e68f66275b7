#include "com/server/TypeInfo.h"

#include "com/server/Module.h"
#include "dispatch/TypeLibrary.h"

namespace qv::com {

HRESULT LoadOwnTypeLib(ITypeLib** ppLib) {
    wchar_t szPath[MAX_PATH];
    if (!::GetModuleFileNameW(Module::Instance(), szPath, MAX_PATH)) return E_FAIL;
    return ::LoadTypeLibEx(szPath, REGKIND_NONE, ppLib);
}

HRESULT LoadOwnTypeInfo(REFGUID guid, ITypeInfo** ppInfo) {
    *ppInfo = nullptr;
    ITypeLib* pLib = nullptr;
    HRESULT hr = LoadOwnTypeLib(&pLib);
    if (FAILED(hr)) return hr;
    hr = pLib->GetTypeInfoOfGuid(guid, ppInfo);
    pLib->Release();
    return hr;
}

const GUID& LibraryId() {
    static const GUID guid = GuidFromText(ColorListBoxTypeLibrary().sGuid);
    return guid;
}

const GUID& ControlClassId() {
    static const GUID guid = GuidFromText(ColorListBoxTypeLibrary().classes.front().sGuid);
    return guid;
}

const IID& ControlInterfaceId() {
    static const IID iid = GuidFromText(ColorListBoxTypeLibrary().sInterfaceGuid);
    return iid;
}

const IID& EventInterfaceId() {
    static const IID iid = GuidFromText(ColorListBoxTypeLibrary().sEventsGuid);
    return iid;
}

}  // namespace qv::com
