#include "com/server/VariantBridge.h"

#include "platform/HostError.h"

#include "com/server/OleObjects.h"

namespace qv::com {

std::string Utf8FromBstr(const wchar_t* sText, int nLength) {
    if (!sText || nLength <= 0) return {};
    const int nBytes =
        ::WideCharToMultiByte(CP_UTF8, 0, sText, nLength, nullptr, 0, nullptr, nullptr);
    std::string sOut(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, sText, nLength, sOut.data(), nBytes, nullptr, nullptr);
    return sOut;
}

BSTR BstrFromUtf8(const std::string& sText) {
    const int nLength = static_cast<int>(sText.size());
    const int nWide = ::MultiByteToWideChar(CP_UTF8, 0, sText.data(), nLength, nullptr, 0);
    BSTR bstr = ::SysAllocStringLen(nullptr, static_cast<UINT>(nWide));
    if (bstr) ::MultiByteToWideChar(CP_UTF8, 0, sText.data(), nLength, bstr, nWide);
    return bstr;
}

namespace {

Variant FromPlain(VARTYPE vt, const void* pValue) {
    switch (vt) {
        case VT_EMPTY:
            return Variant();
        case VT_I2:
            return Variant(*static_cast<const SHORT*>(pValue));
        case VT_I4:
        case VT_INT:
            return Variant(static_cast<Long>(*static_cast<const LONG*>(pValue)));
        case VT_UI1:
            return Variant(Integer{*static_cast<const BYTE*>(pValue)});
        case VT_R4:
            return Variant(*static_cast<const float*>(pValue));
        case VT_R8:
        case VT_DATE:
            return Variant(*static_cast<const double*>(pValue));
        case VT_BOOL:
            return Variant(Boolean(*static_cast<const VARIANT_BOOL*>(pValue)));
        case VT_BSTR: {
            const BSTR bstr = *static_cast<const BSTR*>(pValue);
            return Variant(Utf8FromBstr(bstr, static_cast<int>(::SysStringLen(bstr))));
        }
        case VT_DISPATCH:
        case VT_UNKNOWN: {
            IUnknown* pObject = *static_cast<IUnknown* const*>(pValue);
            if (pObject == nullptr) return Variant::Nothing();
            return HostObjectFromOle(*pObject);
        }
        default:
            break;
    }
    throw HostError(err::kTypeMismatch);
}

}  // namespace

Variant FromVariant(const VARIANT& var) {
    if (V_VT(&var) == (VT_BYREF | VT_VARIANT)) return FromVariant(*V_VARIANTREF(&var));
    if (V_VT(&var) & VT_BYREF) return FromPlain(V_VT(&var) & ~VT_BYREF, V_BYREF(&var));
    if (V_VT(&var) == VT_I1 || V_VT(&var) == VT_UI2 || V_VT(&var) == VT_UI4 ||
        V_VT(&var) == VT_CY || V_VT(&var) == VT_DECIMAL) {
        VARIANT converted;
        ::VariantInit(&converted);
        if (FAILED(::VariantChangeType(&converted, const_cast<VARIANT*>(&var), 0, VT_R8)))
            throw HostError(err::kTypeMismatch);
        return Variant(V_R8(&converted));
    }
    return FromPlain(V_VT(&var), &var.lVal);
}

void ToVariant(const Variant& vValue, VARIANT& var) {
    ::VariantInit(&var);
    switch (vValue.Type()) {
        case VarType::Empty:
            return;
        case VarType::Integer:
            V_VT(&var) = VT_I2, V_I2(&var) = vValue.IntegerValue();
            return;
        case VarType::Long:
            V_VT(&var) = VT_I4, V_I4(&var) = vValue.LongValue();
            return;
        case VarType::Single:
            V_VT(&var) = VT_R4, V_R4(&var) = vValue.SingleValue();
            return;
        case VarType::Double:
            V_VT(&var) = VT_R8, V_R8(&var) = vValue.DoubleValue();
            return;
        case VarType::String:
            V_VT(&var) = VT_BSTR, V_BSTR(&var) = BstrFromUtf8(vValue.StringValue());
            return;
        case VarType::Boolean:
            V_VT(&var) = VT_BOOL, V_BOOL(&var) = vValue.BooleanValue().Value();
            return;
        case VarType::Object:
            V_VT(&var) = VT_DISPATCH;
            V_DISPATCH(&var) = vValue.IsNothing() ? nullptr : OleObjectFromHost(vValue.Object());
            return;
    }
}

HRESULT StoreConverted(VARIANT& value, VARTYPE vtTarget, void* pTarget) {
    const HRESULT hr = ::VariantChangeType(&value, &value, 0, vtTarget);
    if (FAILED(hr)) return hr;
    switch (vtTarget) {
        case VT_BSTR:
            ::SysFreeString(*static_cast<BSTR*>(pTarget));
            *static_cast<BSTR*>(pTarget) = V_BSTR(&value);
            V_VT(&value) = VT_EMPTY;  // the string moved into the target
            return S_OK;
        case VT_I2:
            *static_cast<SHORT*>(pTarget) = V_I2(&value);
            return S_OK;
        case VT_I4:
            *static_cast<LONG*>(pTarget) = V_I4(&value);
            return S_OK;
        case VT_R4:
            *static_cast<FLOAT*>(pTarget) = V_R4(&value);
            return S_OK;
        case VT_R8:
            *static_cast<DOUBLE*>(pTarget) = V_R8(&value);
            return S_OK;
        case VT_BOOL:
            *static_cast<VARIANT_BOOL*>(pTarget) = V_BOOL(&value);
            return S_OK;
        default:
            return DISP_E_TYPEMISMATCH;
    }
}

HRESULT WriteByRef(const Variant& vValue, VARIANT& var) {
    if (!(V_VT(&var) & VT_BYREF)) return S_OK;
    VARIANT value;
    ToVariant(vValue, value);
    if (V_VT(&var) == (VT_BYREF | VT_VARIANT)) {
        ::VariantClear(V_VARIANTREF(&var));
        *V_VARIANTREF(&var) = value;
        return S_OK;
    }
    const HRESULT hr = StoreConverted(value, V_VT(&var) & ~VT_BYREF, V_BYREF(&var));
    ::VariantClear(&value);
    return hr;
}

}  // namespace qv::com
