#pragma once

#include "platform/host/PropertyBag.h"

#include <ocidl.h>

namespace qv::com {

// A container's property bag as the control's: values by name, converted both ways, a font
// or picture as the system's font or picture object (which the container saves as it
// saves objects). A key the bag does not hold, Nothing, or a value that does not convert
// reads as the default; Nothing and values equal to their default are not written.
class ComBag : public host::IPropertyBag {
  public:
    ComBag(::IPropertyBag& bag, IErrorLog* pErrorLog) : m_bag(bag), m_pErrorLog(pErrorLog) {}

    Variant ReadProperty(std::string_view sName, const Variant& vDefault) override;
    void WriteProperty(std::string_view sName, const Variant& vValue,
                       const Variant& vDefault) override;
    HRESULT WriteResult() const { return m_hrWrite; }

  private:
    ::IPropertyBag& m_bag;
    IErrorLog* m_pErrorLog;
    HRESULT m_hrWrite = S_OK;
};

}  // namespace qv::com
