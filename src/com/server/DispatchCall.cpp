#include "com/server/DispatchCall.h"

#include <cstring>

#include "com/server/VariantBridge.h"

namespace qv::com {

namespace {

constexpr Long kFacilityControl = 10;

bool IsMissing(const VARIANT& var) {
    return V_VT(&var) == VT_ERROR && V_ERROR(&var) == DISP_E_PARAMNOTFOUND;
}

::DISPID FindParameter(const MemberInfo& member, const std::string& sName) {
    for (size_t i = 0; i < member.params.size(); ++i) {
        if (::lstrcmpiA(std::string(member.params[i].sName).c_str(), sName.c_str()) == 0)
            return static_cast<::DISPID>(i);
    }
    return DISPID_UNKNOWN;
}

std::string NameText(LPOLESTR sName) {
    return sName ? Utf8FromBstr(sName, static_cast<int>(std::wcslen(sName))) : std::string();
}

}  // namespace

HRESULT LookUpNames(const DispatchTable& table, LPOLESTR* rgszNames, UINT cNames,
                    ::DISPID* rgDispId) {
    const MemberInfo* pMember = table.FindByName(NameText(rgszNames[0]));
    rgDispId[0] = pMember ? pMember->nDispId : DISPID_UNKNOWN;
    bool bAllKnown = pMember != nullptr;
    for (UINT i = 1; i < cNames; ++i) {
        rgDispId[i] = pMember ? FindParameter(*pMember, NameText(rgszNames[i])) : DISPID_UNKNOWN;
        bAllKnown = bAllKnown && rgDispId[i] != DISPID_UNKNOWN;
    }
    return bAllKnown ? S_OK : DISP_E_UNKNOWNNAME;
}

InvokeKind KindOfCall(const MemberInfo& member, WORD wFlags) {
    const bool bObject = member.eKind == MemberKind::ObjectProperty;
    if ((wFlags & DISPATCH_PROPERTYPUTREF) && (bObject || !(wFlags & DISPATCH_PROPERTYPUT)))
        return InvokeKind::PropertyPutRef;
    if (wFlags & DISPATCH_PROPERTYPUT) return InvokeKind::PropertyPut;
    if (wFlags & DISPATCH_METHOD) return InvokeKind::Method;
    return InvokeKind::PropertyGet;
}

bool NamedArgumentsFit(InvokeKind eKind, const DISPPARAMS& params) {
    const bool bPut = eKind == InvokeKind::PropertyPut || eKind == InvokeKind::PropertyPutRef;
    if (!bPut) return params.cNamedArgs == 0;
    return params.cNamedArgs == 0 ||
           (params.cNamedArgs == 1 && params.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT);
}

std::vector<Variant> PositionalArguments(const MemberInfo& member, const DISPPARAMS& params) {
    std::vector<Variant> args;
    size_t nPresent = 0;
    for (UINT i = 0; i < params.cArgs; ++i) {
        const VARIANT& var = params.rgvarg[params.cArgs - 1 - i];
        if (IsMissing(var)) {
            if (i >= member.params.size() || !member.params[i].bOptional)
                throw HostError(err::kArgumentNotOptional);
            args.push_back(member.params[i].vDefault);
        } else {
            args.push_back(FromVariant(var));
            nPresent = args.size();
        }
    }
    args.resize(nPresent);
    return args;
}

void WriteBackByRef(const MemberInfo& member, const std::vector<Variant>& args,
                    DISPPARAMS& params) {
    for (size_t i = 0; i < args.size() && i < member.params.size(); ++i) {
        if (!member.params[i].bByRef) continue;
        VARIANT& var = params.rgvarg[params.cArgs - 1 - i];
        if (FAILED(WriteByRef(args[i], var))) throw HostError(err::kTypeMismatch);
    }
}

HRESULT ErrorCode(Long nNumber) {
    return MAKE_HRESULT(SEVERITY_ERROR, kFacilityControl, nNumber & 0xFFFF);
}

HRESULT RaiseException(const HostError& error, EXCEPINFO* pExcepInfo) {
    if (!pExcepInfo) return ErrorCode(error.Number());
    *pExcepInfo = EXCEPINFO{};
    pExcepInfo->scode = ErrorCode(error.Number());
    pExcepInfo->bstrSource = BstrFromUtf8("QV_ColorListBox");
    pExcepInfo->bstrDescription = BstrFromUtf8(error.Text());
    return DISP_E_EXCEPTION;
}

}  // namespace qv::com
