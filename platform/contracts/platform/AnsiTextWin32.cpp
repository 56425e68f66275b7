// Text in the system's ANSI code pages through the system's own converters, for the
// Windows build; the results follow the same rules as the iconv build: an invalid UTF-8
// piece or a character the code page cannot hold becomes '?', a byte that does not decode
// becomes U+FFFD.
#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/AnsiText.h"

namespace qv {

namespace {

constexpr unsigned kUtf8CodePage = 65001;
constexpr char kUnmappable = '?';
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool IsAsciiByte(char c) {
    return (static_cast<unsigned char>(c) & 0x80) == 0;
}

bool IsAscii(std::string_view sText) {
    return std::all_of(sText.begin(), sText.end(), IsAsciiByte);
}

// One UTF-8 piece: a whole character (bValid, nCodePoint) or the longest start of a valid
// sequence that is cut short (at least one byte).
struct Utf8Piece {
    size_t nLength;
    bool bValid;
    char32_t nCodePoint;
};

Utf8Piece NextPiece(std::string_view sText) {
    const auto nLead = static_cast<unsigned char>(sText[0]);
    if (nLead < 0x80) return {1, true, nLead};
    int nTrailing = 0;
    unsigned char nMin = 0x80, nMax = 0xBF;
    if (nLead >= 0xC2 && nLead <= 0xDF)
        nTrailing = 1;
    else if (nLead == 0xE0)
        nTrailing = 2, nMin = 0xA0;
    else if (nLead == 0xED)
        nTrailing = 2, nMax = 0x9F;
    else if (nLead >= 0xE1 && nLead <= 0xEF)
        nTrailing = 2;
    else if (nLead == 0xF0)
        nTrailing = 3, nMin = 0x90;
    else if (nLead >= 0xF1 && nLead <= 0xF3)
        nTrailing = 3;
    else if (nLead == 0xF4)
        nTrailing = 3, nMax = 0x8F;
    else
        return {1, false, 0};
    char32_t nCodePoint = nLead & (0x3F >> nTrailing);
    for (int i = 1; i <= nTrailing; ++i) {
        if (static_cast<size_t>(i) >= sText.size()) return {static_cast<size_t>(i), false, 0};
        const auto nByte = static_cast<unsigned char>(sText[i]);
        if (nByte < nMin || nByte > nMax) return {static_cast<size_t>(i), false, 0};
        nCodePoint = (nCodePoint << 6) | (nByte & 0x3F);
        nMin = 0x80, nMax = 0xBF;
    }
    return {static_cast<size_t>(nTrailing) + 1, true, nCodePoint};
}

// The system's tables give the unassigned bytes of single-byte code pages the C1 control
// characters (0x81 of code page 1252 is U+0081); no ANSI code page assigns those
// characters otherwise, so they count as unassigned in both directions, as with iconv.
bool IsC1Control(char32_t nCodePoint) {
    return nCodePoint >= 0x80 && nCodePoint <= 0x9F;
}

// One character of the BMP into the code page; false when the code page has no exact
// equivalent (no best-fit substitutes, as iconv has none).
bool PutMapped(wchar_t nChar, unsigned nCodePage, std::string& sOut) {
    if (IsC1Control(nChar)) return false;
    char szBytes[8];
    BOOL bUsedDefault = FALSE;
    const int nBytes = ::WideCharToMultiByte(nCodePage, WC_NO_BEST_FIT_CHARS, &nChar, 1, szBytes,
                                             sizeof szBytes, nullptr, &bUsedDefault);
    if (nBytes <= 0 || bUsedDefault) return false;
    sOut.append(szBytes, static_cast<size_t>(nBytes));
    return true;
}

void PutUtf8(char32_t nCodePoint, std::string& sOut) {
    if (nCodePoint < 0x80) {
        sOut += static_cast<char>(nCodePoint);
    } else if (nCodePoint < 0x800) {
        sOut += static_cast<char>(0xC0 | (nCodePoint >> 6));
        sOut += static_cast<char>(0x80 | (nCodePoint & 0x3F));
    } else if (nCodePoint < 0x10000) {
        sOut += static_cast<char>(0xE0 | (nCodePoint >> 12));
        sOut += static_cast<char>(0x80 | ((nCodePoint >> 6) & 0x3F));
        sOut += static_cast<char>(0x80 | (nCodePoint & 0x3F));
    } else {
        sOut += static_cast<char>(0xF0 | (nCodePoint >> 18));
        sOut += static_cast<char>(0x80 | ((nCodePoint >> 12) & 0x3F));
        sOut += static_cast<char>(0x80 | ((nCodePoint >> 6) & 0x3F));
        sOut += static_cast<char>(0x80 | (nCodePoint & 0x3F));
    }
}

bool IsSystemCodePage(unsigned nCodePage) {
    return nCodePage != kUtf8CodePage && ::IsValidCodePage(nCodePage);
}

// The length of the character at the start of sAnsi: two bytes after a lead byte of a
// double-byte code page, otherwise one.
size_t AnsiCharLength(std::string_view sAnsi, unsigned nCodePage) {
    const bool bLead =
        sAnsi.size() > 1 && ::IsDBCSLeadByteEx(nCodePage, static_cast<BYTE>(sAnsi[0]));
    return bLead ? 2 : 1;
}

// One code page character into UTF-8; false when it does not decode.
bool PutDecoded(std::string_view sChar, unsigned nCodePage, std::string& sOut) {
    wchar_t szWide[4];
    const int nWide = ::MultiByteToWideChar(nCodePage, MB_ERR_INVALID_CHARS, sChar.data(),
                                            static_cast<int>(sChar.size()), szWide, 4);
    if (nWide != 1 || IsC1Control(szWide[0])) return false;
    PutUtf8(szWide[0], sOut);
    return true;
}

}  // namespace

std::string Utf8ToAnsi(std::string_view sUtf8, unsigned nCodePage) {
    if (IsAscii(sUtf8)) return std::string(sUtf8);
    const bool bKnown = IsSystemCodePage(nCodePage);
    std::string sOut;
    sOut.reserve(sUtf8.size());
    while (!sUtf8.empty()) {
        const Utf8Piece piece = NextPiece(sUtf8);
        const std::string_view sPiece = sUtf8.substr(0, piece.nLength);
        sUtf8.remove_prefix(piece.nLength);
        if (piece.bValid && nCodePage == kUtf8CodePage)
            sOut += sPiece;
        else if (piece.bValid && piece.nCodePoint < 0x80)
            sOut += static_cast<char>(piece.nCodePoint);
        else if (!piece.bValid || !bKnown || piece.nCodePoint > 0xFFFF ||
                 !PutMapped(static_cast<wchar_t>(piece.nCodePoint), nCodePage, sOut))
            sOut += kUnmappable;
    }
    return sOut;
}

std::string AnsiToUtf8(std::string_view sAnsi, unsigned nCodePage) {
    if (IsAscii(sAnsi)) return std::string(sAnsi);
    const bool bKnown = IsSystemCodePage(nCodePage);
    std::string sOut;
    sOut.reserve(sAnsi.size() * 2);
    while (!sAnsi.empty()) {
        if (nCodePage == kUtf8CodePage) {
            const Utf8Piece piece = NextPiece(sAnsi);
            sOut += piece.bValid ? sAnsi.substr(0, piece.nLength) : kReplacementCharacter;
            sAnsi.remove_prefix(piece.nLength);
            continue;
        }
        const size_t nLength = bKnown ? AnsiCharLength(sAnsi, nCodePage) : 1;
        if (IsAsciiByte(sAnsi[0])) {
            sOut += sAnsi[0];
        } else if (!bKnown || !PutDecoded(sAnsi.substr(0, nLength), nCodePage, sOut)) {
            sOut += kReplacementCharacter;
            sAnsi.remove_prefix(1);
            continue;
        }
        sAnsi.remove_prefix(nLength);
    }
    return sOut;
}

bool IsKnownCodePage(unsigned nCodePage) {
    return nCodePage == kUtf8CodePage || ::IsValidCodePage(nCodePage);
}

}  // namespace qv
