#include "platform/bagfile/BagJson.h"

#include <utility>

namespace qv::bagfile {

using Json = nlohmann::ordered_json;

namespace {

// Builds the document as the JSON library's own builder would, with two differences: an
// object's members are gathered first and moved into it when it ends, without the
// library's search for an existing key per member (quadratic for the whole object), and a
// key that an object holds twice stops the reading.
class BagBuilder : public nlohmann::json_sax<Json> {
  public:
    explicit BagBuilder(BagDocument& document) : m_document(document) {}

    bool null() override { return Keep(nullptr); }
    bool boolean(bool bValue) override { return Keep(bValue); }
    bool number_integer(number_integer_t nValue) override { return Keep(nValue); }
    bool number_unsigned(number_unsigned_t nValue) override { return Keep(nValue); }
    bool number_float(number_float_t dValue, const string_t& /*sText*/) override {
        return Keep(dValue);
    }
    bool string(string_t& sValue) override { return Keep(std::move(sValue)); }
    bool binary(binary_t& /*aValue*/) override { return Fail("not valid JSON (binary data)"); }
    bool start_object(std::size_t /*nElements*/) override { return Open(Json::object()); }
    bool end_object() override;
    bool start_array(std::size_t /*nElements*/) override { return Open(Json::array()); }
    bool end_array() override {
        m_open.pop_back();
        return true;
    }
    bool key(string_t& sKey) override {
        m_open.back().aMembers.emplace_back(std::move(sKey), nullptr);
        return true;
    }
    bool parse_error(std::size_t /*nPosition*/, const std::string& /*sToken*/,
                     const nlohmann::detail::exception& error) override {
        return Fail(std::string("not valid JSON (") + error.what() + ")");
    }

    const std::string& Error() const { return m_sError; }

  private:
    // An array or object being read; an object's members wait in aMembers until it ends.
    struct OpenValue {
        Json* pValue;
        std::vector<std::pair<std::string, Json>> aMembers;
    };

    bool Fail(std::string sError) {
        if (m_sError.empty()) m_sError = std::move(sError);
        return false;
    }

    // Where the next value goes. Pointers to open values stay valid: only the innermost
    // open value grows.
    Json* Add(Json value) {
        if (m_open.empty()) {
            m_document.values = std::move(value);
            return &m_document.values;
        }
        OpenValue& parent = m_open.back();
        if (parent.pValue->is_array()) {
            auto& aItems = parent.pValue->get_ref<Json::array_t&>();
            aItems.push_back(std::move(value));
            return &aItems.back();
        }
        parent.aMembers.back().second = std::move(value);
        return &parent.aMembers.back().second;
    }

    template <typename TValue>
    bool Keep(TValue&& value) {
        Add(Json(std::forward<TValue>(value)));
        return true;
    }

    bool Open(Json value) {
        if (m_open.size() >= kMaxBagDepth)
            return Fail("values nested deeper than " + std::to_string(kMaxBagDepth) + " levels");
        m_open.push_back({Add(std::move(value)), {}});
        return true;
    }

    BagDocument& m_document;
    std::vector<OpenValue> m_open;
    std::string m_sError;
};

bool BagBuilder::end_object() {
    OpenValue& object = m_open.back();
    auto& members = static_cast<KeyIndex::Members&>(object.pValue->get_ref<Json::object_t&>());
    members.reserve(object.aMembers.size());
    for (auto& [sKey, value] : object.aMembers)
        members.emplace_back(std::move(sKey), std::move(value));
    try {
        KeyIndex keys = KeyIndex::Of(members);
        if (m_open.size() == 1) m_document.keys = std::move(keys);
    } catch (const BagJsonError& error) {
        return Fail(error.what());
    }
    m_open.pop_back();
    return true;
}

}  // namespace

std::size_t KeyIndex::Build(const Members& members) {
    m_positions.clear();
    m_positions.reserve(members.size());
    m_pIndexed = members.data();
    for (std::size_t i = 0; i < members.size(); ++i)
        if (!m_positions.emplace(members[i].first, i).second) return i;
    return members.size();
}

KeyIndex KeyIndex::Of(const Members& members) {
    KeyIndex index;
    if (const std::size_t nRepeated = index.Build(members); nRepeated < members.size())
        throw BagJsonError("the key " + Json(members[nRepeated].first).dump() +
                           " appears twice in one object");
    return index;
}

std::size_t KeyIndex::Find(const Members& members, std::string_view sKey) {
    if (m_pIndexed != members.data() || m_positions.size() != members.size()) Build(members);
    const auto it = m_positions.find(sKey);
    return it == m_positions.end() ? members.size() : it->second;
}

void KeyIndex::AddLast(const Members& members) {
    if (m_pIndexed != members.data()) {
        Build(members);
        return;
    }
    m_positions.emplace(members.back().first, members.size() - 1);
}

BagDocument ParseBagJson(std::string_view sText) {
    if (const auto nNul = sText.find('\0'); nNul != std::string_view::npos)
        throw BagJsonError("not valid JSON (a NUL byte at offset " + std::to_string(nNul) + ")");
    BagDocument document;
    BagBuilder builder(document);
    bool bRead = false;
    try {
        bRead = Json::sax_parse(sText.begin(), sText.end(), &builder);
    } catch (const Json::exception& error) {
        throw BagJsonError(std::string("not valid JSON (") + error.what() + ")");
    }
    if (!bRead) throw BagJsonError(builder.Error().empty() ? "not valid JSON" : builder.Error());
    if (!document.values.is_object()) throw BagJsonError("not a JSON object");
    return document;
}

}  // namespace qv::bagfile
