#include "platform/bagfile/Base64.h"

namespace qv::bagfile {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int ValueOf(char c) {
    const std::size_t nPos = kAlphabet.find(c);
    return nPos == std::string_view::npos ? -1 : static_cast<int>(nPos);
}

}  // namespace

std::string EncodeBase64(const std::vector<std::uint8_t>& aBytes) {
    std::string sText;
    sText.reserve((aBytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < aBytes.size(); i += 3) {
        const std::size_t nLeft = aBytes.size() - i;
        std::uint32_t nGroup = static_cast<std::uint32_t>(aBytes[i]) << 16;
        if (nLeft > 1) nGroup |= static_cast<std::uint32_t>(aBytes[i + 1]) << 8;
        if (nLeft > 2) nGroup |= aBytes[i + 2];
        sText += kAlphabet[(nGroup >> 18) & 63];
        sText += kAlphabet[(nGroup >> 12) & 63];
        sText += nLeft > 1 ? kAlphabet[(nGroup >> 6) & 63] : '=';
        sText += nLeft > 2 ? kAlphabet[nGroup & 63] : '=';
    }
    return sText;
}

std::optional<std::vector<std::uint8_t>> DecodeBase64(std::string_view sText) {
    if (sText.size() % 4 != 0) return std::nullopt;
    std::vector<std::uint8_t> aBytes;
    aBytes.reserve(sText.size() / 4 * 3);
    for (std::size_t i = 0; i < sText.size(); i += 4) {
        const bool bLast = i + 4 == sText.size();
        const int nPad = bLast ? (sText[i + 3] == '=') + (sText[i + 2] == '=') : 0;
        if (nPad == 1 && sText[i + 2] == '=') return std::nullopt;
        std::uint32_t nGroup = 0;
        for (int k = 0; k < 4 - nPad; ++k) {
            const int nValue = ValueOf(sText[i + k]);
            if (nValue < 0) return std::nullopt;
            nGroup |= static_cast<std::uint32_t>(nValue) << (18 - 6 * k);
        }
        aBytes.push_back(static_cast<std::uint8_t>(nGroup >> 16));
        if (nPad < 2) aBytes.push_back(static_cast<std::uint8_t>((nGroup >> 8) & 0xFF));
        if (nPad < 1) aBytes.push_back(static_cast<std::uint8_t>(nGroup & 0xFF));
    }
    return aBytes;
}

}  // namespace qv::bagfile
