#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Variant.h"

namespace qv {

class ColorListBox;

using DISPID = Long;

enum class InvokeKind { Method, PropertyGet, PropertyPut, PropertyPutRef };

// Kinds of members: a property with get and let, an object property with get and set,
// a read-only property, a method.
enum class MemberKind { Property, ObjectProperty, ReadOnly, Method };

// The declared type of a parameter or value. Variant takes any value as it is.
enum class ParamType { Integer, Long, Single, Double, String, Boolean, Variant, Object };

struct ParamInfo {
    std::string_view sName;
    ParamType eType = ParamType::Variant;
    bool bByRef = false;
    bool bOptional = false;
    Variant vDefault;  // of an optional parameter
};

// The arguments of one call, converted to the declared parameter types on the way in;
// by-reference parameters are written back when the member stores into them.
class Arguments {
  public:
    Arguments(const std::vector<ParamInfo>& params, std::vector<Variant>& values)
        : m_params(params), m_values(values) {}

    Long GetLong(std::size_t nIndex) const;
    Integer GetInteger(std::size_t nIndex) const;
    std::string GetString(std::size_t nIndex) const;
    Boolean GetBoolean(std::size_t nIndex) const;
    Variant GetVariant(std::size_t nIndex) const;

    // Stores the final value of a by-reference parameter, in its declared type.
    void SetByRef(std::size_t nIndex, const Variant& vValue);

  private:
    const Variant& ValueOrDefault(std::size_t nIndex) const;

    const std::vector<ParamInfo>& m_params;
    std::vector<Variant>& m_values;
};

using MemberGetter = std::function<Variant(ColorListBox&, Arguments&)>;
using MemberSetter = std::function<void(ColorListBox&, const Variant&)>;

struct MemberInfo {
    std::string_view sName;
    DISPID nDispId = 0;
    MemberKind eKind = MemberKind::Method;
    ParamType eValueType = ParamType::Variant;  // of a property, or a method's result
    bool bHasResult = false;                    // methods only
    std::vector<ParamInfo> params;              // methods only
    bool bBrowsable = true;
    std::string_view sHelp;
    std::string_view sTypeName;  // the declared type as the type library names it
    MemberGetter get;            // a property's get, or a method's call
    MemberSetter put;            // a property's let or set
};

// The members of one dispatch interface, in interface order, reachable by name (without
// regard to case) and by dispatch identifier.
class DispatchTable {
  public:
    explicit DispatchTable(std::vector<MemberInfo> members) : m_members(std::move(members)) {}

    const std::vector<MemberInfo>& Members() const { return m_members; }
    const MemberInfo* FindByName(std::string_view sName) const;
    const MemberInfo* FindById(DISPID nDispId) const;

  private:
    std::vector<MemberInfo> m_members;
};

// Invokes a member. A method's or property's value is returned (Empty for a method
// without result). Raises the host's errors: 438 for an unknown member or a request it
// does not support, 450 for a wrong number of arguments, 449 for a missing one, 383 for
// a let on a read-only property, and whatever the member or a conversion raises.
Variant Invoke(ColorListBox& control, const MemberInfo& member, InvokeKind eKind,
               std::vector<Variant>& args);
Variant InvokeByName(ColorListBox& control, const DispatchTable& table, std::string_view sName,
                     InvokeKind eKind, std::vector<Variant>& args);
Variant InvokeById(ColorListBox& control, const DispatchTable& table, DISPID nDispId,
                   InvokeKind eKind, std::vector<Variant>& args);

}  // namespace qv
