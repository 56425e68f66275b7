#pragma once

// Texts of the system's controls as UTF-8, and the names a page gives its controls. Header
// only, so that a program that drives a page from outside (a container) needs nothing else
// of this library.
#include <string>
#include <string_view>

#include "platform/windows/SystemApi.h"

namespace qv::windows {

inline std::wstring WideFromUtf8(std::string_view sUtf8) {
    const int nSize = static_cast<int>(sUtf8.size());
    const int nLength = ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.data(), nSize, nullptr, 0);
    std::wstring sWide(static_cast<std::size_t>(nLength), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.data(), nSize, sWide.data(), nLength);
    return sWide;
}

inline std::string Utf8FromWide(std::wstring_view sWide) {
    const int nSize = static_cast<int>(sWide.size());
    const int nLength =
        ::WideCharToMultiByte(CP_UTF8, 0, sWide.data(), nSize, nullptr, 0, nullptr, nullptr);
    std::string sText(static_cast<std::size_t>(nLength), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, sWide.data(), nSize, sText.data(), nLength, nullptr, nullptr);
    return sText;
}

// The window's text as UTF-8 and back.
inline std::string WindowTextUtf8(HWND hWnd) {
    std::wstring sWide(static_cast<std::size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    const int nLength = ::GetWindowTextW(hWnd, sWide.data(), static_cast<int>(sWide.size()));
    sWide.resize(static_cast<std::size_t>(nLength));
    return Utf8FromWide(sWide);
}

inline void SetWindowTextUtf8(HWND hWnd, std::string_view sText) {
    ::SetWindowTextW(hWnd, WideFromUtf8(sText).c_str());
}

// The window property that holds the name a page gave the control of that window, as
// NUL-terminated UTF-8 in the page's memory while the control lives.
inline constexpr wchar_t kPageControlNameProperty[] = L"QvPageControlName";

// The name a page gave the control whose window that is, for those who drive a page from
// outside (a test, a container's script); "" for any other window.
inline std::string PageControlName(HWND hWnd) {
    const auto* sName = static_cast<const char*>(::GetPropW(hWnd, kPageControlNameProperty));
    return sName ? std::string(sName) : std::string();
}

}  // namespace qv::windows
