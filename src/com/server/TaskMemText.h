#pragma once

#include <objbase.h>

#include <cstring>
#include <cwchar>

namespace qv::com {

// A copy of the text in task memory, which the caller frees with CoTaskMemFree; nullptr
// when there is no memory for it.
inline LPOLESTR TaskMemText(const wchar_t* sText) {
    const std::size_t nBytes = (std::wcslen(sText) + 1) * sizeof(wchar_t);
    auto* pCopy = static_cast<LPOLESTR>(::CoTaskMemAlloc(nBytes));
    if (pCopy) std::memcpy(pCopy, sText, nBytes);
    return pCopy;
}

}  // namespace qv::com
