#include "platform/bagfile/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace qv::bagfile {

namespace {

// A new file beside the target, removed again unless it was renamed into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
        // Appended, not prefixed with operator+, which GCC 12 at -O3 flags with a false -Wrestrict.
        std::string sName = ".";
        sName += target.filename().string();
        sName += ".XXXXXX";
        m_sPath = (folder / sName).string();
        m_nFile = mkstemp(m_sPath.data());
        m_bCreated = m_nFile >= 0;
    }
    ~TemporaryFile() {
        if (m_nFile >= 0) close(m_nFile);
        if (m_bCreated && !m_bRenamed) unlink(m_sPath.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool Created() const { return m_bCreated; }
    int Descriptor() const { return m_nFile; }

    // False when the data may not have reached the file.
    bool Close() {
        const int nFile = m_nFile;
        m_nFile = -1;
        return close(nFile) == 0;
    }
    bool RenameTo(const std::filesystem::path& target) {
        m_bRenamed = std::rename(m_sPath.c_str(), target.c_str()) == 0;
        return m_bRenamed;
    }

  private:
    std::string m_sPath;
    int m_nFile = -1;
    bool m_bCreated = false;
    bool m_bRenamed = false;
};

bool WriteAll(int nFile, std::string_view sText) {
    while (!sText.empty()) {
        const ssize_t nWritten = write(nFile, sText.data(), sText.size());
        if (nWritten < 0 && errno == EINTR) continue;
        if (nWritten == 0) errno = EIO;
        if (nWritten <= 0) return false;
        sText.remove_prefix(static_cast<std::size_t>(nWritten));
    }
    return true;
}

// The permissions of the file being replaced, or those a new file gets.
mode_t ModeFor(const std::filesystem::path& target) {
    struct stat status {};
    if (stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode))
        return status.st_mode & 07777;
    const mode_t nMask = umask(0);
    umask(nMask);
    return 0666 & ~nMask;
}

bool Fail(std::string& sError) {
    sError = std::strerror(errno);
    return false;
}

}  // namespace

bool ReplaceFileWith(const std::filesystem::path& path, std::string_view sText,
                     std::string& sError) {
    TemporaryFile file(path);
    if (!file.Created()) return Fail(sError);
    if (!WriteAll(file.Descriptor(), sText)) return Fail(sError);
    if (fchmod(file.Descriptor(), ModeFor(path)) != 0) return Fail(sError);
    if (fsync(file.Descriptor()) != 0) return Fail(sError);
    if (!file.Close()) return Fail(sError);
    if (!file.RenameTo(path)) return Fail(sError);
    return true;
}

}  // namespace qv::bagfile
