// The PNG and BMP readers of the soft drawing platform on any bytes. A decoded image has
// one mask byte per pixel, and writing it as PNG and reading that back gives its colours.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/soft/gdi/ImageFiles.h"

using namespace qv::soft;

namespace {

// Round trips of larger images cost more than they find.
constexpr long long kMaxRoundTripPixels = 1 << 20;

[[noreturn]] void Fail(const std::string& sWhat) {
    std::fprintf(stderr, "%s\n", sWhat.c_str());
    std::abort();
}

void CheckPngRoundTrip(const Surface& color) {
    std::string sError;
    const auto aPng = EncodePng(color, sError);
    if (!aPng) Fail("a decoded image cannot be written: " + sError);
    const auto again = DecodeImage(*aPng, sError);
    if (!again) Fail("our own PNG cannot be read: " + sError);
    const Surface& other = *again->pColor;
    if (other.Width() != color.Width() || other.Height() != color.Height())
        Fail("the PNG round trip changes the size");
    for (int y = 0; y < color.Height(); ++y) {
        for (int x = 0; x < color.Width(); ++x) {
            if ((color.Pixel(x, y) & 0xFFFFFF) != (other.Pixel(x, y) & 0xFFFFFF))
                Fail("the PNG round trip changes pixel " + std::to_string(x) + "," +
                     std::to_string(y));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::vector<std::uint8_t> aBytes(pData, pData + nSize);
    std::string sError;
    const auto image = DecodeImage(aBytes, sError);
    if (!image) {
        if (sError.empty()) Fail("an image is refused without a message");
        return 0;
    }
    if (!image->pColor) Fail("a decoded image has no pixels");
    const Surface& color = *image->pColor;
    const long long nPixels = static_cast<long long>(color.Width()) * color.Height();
    if (image->aMask.size() != static_cast<std::size_t>(nPixels))
        Fail("the mask does not have one byte per pixel");
    if (nPixels <= kMaxRoundTripPixels) CheckPngRoundTrip(color);
    return 0;
}
