#include "qvhost/BagFiles.h"

#include "platform/bagfile/PropertyBagFile.h"

namespace qv::qvhost {

namespace {

class BagFile : public IBagFile {
  public:
    explicit BagFile(bagfile::PropertyBagFile bag) : m_bag(std::move(bag)) {}
    Variant ReadProperty(std::string_view sName, const Variant& vDefault) override {
        return m_bag.ReadProperty(sName, vDefault);
    }
    void WriteProperty(std::string_view sName, const Variant& vValue,
                       const Variant& vDefault) override {
        m_bag.WriteProperty(sName, vValue, vDefault);
    }
    void Save(const std::filesystem::path& path) const override {
        try {
            m_bag.Save(path);
        } catch (const bagfile::PropertyBagFileError& error) {
            throw HostPlatformError(error.what());
        }
    }

  private:
    bagfile::PropertyBagFile m_bag;
};

}  // namespace

std::unique_ptr<IBagFile> NewBagFile(const bagfile::IBagPictures& pictures) {
    return std::make_unique<BagFile>(bagfile::PropertyBagFile(pictures));
}

std::unique_ptr<IBagFile> LoadBagFile(const std::filesystem::path& path,
                                      const bagfile::IBagPictures& pictures) {
    try {
        return std::make_unique<BagFile>(bagfile::PropertyBagFile::Load(path, pictures));
    } catch (const bagfile::PropertyBagFileError& error) {
        throw HostPlatformError(error.what());
    }
}

}  // namespace qv::qvhost
