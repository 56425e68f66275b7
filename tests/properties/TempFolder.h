#pragma once

#include <stdlib.h>
#ifdef _WIN32
#include <process.h>
#endif

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv {

// A folder of its own for one test, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder() {
#ifdef _WIN32
        // No mkdtemp: a name of this process and a count, the first one that is new.
        static std::atomic<unsigned> s_nCount{0};
        for (int nTry = 0; nTry < 100 && m_path.empty(); ++nTry) {
            const auto path =
                std::filesystem::temp_directory_path() /
                ("qv_test_" + std::to_string(_getpid()) + "_" + std::to_string(s_nCount++));
            if (std::filesystem::create_directory(path)) m_path = path;
        }
        if (m_path.empty()) throw std::runtime_error("no temporary folder");
#else
        std::string sTemplate =
            (std::filesystem::temp_directory_path() / "qv_test_XXXXXX").string();
        if (mkdtemp(sTemplate.data()) == nullptr) throw std::runtime_error("no temporary folder");
        m_path = sTemplate;
#endif
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const {
        return m_path;
    }

    std::filesystem::path Write(const std::string& sName, const std::string& sText) const {
        const auto path = m_path / sName;
        std::ofstream(path, std::ios::binary) << sText;
        return path;
    }

    static std::string Read(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    // The names of the files in the folder.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::filesystem::path m_path;
};

}  // namespace qv
