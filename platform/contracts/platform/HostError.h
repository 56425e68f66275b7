#pragma once

#include <stdexcept>
#include <string>

#include "platform/Types.h"

namespace qv {

// Error numbers of the host runtime that this library raises or passes on.
namespace err {
inline constexpr Long kInvalidCall = 5;
inline constexpr Long kOverflow = 6;
inline constexpr Long kOutOfMemory = 7;
inline constexpr Long kSubscriptOutOfRange = 9;
inline constexpr Long kDivisionByZero = 11;
inline constexpr Long kTypeMismatch = 13;
inline constexpr Long kObjectNotSet = 91;
inline constexpr Long kReadOnlyProperty = 383;
inline constexpr Long kSetNotPermitted = 387;
inline constexpr Long kWriteOnlyProperty = 394;
inline constexpr Long kNoSuchMember = 438;
inline constexpr Long kArgumentNotOptional = 449;
inline constexpr Long kWrongArguments = 450;
}  // namespace err

// An error raised to the caller of a host operation: the host's error number with its
// standard text (or a text of the raiser's own).
class HostError : public std::runtime_error {
  public:
    explicit HostError(Long nNumber);
    HostError(Long nNumber, const std::string& sText);

    Long Number() const { return m_nNumber; }
    std::string Text() const { return what(); }

    // The host's standard text for an error number ("Overflow" for 6).
    static std::string StandardText(Long nNumber);

  private:
    Long m_nNumber;
};

}  // namespace qv
