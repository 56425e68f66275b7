#pragma once

#include <oaidl.h>

#include <string>

#include "../ComTestSupport.h"

namespace qv::scripthost {

// A call's arguments in the order the script wrote them (DISPPARAMS holds them last first).
VARIANT& Argument(const DISPPARAMS& params, UINT nIndex);

// A value as text: booleans as True and False, as the script prints them.
HRESULT VariantText(VARIANT& value, std::wstring& sText);
HRESULT ArgumentText(const DISPPARAMS& params, UINT nIndex, std::wstring& sText);
HRESULT ArgumentLong(const DISPPARAMS& params, UINT nIndex, LONG& nValue);
// An object argument, also when passed by reference; Nothing and non-objects are refused.
HRESULT ArgumentObject(const DISPPARAMS& params, UINT nIndex, com::test::ComRef<IUnknown>& object);

}  // namespace qv::scripthost
