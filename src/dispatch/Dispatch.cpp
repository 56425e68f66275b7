#include "dispatch/Dispatch.h"

#include <algorithm>

#include "platform/HostError.h"
#include "platform/TextCase.h"

namespace qv {

namespace {

Variant ConvertTo(ParamType eType, const Variant& vValue) {
    switch (eType) {
        case ParamType::Integer:
            return CInt(vValue);
        case ParamType::Long:
            return CLng(vValue);
        case ParamType::Single:
            return CSng(vValue);
        case ParamType::Double:
            return CDbl(vValue);
        case ParamType::String:
            return CStr(vValue);
        case ParamType::Boolean:
            return CBool(vValue);
        case ParamType::Object:
            if (!vValue.IsObject()) throw HostError(err::kTypeMismatch);
            return vValue;
        case ParamType::Variant:
            break;
    }
    return vValue;
}

void CheckArgumentCount(const MemberInfo& member, std::size_t nCount) {
    const std::size_t nRequired = static_cast<std::size_t>(std::ranges::count_if(
        member.params, [](const ParamInfo& param) { return !param.bOptional; }));
    if (nCount > member.params.size()) throw HostError(err::kWrongArguments);
    if (nCount < nRequired) throw HostError(err::kArgumentNotOptional);
}

Variant CallMethod(ColorListBox& control, const MemberInfo& member, std::vector<Variant>& args) {
    CheckArgumentCount(member, args.size());
    Arguments arguments(member.params, args);
    Variant vResult = member.get(control, arguments);
    return member.bHasResult ? vResult : Variant();
}

Variant GetProperty(ColorListBox& control, const MemberInfo& member, std::vector<Variant>& args) {
    if (!args.empty()) throw HostError(err::kWrongArguments);
    Arguments arguments(member.params, args);
    return member.get(control, arguments);
}

void PutProperty(ColorListBox& control, const MemberInfo& member, InvokeKind eKind,
                 std::vector<Variant>& args) {
    if (member.eKind == MemberKind::ReadOnly) throw HostError(err::kReadOnlyProperty);
    if (args.size() != 1) throw HostError(err::kWrongArguments);
    const bool bIsSet = eKind == InvokeKind::PropertyPutRef;
    // A let of an object property, or a set of a value property, is an invalid assignment.
    if (bIsSet != (member.eKind == MemberKind::ObjectProperty))
        throw HostError(err::kWrongArguments);
    member.put(control, ConvertTo(member.eValueType, args.front()));
}

}  // namespace

const Variant& Arguments::ValueOrDefault(std::size_t nIndex) const {
    if (nIndex < m_values.size()) return m_values[nIndex];
    if (nIndex < m_params.size() && m_params[nIndex].bOptional) return m_params[nIndex].vDefault;
    throw HostError(err::kArgumentNotOptional);
}

Long Arguments::GetLong(std::size_t nIndex) const {
    return CLng(ValueOrDefault(nIndex));
}
Integer Arguments::GetInteger(std::size_t nIndex) const {
    return CInt(ValueOrDefault(nIndex));
}
std::string Arguments::GetString(std::size_t nIndex) const {
    return CStr(ValueOrDefault(nIndex));
}
Boolean Arguments::GetBoolean(std::size_t nIndex) const {
    return CBool(ValueOrDefault(nIndex));
}
Variant Arguments::GetVariant(std::size_t nIndex) const {
    return ValueOrDefault(nIndex);
}

void Arguments::SetByRef(std::size_t nIndex, const Variant& vValue) {
    if (nIndex >= m_values.size() || nIndex >= m_params.size()) return;
    m_values[nIndex] = ConvertTo(m_params[nIndex].eType, vValue);
}

const MemberInfo* DispatchTable::FindByName(std::string_view sName) const {
    auto it = std::ranges::find_if(m_members, [sName](const MemberInfo& member) {
        return EqualsIgnoringCase(member.sName, sName);
    });
    return it == m_members.end() ? nullptr : &*it;
}

const MemberInfo* DispatchTable::FindById(DISPID nDispId) const {
    auto it = std::ranges::find_if(
        m_members, [nDispId](const MemberInfo& member) { return member.nDispId == nDispId; });
    return it == m_members.end() ? nullptr : &*it;
}

// A get of a method calls it, and a call of a property gets it, as automation clients
// that pass both request flags expect.
Variant Invoke(ColorListBox& control, const MemberInfo& member, InvokeKind eKind,
               std::vector<Variant>& args) {
    const bool bIsMethod = member.eKind == MemberKind::Method;
    switch (eKind) {
        case InvokeKind::Method:
        case InvokeKind::PropertyGet:
            return bIsMethod ? CallMethod(control, member, args)
                             : GetProperty(control, member, args);
        case InvokeKind::PropertyPut:
        case InvokeKind::PropertyPutRef:
            if (bIsMethod) throw HostError(err::kNoSuchMember);
            PutProperty(control, member, eKind, args);
            return Variant();
    }
    return Variant();
}

Variant InvokeByName(ColorListBox& control, const DispatchTable& table, std::string_view sName,
                     InvokeKind eKind, std::vector<Variant>& args) {
    const MemberInfo* pMember = table.FindByName(sName);
    if (!pMember) throw HostError(err::kNoSuchMember);
    return Invoke(control, *pMember, eKind, args);
}

Variant InvokeById(ColorListBox& control, const DispatchTable& table, DISPID nDispId,
                   InvokeKind eKind, std::vector<Variant>& args) {
    const MemberInfo* pMember = table.FindById(nDispId);
    if (!pMember) throw HostError(err::kNoSuchMember);
    return Invoke(control, *pMember, eKind, args);
}

}  // namespace qv
