#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/soft/gdi/FontMatch.h"
#include "platform/soft/gdi/GdiObjects.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace qv::soft {

// One rasterised glyph: ink bytes (1 where a pixel is drawn), placed relative to the pen
// position on the baseline.
struct Glyph {
    int nLeft = 0;  // from the pen position to the first column
    int nTop = 0;   // from the baseline up to the first row
    int nWidth = 0;
    int nHeight = 0;
    int nAdvance = 0;
    std::vector<std::uint8_t> aInk;  // nWidth x nHeight, rows top to bottom
};

// Vertical metrics in pixels. Lines are given by their top row relative to the baseline
// (positive below it) and their thickness.
struct FontMetrics {
    int nAscent = 0;
    int nDescent = 0;
    int nUnderlineTop = 1;
    int nUnderlineThickness = 1;
    int nStrikeOutTop = 0;
    int nStrikeOutThickness = 1;
    int Height() const { return nAscent + nDescent; }
};

// A face at one pixel size, with bold and italic made up where the face has none.
// Glyphs are rendered without anti-aliasing on first use and kept.
class RealizedFont {
  public:
    struct Setup {
        FT_FaceRec_* pFace = nullptr;      // may be null: the font then draws nothing
        FT_FaceRec_* pFallback = nullptr;  // for characters the face does not have
        int nEm = 0;
        bool bEmbolden = false;
        bool bSlant = false;
    };
    explicit RealizedFont(const Setup& setup);
    RealizedFont(const RealizedFont&) = delete;  // it points into its own glyph map
    RealizedFont& operator=(const RealizedFont&) = delete;

    const FontMetrics& Metrics() const { return m_metrics; }
    // The glyph of a character; the reference holds until the next call.
    const Glyph& GlyphOf(char32_t cCode) const;

  private:
    Glyph Render(FT_FaceRec_* pFace, unsigned nGlyphIndex) const;

    Setup m_setup;
    FontMetrics m_metrics;
    mutable std::unordered_map<char32_t, Glyph> m_glyphs;
    // ASCII glyphs of m_glyphs, found without hashing: most text is ASCII.
    static constexpr char32_t kDirectCodes = 128;
    mutable std::array<const Glyph*, kDirectCodes> m_aDirectGlyphs{};
};

// FreeType and fontconfig for the drawing platform: faces by file, realized fonts by face
// and size, and face choices by requested name, all kept for reuse.
class FontEngine {
  public:
    // The character height a request of height 0 gets, and the largest one drawn.
    static constexpr int kDefaultEm = 12;
    static constexpr int kMaxEm = 1024;

    FontEngine();
    ~FontEngine();
    FontEngine(const FontEngine&) = delete;
    FontEngine& operator=(const FontEngine&) = delete;

    std::shared_ptr<const RealizedFont> Realize(const FontRequest& request);

  private:
    FT_FaceRec_* OpenFace(const FaceChoice& choice);
    FT_FaceRec_* FallbackFontFace();
    const std::optional<FaceChoice>& Choose(const FontRequest& request);

    FT_LibraryRec_* m_pLibrary = nullptr;
    std::map<std::string, FT_FaceRec_*> m_faces;  // by file path and index
    std::map<std::string, std::optional<FaceChoice>> m_choices;
    std::map<std::string, std::shared_ptr<const RealizedFont>> m_fonts;
    FT_FaceRec_* m_pFallbackFace = nullptr;
    bool m_bFallbackLooked = false;
};

}  // namespace qv::soft
