#include "com/server/ComBag.h"

#include <string>

#include "com/server/StreamBag.h"
#include "com/server/VariantBridge.h"
#include "platform/HostError.h"

namespace qv::com {

namespace {

std::wstring WideName(std::string_view sName) {
    return std::wstring(sName.begin(), sName.end());  // the keys are plain ASCII
}

}  // namespace

Variant ComBag::ReadProperty(std::string_view sName, const Variant& vDefault) {
    VARIANT var;
    ::VariantInit(&var);
    if (FAILED(m_bag.Read(WideName(sName).c_str(), &var, m_pErrorLog))) return vDefault;
    Variant vValue = vDefault;
    try {
        vValue = FromVariant(var);
        if (vValue.IsNothing() || vValue.IsEmpty()) vValue = vDefault;
    } catch (const HostError&) {
    }
    ::VariantClear(&var);
    return vValue;
}

void ComBag::WriteProperty(std::string_view sName, const Variant& vValue, const Variant& vDefault) {
    if (IsDefaultValue(vValue, vDefault) || vValue.IsNothing() || vValue.IsEmpty()) return;
    VARIANT var;
    ToVariant(vValue, var);
    const HRESULT hr = m_bag.Write(WideName(sName).c_str(), &var);
    ::VariantClear(&var);
    if (FAILED(hr) && SUCCEEDED(m_hrWrite)) m_hrWrite = hr;
}

}  // namespace qv::com
