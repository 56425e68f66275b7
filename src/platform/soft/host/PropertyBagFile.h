#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/host/PropertyBag.h"

namespace qv::soft {

// A property-bag file could not be read: what() names the file and what is wrong.
class PropertyBagFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The host's property bag kept as a UTF-8 JSON object: keys in the order they were
// written, every written value kept (also one equal to its default). Numbers, Booleans,
// strings and Nothing map to JSON values; a font is an object with Name, Size, Bold,
// Italic, Underline, Strikethrough, Weight and Charset; a picture is an object with Type,
// Width, Height (HIMETRIC) and Data (its image file, base64).
class PropertyBagFile : public host::IPropertyBag {
  public:
    PropertyBagFile() = default;

    // Reads and checks a whole file; throws PropertyBagFileError.
    static PropertyBagFile Load(const std::filesystem::path& path);
    // Writes the bag; the same values always give the same bytes.
    void Save(const std::filesystem::path& path) const;
    std::string Text() const;

    // A key that the bag does not hold gives the default; a value of a kind no property
    // can hold raises type mismatch (13).
    Variant ReadProperty(std::string_view sName, const Variant& vDefault) override;
    void WriteProperty(std::string_view sName, const Variant& vValue,
                       const Variant& vDefault) override;

  private:
    explicit PropertyBagFile(nlohmann::ordered_json values) : m_values(std::move(values)) {}

    nlohmann::ordered_json m_values = nlohmann::ordered_json::object();
};

}  // namespace qv::soft
