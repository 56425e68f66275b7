// The system's calls: a new file made beside the target, written, flushed and moved over
// the target with MoveFileExW, which replaces it in one step.
#include "platform/bagfile/ReplaceFile.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <string>

namespace qv::bagfile {

namespace {

// A new file beside the target, removed again unless it was moved into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
        wchar_t sPath[MAX_PATH] = {};
        m_bCreated = ::GetTempFileNameW(folder.c_str(), L"qvb", 0, sPath) != 0;
        if (!m_bCreated) return;
        m_sPath = sPath;
        m_hFile = ::CreateFileW(sPath, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~TemporaryFile() {
        if (m_hFile != INVALID_HANDLE_VALUE) ::CloseHandle(m_hFile);
        if (m_bCreated && !m_bMoved) ::DeleteFileW(m_sPath.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool Opened() const { return m_hFile != INVALID_HANDLE_VALUE; }

    bool WriteAll(std::string_view sText) {
        while (!sText.empty()) {
            DWORD nWritten = 0;
            const auto nChunk = static_cast<DWORD>(std::min<std::size_t>(sText.size(), 1u << 30));
            if (!::WriteFile(m_hFile, sText.data(), nChunk, &nWritten, nullptr)) return false;
            if (nWritten == 0) {
                ::SetLastError(ERROR_WRITE_FAULT);
                return false;
            }
            sText.remove_prefix(nWritten);
        }
        return true;
    }
    // False when the data may not have reached the disk.
    bool FlushAndClose() {
        const bool bFlushed = ::FlushFileBuffers(m_hFile) != 0;
        const bool bClosed = ::CloseHandle(m_hFile) != 0;
        m_hFile = INVALID_HANDLE_VALUE;
        return bFlushed && bClosed;
    }
    bool MoveTo(const std::filesystem::path& target) {
        m_bMoved = ::MoveFileExW(m_sPath.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        return m_bMoved;
    }

  private:
    std::wstring m_sPath;
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    bool m_bCreated = false;
    bool m_bMoved = false;
};

// The system's text for the last error, in English where it has one.
bool Fail(std::string& sError) {
    const DWORD nError = ::GetLastError();
    char sText[256] = {};
    const DWORD nLength = ::FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, nError,
        MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), sText, sizeof sText, nullptr);
    std::string sMessage(sText, nLength);
    while (!sMessage.empty() && (sMessage.back() == '\n' || sMessage.back() == '\r' ||
                                 sMessage.back() == ' ' || sMessage.back() == '.'))
        sMessage.pop_back();
    sError = sMessage.empty() ? "system error " + std::to_string(nError) : sMessage;
    return false;
}

}  // namespace

bool ReplaceFileWith(const std::filesystem::path& path, std::string_view sText,
                     std::string& sError) {
    TemporaryFile file(path);
    if (!file.Opened()) return Fail(sError);
    if (!file.WriteAll(sText)) return Fail(sError);
    if (!file.FlushAndClose()) return Fail(sError);
    if (!file.MoveTo(path)) return Fail(sError);
    return true;
}

}  // namespace qv::bagfile
