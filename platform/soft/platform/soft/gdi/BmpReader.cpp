#include "platform/soft/gdi/BmpReader.h"

#include <array>
#include <bit>

namespace qv::soft {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kMinInfoSize = 40;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;

std::uint32_t ReadU32(const std::vector<std::uint8_t>& aBytes, std::size_t nPos) {
    return aBytes[nPos] | (aBytes[nPos + 1] << 8) | (aBytes[nPos + 2] << 16) |
           (static_cast<std::uint32_t>(aBytes[nPos + 3]) << 24);
}

std::uint16_t ReadU16(const std::vector<std::uint8_t>& aBytes, std::size_t nPos) {
    return static_cast<std::uint16_t>(aBytes[nPos] | (aBytes[nPos + 1] << 8));
}

struct BmpLayout {
    std::int64_t nWidth = 0;
    std::int64_t nHeight = 0;  // rows, always positive
    bool bTopDown = false;
    int nBits = 0;
    std::uint32_t nCompression = 0;
    std::uint32_t nPixelOffset = 0;
    std::size_t nInfoEnd = 0;
    std::uint32_t nColorsUsed = 0;
    std::array<std::uint32_t, 3> aMasks{0x00FF0000, 0x0000FF00, 0x000000FF};
};

std::optional<BmpLayout> ReadLayout(const std::vector<std::uint8_t>& aBytes, std::string& sError) {
    if (aBytes.size() < kFileHeaderSize + kMinInfoSize || aBytes[0] != 'B' || aBytes[1] != 'M') {
        sError = "not a BMP file";
        return std::nullopt;
    }
    BmpLayout layout;
    layout.nPixelOffset = ReadU32(aBytes, 10);
    const std::uint32_t nInfoSize = ReadU32(aBytes, 14);
    layout.nInfoEnd = kFileHeaderSize + nInfoSize;
    layout.nWidth = static_cast<std::int32_t>(ReadU32(aBytes, 18));
    const std::int64_t nHeight = static_cast<std::int32_t>(ReadU32(aBytes, 22));
    layout.bTopDown = nHeight < 0;
    layout.nHeight = nHeight < 0 ? -nHeight : nHeight;
    layout.nBits = ReadU16(aBytes, 28);
    layout.nCompression = ReadU32(aBytes, 30);
    layout.nColorsUsed = ReadU32(aBytes, 46);
    if (nInfoSize < kMinInfoSize || layout.nInfoEnd > aBytes.size()) {
        sError = "damaged BMP header";
        return std::nullopt;
    }
    return layout;
}

bool ReadMasks(const std::vector<std::uint8_t>& aBytes, BmpLayout& layout) {
    if (layout.nCompression != kBitFields) return true;
    const std::size_t nMaskPos = kFileHeaderSize + kMinInfoSize;
    const std::size_t nMaskEnd = std::max(layout.nInfoEnd, nMaskPos + 12);
    if (layout.nBits != 32 || nMaskEnd > aBytes.size()) return false;
    for (std::size_t i = 0; i < 3; ++i) layout.aMasks[i] = ReadU32(aBytes, nMaskPos + 4 * i);
    if (layout.nInfoEnd < nMaskEnd) layout.nInfoEnd = nMaskEnd;
    return true;
}

std::uint32_t Channel(std::uint32_t nValue, std::uint32_t nMask) {
    if (nMask == 0) return 0;
    const int nShift = std::countr_zero(nMask);
    const std::uint32_t nMax = nMask >> nShift;
    return static_cast<std::uint32_t>(std::uint64_t{(nValue & nMask) >> nShift} * 255 / nMax);
}

class PixelReader {
  public:
    PixelReader(const std::vector<std::uint8_t>& aBytes, const BmpLayout& layout)
        : m_aBytes(aBytes), m_layout(layout) {}

