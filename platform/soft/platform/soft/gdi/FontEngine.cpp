#include "platform/soft/gdi/FontEngine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdlib>

namespace qv::soft {

namespace {

// The slant of made-up italics: x moves right by a fifth of the height above the baseline.
constexpr FT_Fixed kSlant = 0x3333;
constexpr std::size_t kMaxKeptGlyphs = 8192;

int ScaleRounded(std::int64_t nUnits, int nEm, int nUnitsPerEm) {
    const std::int64_t nScaled = nUnits * nEm;
    const std::int64_t nHalf = nUnitsPerEm / 2;
    return static_cast<int>(nScaled >= 0 ? (nScaled + nHalf) / nUnitsPerEm
                                         : -((-nScaled + nHalf) / nUnitsPerEm));
}

const TT_OS2* Os2Of(FT_Face pFace) {
    const auto* pOs2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(pFace, FT_SFNT_OS2));
    return pOs2 && pOs2->version != 0xFFFF ? pOs2 : nullptr;
}

// Ascent and descent in font units, from the face's Windows metrics as GDI's cell is.
std::pair<std::int64_t, std::int64_t> CellUnits(FT_Face pFace) {
    if (const TT_OS2* pOs2 = Os2Of(pFace)) return {pOs2->usWinAscent, pOs2->usWinDescent};
    return {pFace->ascender, -pFace->descender};
}

// A negative height is the character height (the em), a positive one the cell height.
int EmOf(int nHeight, FT_Face pFace) {
    std::int64_t nEm = FontEngine::kDefaultEm;
    if (nHeight < 0) {
        nEm = -std::int64_t{nHeight};
    } else if (nHeight > 0) {
        nEm = nHeight;
        const auto [nAscent, nDescent] =
            pFace ? CellUnits(pFace) : std::pair<std::int64_t, std::int64_t>{};
        if (nAscent + nDescent > 0)
            nEm = (std::int64_t{nHeight} * pFace->units_per_EM * 2 + nAscent + nDescent) /
                  (2 * (nAscent + nDescent));
    }
    return static_cast<int>(std::clamp<std::int64_t>(nEm, 1, FontEngine::kMaxEm));
}

FontMetrics MetricsOf(FT_Face pFace, int nEm) {
    FontMetrics metrics;
    if (!pFace) {
        metrics.nAscent = nEm - nEm / 6;
        metrics.nDescent = nEm / 6;
        return metrics;
    }
    const int nUnits = std::max<int>(pFace->units_per_EM, 1);
    const TT_OS2* pOs2 = Os2Of(pFace);
    const bool bHasOs2 = pOs2 != nullptr;
    const auto [nAscent, nDescent] = CellUnits(pFace);
    metrics.nAscent = ScaleRounded(nAscent, nEm, nUnits);
    metrics.nDescent = ScaleRounded(nDescent, nEm, nUnits);
    metrics.nUnderlineThickness =
        std::max(1, ScaleRounded(pFace->underline_thickness, nEm, nUnits));
    metrics.nUnderlineTop = std::clamp(ScaleRounded(-pFace->underline_position, nEm, nUnits), 1,
                                       std::max(1, metrics.nDescent - metrics.nUnderlineThickness));
    const std::int64_t nStrikePosition = bHasOs2 ? pOs2->yStrikeoutPosition : nUnits * 3 / 10;
    const std::int64_t nStrikeSize = bHasOs2 ? pOs2->yStrikeoutSize : pFace->underline_thickness;
    metrics.nStrikeOutThickness = std::max(1, ScaleRounded(nStrikeSize, nEm, nUnits));
    metrics.nStrikeOutTop = -ScaleRounded(nStrikePosition, nEm, nUnits);
    return metrics;
}

void CopyInk(const FT_Bitmap& bitmap, Glyph& glyph) {
    glyph.nWidth = static_cast<int>(bitmap.width);
    glyph.nHeight = static_cast<int>(bitmap.rows);
    glyph.aInk.assign(static_cast<std::size_t>(glyph.nWidth) * glyph.nHeight, 0);
    for (int nY = 0; nY < glyph.nHeight; ++nY) {
        const unsigned char* pRow = bitmap.buffer + static_cast<std::ptrdiff_t>(nY) * bitmap.pitch;
        for (int nX = 0; nX < glyph.nWidth; ++nX) {
            const bool bInk = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                  ? (pRow[nX >> 3] >> (7 - (nX & 7))) & 1
                                  : pRow[nX] >= 128;
            glyph.aInk[static_cast<std::size_t>(nY) * glyph.nWidth + nX] = bInk ? 1 : 0;
        }
    }
}

// Made-up bold, as classic GDI does it: the glyph drawn again one pixel to the right.
void Embolden(Glyph& glyph) {
    const int nWidth = glyph.nWidth + 1;
    std::vector<std::uint8_t> aInk(static_cast<std::size_t>(nWidth) * glyph.nHeight, 0);
    for (int nY = 0; nY < glyph.nHeight; ++nY) {
        for (int nX = 0; nX < glyph.nWidth; ++nX) {
            if (!glyph.aInk[static_cast<std::size_t>(nY) * glyph.nWidth + nX]) continue;
            aInk[static_cast<std::size_t>(nY) * nWidth + nX] = 1;
            aInk[static_cast<std::size_t>(nY) * nWidth + nX + 1] = 1;
        }
    }
    glyph.aInk = std::move(aInk);
    glyph.nWidth = nWidth;
    ++glyph.nAdvance;
}

std::string FaceKey(const FaceChoice& choice) {
    return choice.sPath + "#" + std::to_string(choice.nIndex);
}

}  // namespace

