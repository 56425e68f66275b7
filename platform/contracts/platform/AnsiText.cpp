#include "platform/AnsiText.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace qv {

namespace {

// Code page 65001 is UTF-8 itself; glibc has no "CP65001".
constexpr unsigned kUtf8CodePage = 65001;
constexpr char kUnmappable = '?';
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

enum class Direction { kToAnsi, kToUtf8 };

bool IsAsciiByte(char c) {
    return (static_cast<unsigned char>(c) & 0x80) == 0;
}

// ANSI code pages are ASCII supersets, so ASCII text is the same in all of them.
bool IsAscii(std::string_view sText) {
    return std::all_of(sText.begin(), sText.end(), IsAsciiByte);
}

// Bytes that may follow a UTF-8 lead byte: how many, and the range of the first one
// (narrowed to exclude overlong forms, surrogates and values beyond U+10FFFF).
struct Utf8Lead {
    int nTrailing;
    unsigned char nFirstMin;
    unsigned char nFirstMax;
};

Utf8Lead LeadOf(unsigned char nByte) {
    if (nByte >= 0xC2 && nByte <= 0xDF) return {1, 0x80, 0xBF};
    if (nByte == 0xE0) return {2, 0xA0, 0xBF};
    if (nByte == 0xED) return {2, 0x80, 0x9F};
    if (nByte >= 0xE1 && nByte <= 0xEF) return {2, 0x80, 0xBF};
    if (nByte == 0xF0) return {3, 0x90, 0xBF};
    if (nByte >= 0xF1 && nByte <= 0xF3) return {3, 0x80, 0xBF};
    if (nByte == 0xF4) return {3, 0x80, 0x8F};
    return {0, 0, 0};
}

struct Utf8Step {
    size_t nLength;
    bool bValid;
};

// The character at the start of sText, or, when it is invalid, the longest start of a
// valid sequence (at least one byte): each such piece is one replaced character.
Utf8Step NextUtf8(std::string_view sText) {
    const auto nLeadByte = static_cast<unsigned char>(sText[0]);
    if (nLeadByte < 0x80) return {1, true};
    const Utf8Lead lead = LeadOf(nLeadByte);
    if (lead.nTrailing == 0) return {1, false};
    unsigned char nMin = lead.nFirstMin;
    unsigned char nMax = lead.nFirstMax;
    for (size_t i = 1; i <= static_cast<size_t>(lead.nTrailing); ++i) {
        if (i >= sText.size()) return {i, false};
        const auto nByte = static_cast<unsigned char>(sText[i]);
        if (nByte < nMin || nByte > nMax) return {i, false};
        nMin = 0x80;
        nMax = 0xBF;
    }
    return {static_cast<size_t>(lead.nTrailing) + 1, true};
}

size_t ValidUtf8Prefix(std::string_view sText) {
    size_t nPos = 0;
    while (nPos < sText.size()) {
        const Utf8Step step = NextUtf8(sText.substr(nPos));
        if (!step.bValid) break;
        nPos += step.nLength;
    }
    return nPos;
}

// One converter per code page and direction for the thread; a code page iconv does not
// know is remembered as kNoConverter so it is not looked up again.
class ConverterCache {
  public:
    ConverterCache() = default;
    ConverterCache(const ConverterCache&) = delete;
    ConverterCache& operator=(const ConverterCache&) = delete;
    ~ConverterCache() {
        for (const Entry& entry : m_entries)
            if (entry.m_converter != kNoConverter) iconv_close(entry.m_converter);
    }

    iconv_t Get(unsigned nCodePage, Direction direction) {
        for (const Entry& entry : m_entries)
            if (entry.m_nCodePage == nCodePage && entry.m_direction == direction)
                return entry.m_converter;
        const std::string sName = "CP" + std::to_string(nCodePage);
        const iconv_t converter = direction == Direction::kToAnsi
                                      ? iconv_open(sName.c_str(), "UTF-8")
                                      : iconv_open("UTF-8", sName.c_str());
        m_entries.push_back({nCodePage, direction, converter});
        return converter;
    }

  private:
    struct Entry {
        unsigned m_nCodePage;
        Direction m_direction;
        iconv_t m_converter;
    };
    std::vector<Entry> m_entries;
};

iconv_t ConverterFor(unsigned nCodePage, Direction direction) {
    thread_local ConverterCache cache;
    iconv_t converter = cache.Get(nCodePage, direction);
    if (converter != kNoConverter) iconv(converter, nullptr, nullptr, nullptr, nullptr);
    return converter;
}

// The result string, sized ahead and trimmed at the end, so a call allocates once unless
// a conversion turns out longer than estimated.
class Output {
  public:
    explicit Output(size_t nEstimate) { m_sText.resize(nEstimate); }

    void Put(std::string_view sBytes) {
        while (Room() < sBytes.size()) Grow();
        std::memcpy(Tail(), sBytes.data(), sBytes.size());
        m_nUsed += sBytes.size();
    }
    void Put(char c) { Put(std::string_view(&c, 1)); }

