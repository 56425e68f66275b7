#pragma once

#include <map>
#include <string>

#include "platform/host/PropertyBag.h"

struct IStream;

namespace qv::com {

// A property bag in memory that saves to and loads from a stream, keys in name order. The
// data holds a signature, a format number, the count of entries
// and each entry as its key, a type tag and its value, little-endian: a font as its
// attributes, a picture as the bytes the system's picture object saves itself as.
// A value the control need not save: its default, whatever the numeric type it came in
// (the control writes a Long against an Integer default).
bool IsDefaultValue(const Variant& vValue, const Variant& vDefault);

class StreamBag : public host::IPropertyBag {
  public:
    Variant ReadProperty(std::string_view sName, const Variant& vDefault) override;
    void WriteProperty(std::string_view sName, const Variant& vValue,
                       const Variant& vDefault) override;

    std::string Serialize() const;
    // False, and the bag unchanged, for data that is not a whole bag of this format.
    bool Deserialize(std::string_view sData);

    size_t Count() const { return m_values.size(); }

  private:
    std::map<std::string, Variant, std::less<>> m_values;
};

}  // namespace qv::com
