// Fonts and ANSI text output.
#include <algorithm>
#include <string>

#include "platform/AnsiText.h"
#include "platform/soft/gdi/GdiState.h"
#include "platform/soft/gdi/Raster.h"
#include "platform/soft/gdi/TextDecode.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/User.h"

namespace qv::win32 {

using soft::FontObject;
using soft::Glyph;
using soft::RealizedFont;

namespace {

constexpr int kMaxWeight = 1000;

const RealizedFont* SelectedFont(const soft::DeviceContext& dc) {
    FontObject* pFont = soft::Objects().Find<FontObject>(dc.hFont);
    if (!pFont) return nullptr;
    if (!pFont->pRealized)
        pFont->pRealized = soft::GdiState::Instance().Fonts().Realize(pFont->request);
    return pFont->pRealized.get();
}

// ASCII bytes are the same characters in every code page, so ASCII text, the common
// case, needs no conversion.
std::u32string CharactersOf(const char* pString, int nCount) {
    if (nCount <= 0) return {};
    const std::string_view sAnsi(pString, static_cast<std::size_t>(nCount));
    if (std::all_of(sAnsi.begin(), sAnsi.end(), [](char c) { return (c & 0x80) == 0; }))
        return std::u32string(sAnsi.begin(), sAnsi.end());
    return soft::DecodeUtf8(AnsiToUtf8(sAnsi, GetACP()));
}

std::int64_t AdvanceOf(const RealizedFont& font, const std::u32string& sText) {
    std::int64_t nWidth = 0;
    for (char32_t cCode : sText) nWidth += font.GlyphOf(cCode).nAdvance;
    return nWidth;
}

void DrawGlyph(const soft::Canvas& canvas, const Glyph& glyph, std::int64_t nX, std::int64_t nY,
               std::uint32_t nPixel) {
    const RECT rcDevice = canvas.ToDevice(nX, nY, nX + glyph.nWidth, nY + glyph.nHeight);
    if (soft::IsEmptyRect(rcDevice)) return;
    const std::int64_t nInkX = rcDevice.left - (nX + canvas.nOriginX);
    const std::int64_t nInkY = rcDevice.top - (nY + canvas.nOriginY);
    soft::PaintInk(*canvas.pSurface, rcDevice, glyph.aInk.data() + nInkY * glyph.nWidth + nInkX,
                   glyph.nWidth, nPixel);
}

void FillLogical(const soft::Canvas& canvas, std::int64_t nLeft, std::int64_t nTop,
                 std::int64_t nRight, std::int64_t nBottom, std::uint32_t nPixel) {
    const RECT rcDevice = canvas.ToDevice(nLeft, nTop, nRight, nBottom);
    if (!soft::IsEmptyRect(rcDevice)) soft::FillSolid(*canvas.pSurface, rcDevice, nPixel);
}

// Underline and strike-out run under and through the whole advance of the text.
void DrawTextLines(const soft::Canvas& canvas, const FontObject& font, std::int64_t nX,
                   std::int64_t nBaseline, std::int64_t nWidth, std::uint32_t nPixel) {
    const soft::FontMetrics& metrics = font.pRealized->Metrics();
    if (font.request.bUnderline) {
        const std::int64_t nTop = nBaseline + metrics.nUnderlineTop;
        FillLogical(canvas, nX, nTop, nX + nWidth, nTop + metrics.nUnderlineThickness, nPixel);
    }
    if (font.request.bStrikeOut) {
        const std::int64_t nTop = nBaseline + metrics.nStrikeOutTop;
        FillLogical(canvas, nX, nTop, nX + nWidth, nTop + metrics.nStrikeOutThickness, nPixel);
    }
}

}  // namespace

// Rounded to the nearest integer, halves away from zero; -1 for a zero denominator or a
// result beyond 32 bits.
int MulDiv(int nNumber, int nNumerator, int nDenominator) {
    if (nDenominator == 0) return -1;
    const std::int64_t nProduct = std::int64_t{nNumber} * nNumerator;
    std::int64_t nQuotient = nProduct / nDenominator;
    const std::int64_t nRemainder = nProduct % nDenominator;
    if (2 * std::abs(nRemainder) >= std::abs(std::int64_t{nDenominator}))
        nQuotient += (nProduct < 0) == (nDenominator < 0) ? 1 : -1;
    if (nQuotient < INT32_MIN || nQuotient > INT32_MAX) return -1;
    return static_cast<int>(nQuotient);
}

// Width, escapement, orientation, precision, quality and pitch are accepted and not used.
HFONT CreateFontA(int nHeight, int /*nWidth*/, int /*nEscapement*/, int /*nOrientation*/,
                  int nWeight, DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD nCharSet,
                  DWORD /*nOutPrecision*/, DWORD /*nClipPrecision*/, DWORD /*nQuality*/,
                  DWORD /*nPitchAndFamily*/, const char* pszFaceName) {
    soft::FontRequest request;
    request.nHeight = nHeight;
    request.nWeight = nWeight <= FW_DONTCARE ? FW_NORMAL : std::min(nWeight, kMaxWeight);
    request.bItalic = bItalic != 0;
    request.bUnderline = bUnderline != 0;
    request.bStrikeOut = bStrikeOut != 0;
    request.nCharSet = nCharSet & 0xFF;
    if (pszFaceName) request.sFace = AnsiToUtf8(pszFaceName, GetACP());
    return MakeHandle<HFONT>(soft::Objects().Add(std::make_unique<FontObject>(std::move(request))));
}

// The text's cell starts at nX, nY: its baseline lies the font's ascent below nY.
BOOL TextOutA(HDC hDC, int nX, int nY, const char* pString, int nCount) {
    const std::optional<soft::DrawContext> draw = soft::BeginDrawing(hDC);
    if (!draw || nCount < 0 || (!pString && nCount > 0)) return FALSE;
    const RealizedFont* pFont = SelectedFont(*draw->pDC);
    if (!pFont) return FALSE;
    const std::u32string sText = CharactersOf(pString, nCount);
    const soft::FontMetrics& metrics = pFont->Metrics();
    const std::int64_t nWidth = AdvanceOf(*pFont, sText);
    if (draw->pDC->nBkMode == OPAQUE)
        FillLogical(draw->canvas, nX, nY, nX + nWidth, std::int64_t{nY} + metrics.Height(),
                    soft::PixelOf(draw->pDC->clrBk));
    const std::uint32_t nPixel = soft::PixelOf(draw->pDC->clrText);
    const std::int64_t nBaseline = std::int64_t{nY} + metrics.nAscent;
    std::int64_t nPen = nX;
    for (char32_t cCode : sText) {
        const Glyph& glyph = pFont->GlyphOf(cCode);
        DrawGlyph(draw->canvas, glyph, nPen + glyph.nLeft, nBaseline - glyph.nTop, nPixel);
        nPen += glyph.nAdvance;
    }
    DrawTextLines(draw->canvas, *soft::Objects().Find<FontObject>(draw->pDC->hFont), nX, nBaseline,
                  nWidth, nPixel);
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hDC, const char* pString, int nCount, SIZE* pSize) {
    const soft::DeviceContext* pDC = soft::FindDC(hDC);
    if (!pDC || !pSize || nCount < 0 || (!pString && nCount > 0)) return FALSE;
    const RealizedFont* pFont = SelectedFont(*pDC);
    if (!pFont) return FALSE;
    const std::int64_t nWidth = AdvanceOf(*pFont, CharactersOf(pString, nCount));
    pSize->cx = static_cast<LONG>(std::min<std::int64_t>(nWidth, INT32_MAX));
    pSize->cy = pFont->Metrics().Height();
    return TRUE;
}

}  // namespace qv::win32
