#pragma once

#include <cstdint>

namespace qv {

// Values of the dispatch interface.
using Long = std::int32_t;
using Integer = std::int16_t;
using OLE_COLOR = std::uint32_t;

// A 16-bit Boolean: True is -1 and False is 0, and any other 16-bit value is kept as it
// is (hosts may store such values, and they must read back unchanged).
class Boolean {
  public:
    constexpr Boolean() = default;
    constexpr explicit Boolean(Integer nValue) : m_nValue(nValue) {}
    static constexpr Boolean FromBool(bool b) { return Boolean(b ? Integer{-1} : Integer{0}); }

    constexpr Integer Value() const { return m_nValue; }
    constexpr bool IsTrue() const { return m_nValue != 0; }
    constexpr explicit operator bool() const { return IsTrue(); }
    friend constexpr bool operator==(Boolean, Boolean) = default;

  private:
    Integer m_nValue = 0;
};

inline constexpr Boolean VbTrue{-1};
inline constexpr Boolean VbFalse{0};

}  // namespace qv
