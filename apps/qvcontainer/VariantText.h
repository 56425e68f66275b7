#pragma once

#include <oaidl.h>

#include <string>

#include "platform/Variant.h"

namespace qv::container {

// A script's value as an automation argument (strings are UTF-8 in the script).
void ToAutomation(const Variant& vValue, VARIANT& vOut);
// An automation value as the transcript prints it, in the host harness's formats.
std::string FormatAutomation(const VARIANT& vValue);

std::wstring WideFromUtf8(const std::string& sText);
std::string Utf8FromWide(const wchar_t* sText, int nLength = -1);

}  // namespace qv::container
