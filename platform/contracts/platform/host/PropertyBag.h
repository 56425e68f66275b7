#pragma once

#include <string_view>

#include "platform/Variant.h"

namespace qv::host {

// Where the host keeps a control's saved properties. Reading a key the bag does not
// hold gives the default passed in; a value that equals its default may be left out.
class IPropertyBag {
  public:
    virtual ~IPropertyBag() = default;
    virtual Variant ReadProperty(std::string_view sName, const Variant& vDefault) = 0;
    virtual void WriteProperty(std::string_view sName, const Variant& vValue,
                               const Variant& vDefault) = 0;
};

}  // namespace qv::host
