#include "HostOutput.h"

#include <windows.h>

namespace qv::scripthost {

namespace {

void WriteLine(DWORD nStdHandle, const std::wstring& sLine) {
    const std::wstring sText = sLine + L"\r\n";
    const int nBytes = ::WideCharToMultiByte(
        CP_ACP, 0, sText.data(), static_cast<int>(sText.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, sText.data(), static_cast<int>(sText.size()), bytes.data(),
                          nBytes, nullptr, nullptr);
    DWORD nWritten = 0;
    ::WriteFile(::GetStdHandle(nStdHandle), bytes.data(), static_cast<DWORD>(bytes.size()),
                &nWritten, nullptr);
}

}  // namespace

void WriteOutputLine(const std::wstring& sLine) {
    WriteLine(STD_OUTPUT_HANDLE, sLine);
}

void WriteErrorLine(const std::wstring& sLine) {
    WriteLine(STD_ERROR_HANDLE, sLine);
}

}  // namespace qv::scripthost