    bool ReadPalette(std::string& sError) {
        if (m_layout.nBits > 8) return true;
        const std::uint32_t nMaxColors = 1u << m_layout.nBits;
        const std::uint32_t nColors = m_layout.nColorsUsed ? m_layout.nColorsUsed : nMaxColors;
        if (nColors > nMaxColors ||
            m_layout.nInfoEnd + std::size_t{nColors} * 4 > m_aBytes.size()) {
            sError = "damaged BMP palette";
            return false;
        }
        m_aPalette.assign(nMaxColors, 0);
        for (std::uint32_t i = 0; i < nColors; ++i) {
            const std::size_t nPos = m_layout.nInfoEnd + std::size_t{i} * 4;
            m_aPalette[i] = m_aBytes[nPos + 2] | (m_aBytes[nPos + 1] << 8) | (m_aBytes[nPos] << 16);
        }
        return true;
    }

    // The COLORREF of pixel nX in the row starting at nRowPos.
    std::uint32_t Pixel(std::size_t nRowPos, std::int64_t nX) const {
        switch (m_layout.nBits) {
            case 32:
                return FromMasks(ReadU32(m_aBytes, nRowPos + nX * 4));
            case 24: {
                const std::size_t nPos = nRowPos + nX * 3;
                return m_aBytes[nPos + 2] | (m_aBytes[nPos + 1] << 8) | (m_aBytes[nPos] << 16);
            }
            default:
                return m_aPalette[Index(nRowPos, nX)];
        }
    }

  private:
    std::uint32_t FromMasks(std::uint32_t nValue) const {
        return Channel(nValue, m_layout.aMasks[0]) | (Channel(nValue, m_layout.aMasks[1]) << 8) |
               (Channel(nValue, m_layout.aMasks[2]) << 16);
    }
    std::uint32_t Index(std::size_t nRowPos, std::int64_t nX) const {
        const int nBits = m_layout.nBits;
        const std::int64_t nBitPos = nX * nBits;
        const std::uint8_t nByte = m_aBytes[nRowPos + nBitPos / 8];
        const int nShift = 8 - nBits - static_cast<int>(nBitPos % 8);
        return (nByte >> nShift) & ((1u << nBits) - 1);
    }

    const std::vector<std::uint8_t>& m_aBytes;
    const BmpLayout& m_layout;
    std::vector<std::uint32_t> m_aPalette;
};

bool IsSupported(const BmpLayout& layout) {
    const bool bKnownBits = layout.nBits == 1 || layout.nBits == 4 || layout.nBits == 8 ||
                            layout.nBits == 24 || layout.nBits == 32;
    return bKnownBits && (layout.nCompression == kRgb || layout.nCompression == kBitFields);
}

}  // namespace

SurfaceRef DecodeBmp(const std::vector<std::uint8_t>& aBytes, std::string& sError) {
    std::optional<BmpLayout> layout = ReadLayout(aBytes, sError);
    if (!layout) return nullptr;
    if (!IsSupported(*layout) || !ReadMasks(aBytes, *layout)) {
        sError = "unsupported BMP format";
        return nullptr;
    }
    if (layout->nWidth <= 0 || layout->nHeight <= 0 || layout->nWidth > Surface::kMaxSide ||
        layout->nHeight > Surface::kMaxSide) {
        sError = "unsupported BMP size";
        return nullptr;
    }
    const std::int64_t nStride = (layout->nWidth * layout->nBits + 31) / 32 * 4;
    if (layout->nPixelOffset + nStride * layout->nHeight >
        static_cast<std::int64_t>(aBytes.size())) {
        sError = "BMP pixel data cut short";
        return nullptr;
    }
    PixelReader reader(aBytes, *layout);
    if (!reader.ReadPalette(sError)) return nullptr;
    SurfaceRef pSurface =
        Surface::Create(static_cast<int>(layout->nWidth), static_cast<int>(layout->nHeight));
    if (!pSurface) {
        sError = "BMP image too large";
        return nullptr;
    }
    for (int nY = 0; nY < pSurface->Height(); ++nY) {
        const std::int64_t nFileRow = layout->bTopDown ? nY : layout->nHeight - 1 - nY;
        const std::size_t nRowPos =
            layout->nPixelOffset + static_cast<std::size_t>(nFileRow * nStride);
        std::uint32_t* pRow = pSurface->Row(nY);
        for (int nX = 0; nX < pSurface->Width(); ++nX) pRow[nX] = reader.Pixel(nRowPos, nX);
    }
    return pSurface;
}

}  // namespace qv::soft
