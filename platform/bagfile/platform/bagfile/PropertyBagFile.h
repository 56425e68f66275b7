#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/bagfile/BagJson.h"
#include "platform/bagfile/BagPictures.h"
#include "platform/host/PropertyBag.h"

namespace qv::bagfile {

// A property-bag file could not be read or written: what() names the file and what is wrong.
class PropertyBagFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The host's property bag kept as a UTF-8 JSON object: keys in the order they were
// written, every written value kept (also one equal to its default). The values look as
// BagValues.h describes. Pictures are made and read through the platform's pictures, which
// must outlive the bag.
class PropertyBagFile : public host::IPropertyBag {
  public:
    explicit PropertyBagFile(const IBagPictures& pictures) : m_pPictures(&pictures) {}

    // Reads and checks a whole file; throws PropertyBagFileError.
    static PropertyBagFile Load(const std::filesystem::path& path, const IBagPictures& pictures);
    // The same for a file's bytes already in memory; sName stands for the file in messages.
    static PropertyBagFile LoadBytes(std::string_view sBytes, const std::string& sName,
                                     const IBagPictures& pictures);
    // Replaces the file with the bag in one step: the text goes to a new file beside it,
    // which is then renamed over the old one, so a failure leaves the old file as it was.
    // The same values always give the same bytes.
    void Save(const std::filesystem::path& path) const;
    std::string Text() const;

    // A key that the bag does not hold gives the default; a value of a kind no property
    // can hold raises type mismatch (13), a number that does not fit overflow (6).
    Variant ReadProperty(std::string_view sName, const Variant& vDefault) override;
    void WriteProperty(std::string_view sName, const Variant& vValue,
                       const Variant& vDefault) override;

  private:
    PropertyBagFile(BagDocument document, const IBagPictures& pictures)
        : m_pPictures(&pictures),
          m_values(std::move(document.values)),
          m_keys(std::move(document.keys)) {}

    KeyIndex::Members& Members();

    const IBagPictures* m_pPictures;
    nlohmann::ordered_json m_values = nlohmann::ordered_json::object();
    // The keys of m_values, so a look-up does not search the whole object.
    KeyIndex m_keys;
};

}  // namespace qv::bagfile
