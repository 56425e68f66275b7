#pragma once

#include <oleidl.h>

#include <string>
#include <utility>
#include <vector>

namespace qv::com {

// What the control does for each verb it offers, in the order a container lists them.
struct VerbInfo {
    LONG lVerb;
    const wchar_t* sName;  // with the menu's access key
    DWORD fuFlags;         // MF_ flags of the menu item
    DWORD grfAttribs;      // OLEVERBATTRIB_
};

const std::vector<VerbInfo>& ControlVerbs();

// An enumerator over the verbs; each name it hands out is the caller's to free.
HRESULT CreateVerbEnum(IEnumOLEVERB** ppEnum);

// The verbs as the registry keeps them under the class: the verb's number and
// "name,menu flags,attributes".
std::vector<std::pair<std::wstring, std::wstring>> RegisteredVerbs();

}  // namespace qv::com
