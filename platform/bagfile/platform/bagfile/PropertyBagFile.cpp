#include "platform/bagfile/PropertyBagFile.h"

#include <fstream>
#include <iterator>

#include "platform/HostError.h"
#include "platform/bagfile/BagJson.h"
#include "platform/bagfile/BagValues.h"
#include "platform/bagfile/PictureData.h"
#include "platform/bagfile/ReplaceFile.h"

namespace qv::bagfile {

using Json = nlohmann::ordered_json;

namespace {

// Every picture of the file is decoded at once, so a broken one is reported with the file.
void CheckPictures(const Json& values, const std::string& sName, const IBagPictures& pictures) {
    for (const auto& [sKey, value] : values.items()) {
        if (!value.is_object() || !value.contains("Type")) continue;
        try {
            PictureFromJson(value, pictures);
        } catch (const HostError&) {
            throw PropertyBagFileError(sName + ": the picture at " + Json(sKey).dump() +
                                       " does not hold a readable image");
        }
    }
}

}  // namespace

KeyIndex::Members& PropertyBagFile::Members() {
    return static_cast<KeyIndex::Members&>(m_values.get_ref<Json::object_t&>());
}

PropertyBagFile PropertyBagFile::Load(const std::filesystem::path& path,
                                      const IBagPictures& pictures) {
    const std::string sName = path.string();
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw PropertyBagFileError(sName + ": cannot be read (a folder)");
    std::ifstream file(path, std::ios::binary);
    if (!file) throw PropertyBagFileError(sName + ": cannot be read");
    const std::string sBytes((std::istreambuf_iterator<char>(file)),
                             std::istreambuf_iterator<char>());
    if (file.bad()) throw PropertyBagFileError(sName + ": cannot be read");
    return LoadBytes(sBytes, sName, pictures);
}

PropertyBagFile PropertyBagFile::LoadBytes(std::string_view sBytes, const std::string& sName,
                                           const IBagPictures& pictures) {
    BagDocument document;
    try {
        document = ParseBagJson(sBytes);
    } catch (const BagJsonError& error) {
        throw PropertyBagFileError(sName + ": " + error.what());
    }
    CheckPictures(document.values, sName, pictures);
    return PropertyBagFile(std::move(document), pictures);
}

std::string PropertyBagFile::Text() const {
    return m_values.dump(2) + "\n";
}

void PropertyBagFile::Save(const std::filesystem::path& path) const {
    std::string sError;
    if (!ReplaceFileWith(path, Text(), sError))
        throw PropertyBagFileError(path.string() + ": cannot be written (" + sError + ")");
}

Variant PropertyBagFile::ReadProperty(std::string_view sName, const Variant& vDefault) {
    const KeyIndex::Members& members = Members();
    const std::size_t nPosition = m_keys.Find(members, sName);
    if (nPosition == members.size()) return vDefault;
    return BagValueFromJson(members[nPosition].second, *m_pPictures);
}

void PropertyBagFile::WriteProperty(std::string_view sName, const Variant& vValue,
                                    const Variant& /*vDefault*/) {
    Json value = BagValueToJson(vValue, *m_pPictures);
    KeyIndex::Members& members = Members();
    std::string sKey = WritableText(sName);
    if (const std::size_t nPosition = m_keys.Find(members, sKey); nPosition < members.size()) {
        members[nPosition].second = std::move(value);
        return;
    }
    members.emplace_back(std::move(sKey), std::move(value));
    m_keys.AddLast(members);
}

}  // namespace qv::bagfile
