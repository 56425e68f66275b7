#include "qvhost/PngFile.h"

#include <array>
#include <fstream>

namespace qv::qvhost {

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Crc32(const std::uint8_t* pData, std::size_t nSize, std::uint32_t nCrc = 0) {
    static const std::array<std::uint32_t, 256> kTable = [] {
        std::array<std::uint32_t, 256> table{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        return table;
    }();
    nCrc = ~nCrc;
    for (std::size_t i = 0; i < nSize; ++i) nCrc = kTable[(nCrc ^ pData[i]) & 0xFF] ^ (nCrc >> 8);
    return ~nCrc;
}

void PutBigEndian(Bytes& out, std::uint32_t nValue) {
    for (int nShift = 24; nShift >= 0; nShift -= 8) out.push_back((nValue >> nShift) & 0xFF);
}

void PutChunk(Bytes& out, const char* sType, const Bytes& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t nTypeAt = out.size();
    out.insert(out.end(), sType, sType + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + nTypeAt, data.size() + 4));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each) and its Adler-32.
Bytes StoredZlib(const Bytes& raw) {
    Bytes out = {0x78, 0x01};
    std::size_t nAt = 0;
    do {
        const std::size_t nLength = std::min<std::size_t>(raw.size() - nAt, 65535);
        const bool bLast = nAt + nLength == raw.size();
        out.push_back(bLast ? 1 : 0);
        out.push_back(nLength & 0xFF);
        out.push_back((nLength >> 8) & 0xFF);
        out.push_back(~nLength & 0xFF);
        out.push_back((~nLength >> 8) & 0xFF);
        out.insert(out.end(), raw.begin() + nAt, raw.begin() + nAt + nLength);
        nAt += nLength;
    } while (nAt < raw.size());
    std::uint32_t nA = 1;
    std::uint32_t nB = 0;
    for (std::uint8_t nByte : raw) {
        nA = (nA + nByte) % 65521;
        nB = (nB + nA) % 65521;
    }
    PutBigEndian(out, (nB << 16) | nA);
    return out;
}

}  // namespace

bool WriteStoredPngFile(const std::filesystem::path& path, int nWidth, int nHeight,
                        const std::vector<std::uint32_t>& pixels, std::string& sError) {
    if (nWidth <= 0 || nHeight <= 0 ||
        pixels.size() != static_cast<std::size_t>(nWidth) * static_cast<std::size_t>(nHeight)) {
        sError = "nothing to write";
        return false;
    }
    Bytes raw;
    raw.reserve(static_cast<std::size_t>(nHeight) * (1 + 3 * static_cast<std::size_t>(nWidth)));
    for (int nY = 0; nY < nHeight; ++nY) {
        raw.push_back(0);  // no filter
        for (int nX = 0; nX < nWidth; ++nX) {
            const std::uint32_t nPixel = pixels[static_cast<std::size_t>(nY) * nWidth + nX];
            raw.insert(raw.end(),
                       {static_cast<std::uint8_t>(nPixel >> 16),
                        static_cast<std::uint8_t>(nPixel >> 8), static_cast<std::uint8_t>(nPixel)});
        }
    }
    Bytes header;
    PutBigEndian(header, static_cast<std::uint32_t>(nWidth));
    PutBigEndian(header, static_cast<std::uint32_t>(nHeight));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", StoredZlib(raw));
    PutChunk(file, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out.flush()) {
        sError = "cannot write the file";
        return false;
    }
    return true;
}

}  // namespace qv::qvhost
