#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "platform/Types.h"

namespace qv {

// Base of every object the host passes by reference (fonts, pictures, ...).
class HostObject {
  public:
    virtual ~HostObject() = default;
    virtual std::string_view TypeName() const = 0;
};
using ObjectRef = std::shared_ptr<HostObject>;

enum class VarType { Empty, Integer, Long, Single, Double, String, Boolean, Object };

// A tagged value of the dispatch interface. An Object variant holding no object is
// Nothing. Text is UTF-8.
class Variant {
  public:
    Variant() = default;
    Variant(Integer nValue) : m_value(nValue) {}
    Variant(Long nValue) : m_value(nValue) {}
    Variant(float fValue) : m_value(fValue) {}
    Variant(double dValue) : m_value(dValue) {}
    Variant(std::string sValue) : m_value(std::move(sValue)) {}
    Variant(const char* sValue) : m_value(std::string(sValue)) {}
    Variant(Boolean bValue) : m_value(bValue) {}
    Variant(ObjectRef oValue) : m_value(std::move(oValue)) {}
    Variant(bool) = delete;  // say VbTrue or VbFalse: a C++ bool has no 16-bit value

    static Variant Nothing() { return Variant(ObjectRef{}); }

    VarType Type() const { return static_cast<VarType>(m_value.index()); }
    bool IsEmpty() const { return Type() == VarType::Empty; }
    bool IsObject() const { return Type() == VarType::Object; }
    bool IsNothing() const { return IsObject() && !Object(); }

    // Direct access to the stored value; the type must match (checked by assertion).
    Integer IntegerValue() const { return std::get<Integer>(m_value); }
    Long LongValue() const { return std::get<Long>(m_value); }
    float SingleValue() const { return std::get<float>(m_value); }
    double DoubleValue() const { return std::get<double>(m_value); }
    const std::string& StringValue() const { return std::get<std::string>(m_value); }
    Boolean BooleanValue() const { return std::get<Boolean>(m_value); }
    const ObjectRef& Object() const { return std::get<ObjectRef>(m_value); }

    // Same type and same value (objects: the same object).
    friend bool operator==(const Variant&, const Variant&) = default;

  private:
    std::variant<std::monostate, Integer, Long, float, double, std::string, Boolean, ObjectRef>
        m_value;
};

// The host's conversions. Numeric text converts with surrounding blanks and a sign;
// fractions round half to even; an impossible conversion raises type mismatch (13), a
// value out of the target's range overflow (6).
Long CLng(const Variant& vValue);
Integer CInt(const Variant& vValue);
Boolean CBool(const Variant& vValue);
double CDbl(const Variant& vValue);
float CSng(const Variant& vValue);
std::string CStr(const Variant& vValue);

}  // namespace qv
