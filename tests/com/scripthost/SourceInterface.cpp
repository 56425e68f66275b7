#include "SourceInterface.h"

#include <ocidl.h>
#include <olectl.h>

#include "../ComTestSupport.h"

namespace qv::scripthost {

using com::test::ComRef;

namespace {

constexpr int kDefaultSource = IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE;

// The interface the coclass marks as its default source.
HRESULT DefaultSourceOfClass(ITypeInfo* pClass, IID& iid) {
    TYPEATTR* pAttr = nullptr;
    HRESULT hr = pClass->GetTypeAttr(&pAttr);
    if (FAILED(hr)) return hr;
    const UINT nImplTypes = pAttr->cImplTypes;
    pClass->ReleaseTypeAttr(pAttr);
    for (UINT i = 0; i < nImplTypes; ++i) {
        INT nFlags = 0;
        HREFTYPE hRef = 0;
        ComRef<ITypeInfo> source;
        if (FAILED(pClass->GetImplTypeFlags(i, &nFlags)) ||
            (nFlags & kDefaultSource) != kDefaultSource)
            continue;
        if (FAILED(pClass->GetRefTypeOfImplType(i, &hRef)) ||
            FAILED(pClass->GetRefTypeInfo(hRef, source.Out())) ||
            FAILED(source->GetTypeAttr(&pAttr)))
            return E_FAIL;
        iid = pAttr->guid;
        source->ReleaseTypeAttr(pAttr);
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

HRESULT ReadEventNames(ITypeInfo* pSource, std::map<::DISPID, std::wstring>& names) {
    TYPEATTR* pAttr = nullptr;
    HRESULT hr = pSource->GetTypeAttr(&pAttr);
    if (FAILED(hr)) return hr;
    const UINT nFuncs = pAttr->cFuncs;
    pSource->ReleaseTypeAttr(pAttr);
    for (UINT i = 0; i < nFuncs; ++i) {
        FUNCDESC* pFunc = nullptr;
        if (FAILED(pSource->GetFuncDesc(i, &pFunc))) continue;
        BSTR sName = nullptr;
        UINT nNames = 0;
        if (SUCCEEDED(pSource->GetNames(pFunc->memid, &sName, 1, &nNames)) && nNames == 1)
            names[pFunc->memid] = sName;
        ::SysFreeString(sName);
        pSource->ReleaseFuncDesc(pFunc);
    }
    return names.empty() ? E_FAIL : S_OK;
}

}  // namespace

HRESULT FindSourceInterface(IUnknown* pObject, SourceInterface& source) {
    ComRef<IProvideClassInfo> provider;
    ComRef<ITypeInfo> classInfo;
    ComRef<ITypeLib> library;
    UINT nIndex = 0;
    HRESULT hr = pObject->QueryInterface(IID_IProvideClassInfo, provider.OutVoid());
    if (SUCCEEDED(hr)) hr = provider->GetClassInfo(classInfo.Out());
    if (FAILED(hr)) return hr;
    ComRef<IProvideClassInfo2> provider2;
    if (FAILED(pObject->QueryInterface(IID_IProvideClassInfo2, provider2.OutVoid())) ||
        FAILED(provider2->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source.iid))) {
        hr = DefaultSourceOfClass(classInfo.Get(), source.iid);
        if (FAILED(hr)) return hr;
    }
    ComRef<ITypeInfo> sourceInfo;
    hr = classInfo->GetContainingTypeLib(library.Out(), &nIndex);
    if (SUCCEEDED(hr)) hr = library->GetTypeInfoOfGuid(source.iid, sourceInfo.Out());
    if (FAILED(hr)) return hr;
    return ReadEventNames(sourceInfo.Get(), source.eventNames);
}

}  // namespace qv::scripthost
