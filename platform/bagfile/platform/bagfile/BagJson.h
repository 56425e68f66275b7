#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

#include <nlohmann/json.hpp>

namespace qv::bagfile {

// The text of a property bag is not one we could have written: what() says why.
class BagJsonError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The positions of an object's members by key. The keys are not copied: the index refers
// to the members' own keys and is built again when the members have moved.
class KeyIndex {
  public:
    using Members = nlohmann::ordered_json::object_t::Container;

    KeyIndex() = default;
    // A copy belongs to copied members: it is built again at its first use.
    KeyIndex(const KeyIndex& /*other*/) {}
    KeyIndex& operator=(const KeyIndex& other) {
        if (this != &other) *this = KeyIndex();
        return *this;
    }
    KeyIndex(KeyIndex&&) = default;
    KeyIndex& operator=(KeyIndex&&) = default;

    // Throws BagJsonError when a key is there twice.
    static KeyIndex Of(const Members& members);

    // The position of the key, or members.size() when the object does not hold it.
    std::size_t Find(const Members& members, std::string_view sKey);
    // After a member with a new key was appended.
    void AddLast(const Members& members);

  private:
    // The position of the first key that is there twice, members.size() when none is.
    std::size_t Build(const Members& members);

    std::unordered_map<std::string_view, std::size_t> m_positions;
    const void* m_pIndexed = nullptr;  // the members the keys point into
};

struct BagDocument {
    nlohmann::ordered_json values;  // an object
    KeyIndex keys;                  // of its members
};

inline constexpr std::size_t kMaxBagDepth = 64;

// A bag's text as one JSON object, keys in file order. Stricter than JSON alone: no NUL
// byte anywhere (the JSON library would stop reading at one), no key twice in an object,
// nothing after the object, and no deeper nesting than kMaxBagDepth. The time taken grows
// with the length of the text, and with the log of the number of keys. Throws BagJsonError.
BagDocument ParseBagJson(std::string_view sText);

}  // namespace qv::bagfile
