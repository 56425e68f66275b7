#include "platform/soft/gdi/TextDecode.h"

namespace qv::soft {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The number of bytes of the sequence a lead byte starts; 0 for a byte that starts none.
int SequenceLength(unsigned char nLead) {
    if (nLead < 0x80) return 1;
    if ((nLead & 0xE0) == 0xC0) return 2;
    if ((nLead & 0xF0) == 0xE0) return 3;
    if ((nLead & 0xF8) == 0xF0) return 4;
    return 0;
}

char32_t LeadBits(unsigned char nLead, int nLength) {
    constexpr unsigned char kMasks[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    return nLead & kMasks[nLength];
}

}  // namespace

std::u32string DecodeUtf8(std::string_view sText) {
    std::u32string sResult;
    sResult.reserve(sText.size());
    for (std::size_t nPos = 0; nPos < sText.size();) {
        const auto nLead = static_cast<unsigned char>(sText[nPos]);
        const int nLength = SequenceLength(nLead);
        bool bValid = nLength > 0 && nPos + nLength <= sText.size();
        char32_t cCode = bValid ? LeadBits(nLead, nLength) : 0;
        for (int i = 1; bValid && i < nLength; ++i) {
            const auto nByte = static_cast<unsigned char>(sText[nPos + i]);
            bValid = (nByte & 0xC0) == 0x80;
            cCode = (cCode << 6) | (nByte & 0x3F);
        }
        sResult.push_back(bValid ? cCode : kReplacement);
        nPos += bValid ? nLength : 1;
    }
    return sResult;
}

}  // namespace qv::soft