RealizedFont::RealizedFont(const Setup& setup)
    : m_setup(setup), m_metrics(MetricsOf(setup.pFace, setup.nEm)) {}

const Glyph& RealizedFont::GlyphOf(char32_t cCode) const {
    const bool bDirect = cCode < kDirectCodes;
    if (bDirect && m_aDirectGlyphs[cCode]) return *m_aDirectGlyphs[cCode];
    auto it = m_glyphs.find(cCode);
    if (it != m_glyphs.end()) return it->second;
    if (m_glyphs.size() >= kMaxKeptGlyphs) {
        m_glyphs.clear();
        m_aDirectGlyphs.fill(nullptr);
    }
    FT_Face pFace = m_setup.pFace;
    unsigned nIndex = pFace ? FT_Get_Char_Index(pFace, cCode) : 0;
    if (nIndex == 0 && m_setup.pFallback) {
        if (const unsigned nFallbackIndex = FT_Get_Char_Index(m_setup.pFallback, cCode)) {
            pFace = m_setup.pFallback;
            nIndex = nFallbackIndex;
        }
    }
    const Glyph& glyph = m_glyphs.emplace(cCode, Render(pFace, nIndex)).first->second;
    if (bDirect) m_aDirectGlyphs[cCode] = &glyph;  // elements of the map never move
    return glyph;
}

Glyph RealizedFont::Render(FT_Face pFace, unsigned nGlyphIndex) const {
    Glyph glyph;
    if (!pFace || FT_Set_Pixel_Sizes(pFace, 0, static_cast<FT_UInt>(m_setup.nEm)) != 0)
        return glyph;
    const FT_Int32 nFlags = FT_LOAD_TARGET_MONO | (m_setup.bSlant ? FT_LOAD_NO_BITMAP : 0);
    if (FT_Load_Glyph(pFace, nGlyphIndex, nFlags) != 0) return glyph;
    FT_GlyphSlot pSlot = pFace->glyph;
    if (m_setup.bSlant && pSlot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_Matrix shear{0x10000, kSlant, 0, 0x10000};
        FT_Outline_Transform(&pSlot->outline, &shear);
    }
    if (pSlot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(pSlot, FT_RENDER_MODE_MONO) != 0)
        return glyph;
    CopyInk(pSlot->bitmap, glyph);
    glyph.nLeft = pSlot->bitmap_left;
    glyph.nTop = pSlot->bitmap_top;
    glyph.nAdvance = static_cast<int>((pSlot->advance.x + 32) >> 6);
    if (m_setup.bEmbolden) Embolden(glyph);
    return glyph;
}

FontEngine::FontEngine() {
    if (FT_Init_FreeType(&m_pLibrary) != 0) m_pLibrary = nullptr;
}

FontEngine::~FontEngine() {
    m_fonts.clear();
    for (auto& [sKey, pFace] : m_faces)
        if (pFace) FT_Done_Face(pFace);
    if (m_pLibrary) FT_Done_FreeType(m_pLibrary);
    ReleaseFaceMatching();
}

FT_Face FontEngine::OpenFace(const FaceChoice& choice) {
    const std::string sKey = FaceKey(choice);
    auto it = m_faces.find(sKey);
    if (it != m_faces.end()) return it->second;
    FT_Face pFace = nullptr;
    if (!m_pLibrary || FT_New_Face(m_pLibrary, choice.sPath.c_str(), choice.nIndex, &pFace) != 0)
        pFace = nullptr;
    m_faces.emplace(sKey, pFace);
    return pFace;
}

FT_Face FontEngine::FallbackFontFace() {
    if (!m_bFallbackLooked) {
        m_bFallbackLooked = true;
        if (const std::optional<FaceChoice> fallback = FallbackFace())
            m_pFallbackFace = OpenFace(*fallback);
    }
    return m_pFallbackFace;
}

const std::optional<FaceChoice>& FontEngine::Choose(const FontRequest& request) {
    const bool bBold = request.nWeight >= 600;
    const std::string sKey =
        request.sFace + "|" + std::to_string(bBold) + "|" + std::to_string(request.nCharSet);
    auto it = m_choices.find(sKey);
    if (it == m_choices.end())
        it = m_choices.emplace(sKey, ChooseFace(request.sFace, bBold, request.nCharSet)).first;
    return it->second;
}

std::shared_ptr<const RealizedFont> FontEngine::Realize(const FontRequest& request) {
    RealizedFont::Setup setup;
    const std::optional<FaceChoice>& choice = Choose(request);
    if (choice) setup.pFace = OpenFace(*choice);
    setup.pFallback = FallbackFontFace();
    if (setup.pFallback == setup.pFace) setup.pFallback = nullptr;
    setup.bEmbolden = request.nWeight >= 600 && !(choice && choice->bBold);
    setup.bSlant = request.bItalic;
    setup.nEm = EmOf(request.nHeight, setup.pFace);
    const std::string sKey = (choice ? FaceKey(*choice) : std::string("none")) + "|" +
                             std::to_string(setup.nEm) + "|" + std::to_string(setup.bEmbolden) +
                             std::to_string(setup.bSlant);
    auto it = m_fonts.find(sKey);
    if (it == m_fonts.end())
        it = m_fonts.emplace(sKey, std::make_shared<RealizedFont>(setup)).first;
    return it->second;
}

}  // namespace qv::soft
