#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "dispatch/Dispatch.h"

// Short ways to write the entries of a dispatch table.
namespace qv::dispatch {

// The records are filled field by field: GCC 12 warns about every field that a designated
// initializer leaves to its default.
inline ParamInfo In(std::string_view sName, ParamType eType) {
    ParamInfo param;
    param.sName = sName;
    param.eType = eType;
    return param;
}
inline ParamInfo ByRef(std::string_view sName, ParamType eType) {
    ParamInfo param = In(sName, eType);
    param.bByRef = true;
    return param;
}
inline ParamInfo Optional(std::string_view sName, ParamType eType, Variant vDefault) {
    ParamInfo param = In(sName, eType);
    param.bOptional = true;
    param.vDefault = std::move(vDefault);
    return param;
}

// A method without a result.
inline MemberInfo Method(std::string_view sName, DISPID nDispId, std::vector<ParamInfo> params,
                         MemberGetter call) {
    MemberInfo member;
    member.sName = sName;
    member.nDispId = nDispId;
    member.eKind = MemberKind::Method;
    member.params = std::move(params);
    member.get = std::move(call);
    return member;
}

// A method with a result.
inline MemberInfo Function(std::string_view sName, DISPID nDispId, ParamType eResult,
                           std::vector<ParamInfo> params, MemberGetter call) {
    MemberInfo member = Method(sName, nDispId, std::move(params), std::move(call));
    member.eValueType = eResult;
    member.bHasResult = true;
    return member;
}

inline MemberInfo ReadOnly(std::string_view sName, DISPID nDispId, ParamType eType,
                           MemberGetter get) {
    MemberInfo member;
    member.sName = sName;
    member.nDispId = nDispId;
    member.eKind = MemberKind::ReadOnly;
    member.eValueType = eType;
    member.get = std::move(get);
    return member;
}

// A property with get and let (or set, for an object property). sTypeName is the type
// the type library declares for it.
inline MemberInfo Property(std::string_view sName, DISPID nDispId, ParamType eType,
                           std::string_view sTypeName, MemberGetter get, MemberSetter put) {
    MemberInfo member;
    member.sName = sName;
    member.nDispId = nDispId;
    member.eKind = eType == ParamType::Object ? MemberKind::ObjectProperty : MemberKind::Property;
    member.eValueType = eType;
    member.sTypeName = sTypeName;
    member.get = std::move(get);
    member.put = std::move(put);
    return member;
}

inline MemberInfo WithHelp(MemberInfo member, std::string_view sHelp) {
    member.sHelp = sHelp;
    return member;
}

inline MemberInfo Hidden(MemberInfo member) {
    member.bBrowsable = false;
    return member;
}

}  // namespace qv::dispatch
