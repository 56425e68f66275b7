#include "platform/windows/host/PngFiles.h"

#include <cstdio>
#include <cstring>

#include "platform/windows/host/ImageCodec.h"

namespace qv::windows {

namespace {

constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

}  // namespace

bool IsPngFile(const std::wstring& sPath) {
    FILE* pFile = ::_wfopen(sPath.c_str(), L"rb");
    if (!pFile) return false;
    unsigned char aHead[sizeof kPngSignature] = {};
    const std::size_t nRead = std::fread(aHead, 1, sizeof aHead, pFile);
    std::fclose(pFile);
    return nRead == sizeof aHead && std::memcmp(aHead, kPngSignature, sizeof aHead) == 0;
}

// The alpha bytes are cleared, as a BMP file's are.
PngResult DecodePngFile(const std::wstring& sPath, HBITMAP& hBitmap) {
    if (!IsPngFile(sPath)) return PngResult::NotPng;
    Pixels pixels;
    switch (DecodeImageFile(sPath, pixels)) {
        case DecodeResult::NoDecoder:
            return PngResult::NoDecoder;
        case DecodeResult::Damaged:
            return PngResult::Damaged;
        case DecodeResult::Decoded:
            break;
    }
    for (std::uint32_t& nPixel : pixels.aArgb) nPixel &= 0x00FFFFFF;
    HBITMAP hNew = BitmapOfPixels(pixels);
    if (!hNew) return PngResult::Damaged;
    hBitmap = hNew;
    return PngResult::Decoded;
}

}  // namespace qv::windows
