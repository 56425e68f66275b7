#pragma once

#include <windows.h>

namespace qv::com {

// The control's two own property pages, by the class identifiers of the type library data.
const CLSID& GeneralPageClassId();
const CLSID& CheckPageClassId();
HRESULT CreateGeneralPage(REFIID riid, void** ppv);
HRESULT CreateCheckPage(REFIID riid, void** ppv);

}  // namespace qv::com
