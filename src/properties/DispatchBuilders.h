#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "properties/Dispatch.h"

// Short ways to write the entries of a dispatch table.
namespace qv::dispatch {

inline ParamInfo In(std::string_view sName, ParamType eType) {
    return {.sName = sName, .eType = eType};
}
inline ParamInfo ByRef(std::string_view sName, ParamType eType) {
    return {.sName = sName, .eType = eType, .bByRef = true};
}
inline ParamInfo Optional(std::string_view sName, ParamType eType, Variant vDefault) {
    return {.sName = sName, .eType = eType, .bOptional = true, .vDefault = std::move(vDefault)};
}

// A method without a result.
inline MemberInfo Method(std::string_view sName, DISPID nDispId, std::vector<ParamInfo> params,
                         MemberGetter call) {
    return {.sName = sName,
            .nDispId = nDispId,
            .eKind = MemberKind::Method,
            .params = std::move(params),
            .get = std::move(call)};
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
    return {.sName = sName,
            .nDispId = nDispId,
            .eKind = MemberKind::ReadOnly,
            .eValueType = eType,
            .get = std::move(get)};
}

// A property with get and let (or set, for an object property). sTypeName is the type
// the type library declares for it.
inline MemberInfo Property(std::string_view sName, DISPID nDispId, ParamType eType,
                           std::string_view sTypeName, MemberGetter get, MemberSetter put) {
    return {.sName = sName,
            .nDispId = nDispId,
            .eKind = eType == ParamType::Object ? MemberKind::ObjectProperty : MemberKind::Property,
            .eValueType = eType,
            .sTypeName = sTypeName,
            .get = std::move(get),
            .put = std::move(put)};
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
