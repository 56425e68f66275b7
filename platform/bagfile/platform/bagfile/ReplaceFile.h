#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qv::bagfile {

// Puts sText in place of the file in one step: it is written to a new file in the same
// folder, flushed to the disk and renamed over the old file (on POSIX systems the file keeps
// its permissions). On failure the old file stays as it was, no new file is left behind,
// and sError says why.
bool ReplaceFileWith(const std::filesystem::path& path, std::string_view sText,
                     std::string& sError);

}  // namespace qv::bagfile
