#include "ScriptFile.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace qv::scripthost {

namespace {

std::wstring Decode(const std::string& bytes, UINT nCodePage, size_t nSkip) {
    const char* pData = bytes.data() + nSkip;
    const int nSize = static_cast<int>(bytes.size() - nSkip);
    const int nChars = ::MultiByteToWideChar(nCodePage, 0, pData, nSize, nullptr, 0);
    std::wstring sText(static_cast<size_t>(nChars), L'\0');
    ::MultiByteToWideChar(nCodePage, 0, pData, nSize, sText.data(), nChars);
    return sText;
}

bool StartsWith(const std::string& bytes, const std::string& sMark) {
    return bytes.compare(0, sMark.size(), sMark) == 0;
}

}  // namespace

std::optional<std::wstring> ReadScriptFile(const std::wstring& sPath) {
    std::ifstream file(sPath.c_str(), std::ios::binary);
    if (!file) return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (StartsWith(bytes, "\xFF\xFE")) {
        std::wstring sText((bytes.size() - 2) / 2, L'\0');
        bytes.copy(reinterpret_cast<char*>(sText.data()), sText.size() * 2, 2);
        return sText;
    }
    if (StartsWith(bytes, "\xEF\xBB\xBF")) return Decode(bytes, CP_UTF8, 3);
    return Decode(bytes, CP_ACP, 0);
}

}  // namespace qv::scripthost
