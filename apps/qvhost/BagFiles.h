#pragma once

#include <filesystem>
#include <memory>

#include "platform/bagfile/BagPictures.h"
#include "qvhost/HostPlatform.h"

namespace qv::qvhost {

// Property-bag files with the platform's pictures; a file that cannot be read or written
// is a HostPlatformError.
std::unique_ptr<IBagFile> NewBagFile(const bagfile::IBagPictures& pictures);
std::unique_ptr<IBagFile> LoadBagFile(const std::filesystem::path& path,
                                      const bagfile::IBagPictures& pictures);

}  // namespace qv::qvhost
