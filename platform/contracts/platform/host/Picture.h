#pragma once

#include <memory>

#include "platform/Variant.h"

namespace qv::host {

// Picture types as the host reports them.
enum PictureType : Integer {
    vbPicTypeNone = 0,
    vbPicTypeBitmap = 1,
    vbPicTypeMetafile = 2,
    vbPicTypeIcon = 3,
    vbPicTypeEMetafile = 4,
};

// The host's standard picture object: a GDI bitmap or icon handle with its size in
// HIMETRIC (0.01 mm).
class IPicture : public HostObject {
  public:
    std::string_view TypeName() const override { return "Picture"; }
    virtual Long Handle() const = 0;
    virtual Integer Type() const = 0;
    virtual Long Width() const = 0;
    virtual Long Height() const = 0;
};

using PictureRef = std::shared_ptr<IPicture>;

}  // namespace qv::host
