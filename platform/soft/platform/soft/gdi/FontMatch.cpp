#include "platform/soft/gdi/FontMatch.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/TextCase.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/User.h"

namespace qv::soft {

namespace {

// Fixed-pitch Japanese faces map to IPA Gothic, proportional ones to IPA P Gothic.
constexpr std::string_view kJapaneseGothic = "IPAGothic";
constexpr std::string_view kJapanesePGothic = "IPAPGothic";
constexpr std::string_view kWesternSans = "DejaVu Sans";

struct Alias {
    std::string_view sFace;
    std::string_view sFamily;
};

constexpr std::array<Alias, 25> kAliases = {{
    {"MS UI Gothic", kJapanesePGothic},
    {"MS Gothic", kJapaneseGothic},
    {"MS PGothic", kJapanesePGothic},
    {"\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF", kJapaneseGothic},
    {"\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF",
     kJapanesePGothic},
    {"Meiryo", kJapanesePGothic},
    {"Meiryo UI", kJapanesePGothic},
    {"\xE3\x83\xA1\xE3\x82\xA4\xE3\x83\xAA\xE3\x82\xAA", kJapanesePGothic},
    {"Yu Gothic", kJapanesePGothic},
    {"Yu Gothic UI", kJapanesePGothic},
    {"IPA Gothic", kJapaneseGothic},
    {"IPAGothic", kJapaneseGothic},
    {"IPA P Gothic", kJapanesePGothic},
    {"IPAPGothic", kJapanesePGothic},
    {"MS Sans Serif", kWesternSans},
    {"MS Shell Dlg", kWesternSans},
    {"MS Shell Dlg 2", kWesternSans},
    {"Microsoft Sans Serif", kWesternSans},
    {"Arial", kWesternSans},
    {"Tahoma", kWesternSans},
    {"Segoe UI", kWesternSans},
    {"Verdana", kWesternSans},
    {"Helvetica", kWesternSans},
    {"System", kJapanesePGothic},
    {"DejaVu Sans", kWesternSans},
}};

struct FixedFile {
    std::string_view sFamily;
    bool bBold;
    std::string_view sPath;
};

// Where Debian's fonts-ipafont-gothic and fonts-dejavu-core put their files.
constexpr std::array<FixedFile, 4> kFixedFiles = {{
    {kJapaneseGothic, false, "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"},
    {kJapanesePGothic, false, "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"},
    {kWesternSans, false, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"},
    {kWesternSans, true, "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"},
}};

struct PatternDeleter {
    void operator()(FcPattern* pPattern) const { FcPatternDestroy(pPattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

bool HasFamily(FcPattern* pPattern, std::string_view sFamily) {
    FcChar8* pName = nullptr;
    for (int i = 0; FcPatternGetString(pPattern, FC_FAMILY, i, &pName) == FcResultMatch; ++i)
        if (EqualsIgnoringCase(reinterpret_cast<const char*>(pName), sFamily)) return true;
    return false;
}

int IntegerOf(FcPattern* pPattern, const char* pszObject, int nDefault) {
    int nValue = nDefault;
    FcPatternGetInteger(pPattern, pszObject, 0, &nValue);
    return nValue;
}

// fontconfig's best upright face of a family; nothing when its best match is another
// family, so that the choice never depends on which other fonts a machine has.
std::optional<FaceChoice> FindByFontconfig(std::string_view sFamily, bool bBold) {
    PatternPtr pPattern(FcPatternCreate());
    if (!pPattern) return std::nullopt;
    const std::string sName(sFamily);
    FcPatternAddString(pPattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(sName.c_str()));
    FcPatternAddInteger(pPattern.get(), FC_WEIGHT, bBold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pPattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddInteger(pPattern.get(), FC_WIDTH, FC_WIDTH_NORMAL);
    FcConfigSubstitute(nullptr, pPattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pPattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr pMatch(FcFontMatch(nullptr, pPattern.get(), &result));
    FcChar8* pFile = nullptr;
    if (!pMatch || !HasFamily(pMatch.get(), sFamily) ||
        IntegerOf(pMatch.get(), FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN ||
        FcPatternGetString(pMatch.get(), FC_FILE, 0, &pFile) != FcResultMatch)
        return std::nullopt;
    // fontconfig reports a regular file as bold when it would have it emboldened.
    FcBool bEmbolden = FcFalse;
    FcPatternGetBool(pMatch.get(), FC_EMBOLDEN, 0, &bEmbolden);
    const bool bBoldFile =
        IntegerOf(pMatch.get(), FC_WEIGHT, FC_WEIGHT_REGULAR) >= FC_WEIGHT_BOLD && !bEmbolden;
    return FaceChoice{reinterpret_cast<const char*>(pFile), IntegerOf(pMatch.get(), FC_INDEX, 0),
                      bBoldFile};
}

std::optional<FaceChoice> FindFixedFile(std::string_view sFamily, bool bBold) {
    for (bool bWantBold : {bBold, false}) {
        for (const FixedFile& file : kFixedFiles) {
            std::error_code error;
            if (EqualsIgnoringCase(file.sFamily, sFamily) && file.bBold == bWantBold &&
                std::filesystem::exists(file.sPath, error))
                return FaceChoice{std::string(file.sPath), 0, file.bBold};
        }
    }
    return std::nullopt;
}

std::optional<FaceChoice> FindFamily(std::string_view sFamily, bool bBold) {
    if (sFamily.empty()) return std::nullopt;
    if (auto choice = FindByFontconfig(sFamily, bBold)) return choice;
    return FindFixedFile(sFamily, bBold);
}

std::string_view DefaultFamily(unsigned nCharSet) {
    const bool bJapanese = nCharSet == win32::SHIFTJIS_CHARSET ||
                           (nCharSet == win32::DEFAULT_CHARSET && win32::GetACP() == 932);
    return bJapanese ? kJapanesePGothic : kWesternSans;
}

}  // namespace

std::string AliasFamily(const std::string& sFace) {
    for (const Alias& alias : kAliases)
        if (EqualsIgnoringCase(alias.sFace, sFace)) return std::string(alias.sFamily);
    return sFace;
}

std::optional<FaceChoice> ChooseFace(const std::string& sFace, bool bBold, unsigned nCharSet) {
    if (auto choice = FindFamily(AliasFamily(sFace), bBold)) return choice;
    if (auto choice = FindFamily(DefaultFamily(nCharSet), bBold)) return choice;
    return FindFamily(kJapanesePGothic, false);
}

std::optional<FaceChoice> FallbackFace() {
    return FindFamily(kJapanesePGothic, false);
}

void ReleaseFaceMatching() {
    FcFini();
}

}  // namespace qv::soft
