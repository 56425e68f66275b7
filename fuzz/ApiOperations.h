#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace qv::fuzz {

// Reads small numbers from the fuzzer's bytes; past the end every read gives its lowest
// value, so any input decodes to a whole sequence.
class ByteReader {
  public:
    ByteReader(const std::uint8_t* pData, std::size_t nSize) : m_pData(pData), m_nSize(nSize) {}

    bool AtEnd() const { return m_nPos >= m_nSize; }
    std::uint8_t Byte() { return AtEnd() ? 0 : m_pData[m_nPos++]; }
    // A number in nLow..nHigh (at most 65536 values apart).
    int Between(int nLow, int nHigh);
    bool Flag() { return Byte() & 1; }

  private:
    const std::uint8_t* m_pData;
    std::size_t m_nSize;
    std::size_t m_nPos = 0;
};

// One step of a sequence: the script lines it runs (so that a failing sequence prints as
// a qvhost script), and whether the step is a forced paint after which no drawing object
// may be left over.
struct ApiStep {
    std::string sScript;
    bool bPaintCheck = false;
};

// The control every step acts on, created by the first command of a sequence.
inline constexpr const char* kControlName = "L";

// The line that puts the control on the form, its size taken from the input.
std::string DecodeCreation(ByteReader& reader);
// The next step, or nothing at the end of the input. nListCount keeps list operations
// near the items that exist; adds stop at a modest number of items.
std::optional<ApiStep> DecodeStep(ByteReader& reader, int nListCount);

}  // namespace qv::fuzz