    // Converts as much of sInput as iconv takes; returns the bytes taken, and sets nError
    // to errno when iconv stopped early (0 when everything was converted).
    size_t Convert(iconv_t converter, std::string_view sInput, int& nError) {
        char* pInput = const_cast<char*>(sInput.data());
        size_t nInputLeft = sInput.size();
        for (;;) {
            char* pOutput = Tail();
            size_t nOutputLeft = Room();
            const size_t nResult = iconv(converter, &pInput, &nInputLeft, &pOutput, &nOutputLeft);
            m_nUsed = static_cast<size_t>(pOutput - m_sText.data());
            nError = nResult == static_cast<size_t>(-1) ? errno : 0;
            if (nError != E2BIG) break;
            Grow();
        }
        return sInput.size() - nInputLeft;
    }

    std::string Take() && {
        m_sText.resize(m_nUsed);
        return std::move(m_sText);
    }

  private:
    char* Tail() { return m_sText.data() + m_nUsed; }
    size_t Room() const { return m_sText.size() - m_nUsed; }
    void Grow() { m_sText.resize(std::max<size_t>(m_sText.size() * 2, 16)); }

    std::string m_sText;
    size_t m_nUsed = 0;
};

// Valid UTF-8 into the code page; each character iconv cannot map becomes '?'.
void PutMappable(std::string_view sValid, iconv_t converter, Output& output) {
    while (!sValid.empty()) {
        int nError = 0;
        sValid.remove_prefix(output.Convert(converter, sValid, nError));
        if (nError == 0 || sValid.empty()) return;
        output.Put(kUnmappable);
        sValid.remove_prefix(NextUtf8(sValid).nLength);
    }
}

void PutAsciiOnly(std::string_view sValid, Output& output) {
    while (!sValid.empty()) {
        const size_t nLength = NextUtf8(sValid).nLength;
        output.Put(nLength == 1 ? sValid[0] : kUnmappable);
        sValid.remove_prefix(nLength);
    }
}

void PutValidUtf8(std::string_view sValid, unsigned nCodePage, iconv_t converter, Output& output) {
    if (nCodePage == kUtf8CodePage)
        output.Put(sValid);
    else if (converter == kNoConverter)
        PutAsciiOnly(sValid, output);
    else
        PutMappable(sValid, converter, output);
}

// Hands runs of valid UTF-8 to putValid and writes sReplacement for each invalid piece.
template <typename PutValid>
void PutUtf8Pieces(std::string_view sText, std::string_view sReplacement, Output& output,
                   PutValid putValid) {
    while (!sText.empty()) {
        const size_t nValid = ValidUtf8Prefix(sText);
        putValid(sText.substr(0, nValid));
        sText.remove_prefix(nValid);
        if (sText.empty()) return;
        output.Put(sReplacement);
        sText.remove_prefix(NextUtf8(sText).nLength);
    }
}

// Code page text into UTF-8; each byte iconv cannot decode becomes U+FFFD.
void PutDecoded(std::string_view sAnsi, iconv_t converter, Output& output) {
    while (!sAnsi.empty()) {
        int nError = 0;
        sAnsi.remove_prefix(output.Convert(converter, sAnsi, nError));
        if (nError == 0 || sAnsi.empty()) return;
        output.Put(kReplacementCharacter);
        sAnsi.remove_prefix(1);
    }
}

void PutAsciiOrReplacement(std::string_view sAnsi, Output& output) {
    for (char c : sAnsi) {
        if (IsAsciiByte(c))
            output.Put(c);
        else
            output.Put(kReplacementCharacter);
    }
}

}  // namespace

// A code page iconv does not know keeps ASCII and turns every other character into '?'.
std::string Utf8ToAnsi(std::string_view sUtf8, unsigned nCodePage) {
    if (IsAscii(sUtf8)) return std::string(sUtf8);
    const iconv_t converter = ConverterFor(nCodePage, Direction::kToAnsi);
    Output output(sUtf8.size());
    PutUtf8Pieces(sUtf8, std::string_view(&kUnmappable, 1), output, [&](std::string_view sValid) {
        PutValidUtf8(sValid, nCodePage, converter, output);
    });
    return std::move(output).Take();
}

// A code page iconv does not know keeps ASCII and turns every other byte into U+FFFD.
std::string AnsiToUtf8(std::string_view sAnsi, unsigned nCodePage) {
    if (IsAscii(sAnsi)) return std::string(sAnsi);
    Output output(sAnsi.size() * kReplacementCharacter.size());
    if (nCodePage == kUtf8CodePage) {
        PutUtf8Pieces(sAnsi, kReplacementCharacter, output,
                      [&](std::string_view sValid) { output.Put(sValid); });
    } else if (const iconv_t converter = ConverterFor(nCodePage, Direction::kToUtf8);
               converter != kNoConverter) {
        PutDecoded(sAnsi, converter, output);
    } else {
        PutAsciiOrReplacement(sAnsi, output);
    }
    return std::move(output).Take();
}

}  // namespace qv

namespace qv {

bool IsKnownCodePage(unsigned nCodePage) {
    return nCodePage == kUtf8CodePage ||
           ConverterFor(nCodePage, Direction::kToAnsi) != kNoConverter;
}

}  // namespace qv
