#pragma once

#include <oaidl.h>

#include <string>

#include "platform/Variant.h"

namespace qv::com {

std::string Utf8FromBstr(const wchar_t* sText, int nLength);
BSTR BstrFromUtf8(const std::string& sText);

// An automation VARIANT as the dispatch table's value (a by-reference one by its target).
// Of objects, the system's fonts and pictures are carried across (OleObjects.h); others
// raise a type mismatch.
Variant FromVariant(const VARIANT& var);

// The value into a fresh VARIANT the caller clears.
void ToVariant(const Variant& vValue, VARIANT& var);

// Changes the value to the target's type and moves it into the target (the storage of a
// variable of that type); a string target's old string is freed. The caller clears the
// value afterwards.
HRESULT StoreConverted(VARIANT& value, VARTYPE vtTarget, void* pTarget);

// Stores the value into the target of a by-reference VARIANT, converted to the target's
// type (a VARIANT target takes it as it is).
HRESULT WriteByRef(const Variant& vValue, VARIANT& var);

}  // namespace qv::com
