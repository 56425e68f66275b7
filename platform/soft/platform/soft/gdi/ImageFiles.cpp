#include "platform/soft/gdi/ImageFiles.h"

#include <png.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/soft/gdi/BmpReader.h"

namespace qv::soft {

namespace {

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kOpaqueEnough = 128;

// Frees libpng's reader state however the decoding ends.
class PngImage {
  public:
    PngImage() {
        std::memset(&m_image, 0, sizeof(m_image));
        m_image.version = PNG_IMAGE_VERSION;
    }
    ~PngImage() { png_image_free(&m_image); }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;
    png_image* operator->() { return &m_image; }
    png_image* Get() { return &m_image; }

  private:
    png_image m_image;
};

bool IsPng(const std::vector<std::uint8_t>& aBytes) {
    return aBytes.size() >= sizeof(kPngSignature) &&
           std::memcmp(aBytes.data(), kPngSignature, sizeof(kPngSignature)) == 0;
}

MaskedImage FromRgba(const std::vector<std::uint8_t>& aRgba, SurfaceRef pSurface) {
    MaskedImage image{std::move(pSurface), {}};
    const int nWidth = image.pColor->Width();
    image.aMask.resize(static_cast<std::size_t>(nWidth) * image.pColor->Height());
    for (int nY = 0; nY < image.pColor->Height(); ++nY) {
        std::uint32_t* pRow = image.pColor->Row(nY);
        for (int nX = 0; nX < nWidth; ++nX) {
            const std::size_t nPixel = static_cast<std::size_t>(nY) * nWidth + nX;
            const std::uint8_t* pRgba = &aRgba[nPixel * 4];
            pRow[nX] = pRgba[0] | (pRgba[1] << 8) | (pRgba[2] << 16);
            image.aMask[nPixel] = pRgba[3] < kOpaqueEnough ? 1 : 0;
        }
    }
    return image;
}

std::optional<MaskedImage> DecodePng(const std::vector<std::uint8_t>& aBytes, std::string& sError) {
    PngImage png;
    if (!png_image_begin_read_from_memory(png.Get(), aBytes.data(), aBytes.size())) {
        sError = std::string("damaged PNG: ") + png->message;
        return std::nullopt;
    }
    SurfaceRef pSurface =
        Surface::Create(static_cast<int>(std::min<png_uint_32>(png->width, INT32_MAX)),
                        static_cast<int>(std::min<png_uint_32>(png->height, INT32_MAX)));
    if (!pSurface) {
        sError = "PNG image too large";
        return std::nullopt;
    }
    png->format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> aRgba(PNG_IMAGE_SIZE(*png.Get()));
    if (!png_image_finish_read(png.Get(), nullptr, aRgba.data(), 0, nullptr)) {
        sError = std::string("damaged PNG: ") + png->message;
        return std::nullopt;
    }
    return FromRgba(aRgba, std::move(pSurface));
}

}  // namespace

std::optional<MaskedImage> DecodeImage(const std::vector<std::uint8_t>& aBytes,
                                       std::string& sError) {
    if (IsPng(aBytes)) return DecodePng(aBytes, sError);
    SurfaceRef pSurface = DecodeBmp(aBytes, sError);
    if (!pSurface) {
        if (aBytes.size() < 2 || aBytes[0] != 'B' || aBytes[1] != 'M')
            sError = "not a PNG or BMP image";
        return std::nullopt;
    }
    const auto nPixels = static_cast<std::size_t>(pSurface->Width()) * pSurface->Height();
    return MaskedImage{std::move(pSurface), std::vector<std::uint8_t>(nPixels, 0)};
}

std::optional<MaskedImage> ReadImageFile(const std::string& sPath, std::string& sError) {
    std::ifstream file(sPath, std::ios::binary);
    if (!file) {
        sError = "cannot open " + sPath;
        return std::nullopt;
    }
    const std::vector<std::uint8_t> aBytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    return DecodeImage(aBytes, sError);
}

namespace {

// Pixels in the layout libpng's simplified writer takes (3 or 4 bytes each) as a PNG file.
std::optional<std::vector<std::uint8_t>> EncodeRows(const Surface& surface,
                                                    const std::vector<std::uint8_t>& aPixels,
                                                    png_uint_32 nFormat, std::string& sError) {
    PngImage png;
    png->width = static_cast<png_uint_32>(surface.Width());
    png->height = static_cast<png_uint_32>(surface.Height());
    png->format = nFormat;
    png_alloc_size_t nSize = 0;
    if (!png_image_write_get_memory_size(*png.Get(), nSize, 0, aPixels.data(), 0, nullptr)) {
        sError = std::string("cannot encode PNG: ") + png->message;
        return std::nullopt;
    }
    std::vector<std::uint8_t> aPng(nSize);
    if (!png_image_write_to_memory(png.Get(), aPng.data(), &nSize, 0, aPixels.data(), 0, nullptr)) {
        sError = std::string("cannot encode PNG: ") + png->message;
        return std::nullopt;
    }
    aPng.resize(nSize);
    return aPng;
}

// The surface's pixels as RGB bytes, or RGBA with the alpha from the mask when one is given.
std::vector<std::uint8_t> PixelBytes(const Surface& surface,
                                     const std::vector<std::uint8_t>* pMask) {
    const int nChannels = pMask ? 4 : 3;
    std::vector<std::uint8_t> aBytes(static_cast<std::size_t>(surface.Width()) * surface.Height() *
                                     nChannels);
    std::uint8_t* pOut = aBytes.data();
    std::size_t nPixel = 0;
    for (int nY = 0; nY < surface.Height(); ++nY) {
        for (int nX = 0; nX < surface.Width(); ++nX, ++nPixel) {
            const std::uint32_t nColor = surface.Row(nY)[nX];
            *pOut++ = nColor & 0xFF;
            *pOut++ = (nColor >> 8) & 0xFF;
            *pOut++ = (nColor >> 16) & 0xFF;
            if (pMask) *pOut++ = (*pMask)[nPixel] != 0 ? 0 : 0xFF;
        }
    }
    return aBytes;
}

bool CanEncode(const Surface& surface, std::string& sError) {
    if (surface.Width() > 0 && surface.Height() > 0) return true;
    sError = "a PNG image cannot be empty";
    return false;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodePng(const Surface& surface, std::string& sError) {
    if (!CanEncode(surface, sError)) return std::nullopt;
    return EncodeRows(surface, PixelBytes(surface, nullptr), PNG_FORMAT_RGB, sError);
}

std::optional<std::vector<std::uint8_t>> EncodeMaskedPng(const MaskedImage& image,
                                                         std::string& sError) {
    const Surface& surface = *image.pColor;
    if (!CanEncode(surface, sError)) return std::nullopt;
    if (image.aMask.size() != static_cast<std::size_t>(surface.Width()) * surface.Height()) {
        sError = "the mask does not match the image";
        return std::nullopt;
    }
    return EncodeRows(surface, PixelBytes(surface, &image.aMask), PNG_FORMAT_RGBA, sError);
}

bool WritePngFile(const Surface& surface, const std::string& sPath, std::string& sError) {
    const std::optional<std::vector<std::uint8_t>> aPng = EncodePng(surface, sError);
    if (!aPng) return false;
    std::ofstream file(sPath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(aPng->data()),
               static_cast<std::streamsize>(aPng->size()));
    if (!file) {
        sError = "cannot write " + sPath;
        return false;
    }
    return true;
}

}  // namespace qv::soft
