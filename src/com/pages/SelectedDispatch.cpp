#include "com/pages/SelectedDispatch.h"

#include <string>

#include "com/server/VariantBridge.h"
#include "platform/HostError.h"

namespace qv::com {

namespace {

std::wstring WideName(std::string_view sName) {
    return std::wstring(sName.begin(), sName.end());
}

// A control error (FACILITY_CONTROL) carries the host's number in its low word.
Long NumberOfException(const EXCEPINFO& excep) {
    if (excep.wCode != 0) return excep.wCode;
    if (HRESULT_FACILITY(excep.scode) == FACILITY_CONTROL) return HRESULT_CODE(excep.scode);
    return err::kInvalidCall;
}

Long NumberOfResult(HRESULT hr) {
    switch (hr) {
        case DISP_E_UNKNOWNNAME:
        case DISP_E_MEMBERNOTFOUND:
            return err::kNoSuchMember;
        case DISP_E_TYPEMISMATCH:
            return err::kTypeMismatch;
        case DISP_E_OVERFLOW:
            return err::kOverflow;
        case DISP_E_PARAMNOTOPTIONAL:
            return err::kArgumentNotOptional;
        case DISP_E_BADPARAMCOUNT:
            return err::kWrongArguments;
        case E_OUTOFMEMORY:
            return err::kOutOfMemory;
        default:
            return HRESULT_FACILITY(hr) == FACILITY_CONTROL ? HRESULT_CODE(hr) : err::kInvalidCall;
    }
}

}  // namespace

void RaiseCallError(HRESULT hr, EXCEPINFO& excep) {
    if (hr != DISP_E_EXCEPTION) throw HostError(NumberOfResult(hr));
    if (excep.pfnDeferredFillIn) excep.pfnDeferredFillIn(&excep);
    const Long nNumber = NumberOfException(excep);
    std::string sText;
    if (excep.bstrDescription)
        sText = Utf8FromBstr(excep.bstrDescription,
                             static_cast<int>(::SysStringLen(excep.bstrDescription)));
    ::SysFreeString(excep.bstrSource);
    ::SysFreeString(excep.bstrDescription);
    ::SysFreeString(excep.bstrHelpFile);
    if (sText.empty()) throw HostError(nNumber);
    throw HostError(nNumber, sText);
}

::DISPID SelectedDispatch::IdOf(std::string_view sName) const {
    std::wstring sWide = WideName(sName);
    LPOLESTR pName = sWide.data();
    ::DISPID nId = DISPID_UNKNOWN;
    const HRESULT hr = m_pDispatch->GetIDsOfNames(IID_NULL, &pName, 1, LOCALE_USER_DEFAULT, &nId);
    if (FAILED(hr)) throw HostError(err::kNoSuchMember);
    return nId;
}

Variant SelectedDispatch::GetProperty(std::string_view sName) {
    DISPPARAMS params{};
    VARIANT result;
    ::VariantInit(&result);
    EXCEPINFO excep{};
    const HRESULT hr = m_pDispatch->Invoke(IdOf(sName), IID_NULL, LOCALE_USER_DEFAULT,
                                           DISPATCH_PROPERTYGET, &params, &result, &excep, nullptr);
    if (FAILED(hr)) RaiseCallError(hr, excep);
    try {
        Variant vValue = FromVariant(result);
        ::VariantClear(&result);
        return vValue;
    } catch (...) {
        ::VariantClear(&result);
        throw;
    }
}

void SelectedDispatch::LetProperty(std::string_view sName, const Variant& vValue) {
    const ::DISPID nId = IdOf(sName);
    VARIANT arg;
    ::VariantInit(&arg);
    ToVariant(vValue, arg);
    ::DISPID nNamed = DISPID_PROPERTYPUT;
    DISPPARAMS params{&arg, &nNamed, 1, 1};
    EXCEPINFO excep{};
    const HRESULT hr = m_pDispatch->Invoke(nId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                           &params, nullptr, &excep, nullptr);
    ::VariantClear(&arg);
    if (FAILED(hr)) RaiseCallError(hr, excep);
}

}  // namespace qv::com
