#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/host/Picture.h"

namespace qv::bagfile {

// What a property-bag file needs of the platform's pictures: a picture's image as the file
// keeps it, and a picture made again from such an image. Each platform has one.
class IBagPictures {
  public:
    virtual ~IBagPictures() = default;

    // A bitmap's image as an 8-bit RGB PNG file, an icon's as RGBA with alpha 0 where its
    // mask is transparent and 255 elsewhere; nothing for a picture without an image.
    virtual std::optional<std::vector<std::uint8_t>> ImageFile(
        const host::IPicture& picture) const = 0;
    // A bitmap, or an icon whose mask is the image's alpha below half, of a PNG or BMP
    // file's bytes; nullptr when the bytes are no image the platform can read.
    virtual host::PictureRef BitmapOf(const std::vector<std::uint8_t>& aImageFile) const = 0;
    virtual host::PictureRef IconOf(const std::vector<std::uint8_t>& aImageFile) const = 0;
    // A metafile picture (type 2) that draws nothing, its size in HIMETRIC kept exactly;
    // nullptr for a negative size.
    virtual host::PictureRef Metafile(Long nHimetricWidth, Long nHimetricHeight) const = 0;
    // Type 0, handle 0, size 0.
    virtual host::PictureRef Empty() const = 0;
};

}  // namespace qv::bagfile
