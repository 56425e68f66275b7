#include "VariantArguments.h"

namespace qv::scripthost {

using com::test::ComRef;

namespace {

// Clears the copy it holds when it goes.
struct OwnedVariant {
    VARIANT v;
    OwnedVariant() { ::VariantInit(&v); }
    ~OwnedVariant() { ::VariantClear(&v); }
    OwnedVariant(const OwnedVariant&) = delete;
    OwnedVariant& operator=(const OwnedVariant&) = delete;
};

}  // namespace

VARIANT& Argument(const DISPPARAMS& params, UINT nIndex) {
    return params.rgvarg[params.cArgs - 1 - nIndex];
}

HRESULT VariantText(VARIANT& value, std::wstring& sText) {
    OwnedVariant text;
    const HRESULT hr = ::VariantChangeType(&text.v, &value, VARIANT_ALPHABOOL, VT_BSTR);
    if (FAILED(hr)) return hr;
    sText.assign(V_BSTR(&text.v), ::SysStringLen(V_BSTR(&text.v)));
    return S_OK;
}

HRESULT ArgumentText(const DISPPARAMS& params, UINT nIndex, std::wstring& sText) {
    return VariantText(Argument(params, nIndex), sText);
}

HRESULT ArgumentLong(const DISPPARAMS& params, UINT nIndex, LONG& nValue) {
    OwnedVariant number;
    const HRESULT hr = ::VariantChangeType(&number.v, &Argument(params, nIndex), 0, VT_I4);
    if (SUCCEEDED(hr)) nValue = V_I4(&number.v);
    return hr;
}

HRESULT ArgumentObject(const DISPPARAMS& params, UINT nIndex, ComRef<IUnknown>& object) {
    OwnedVariant value;
    const HRESULT hr = ::VariantCopyInd(&value.v, &Argument(params, nIndex));
    if (FAILED(hr)) return hr;
    if ((V_VT(&value.v) != VT_DISPATCH && V_VT(&value.v) != VT_UNKNOWN) || !V_UNKNOWN(&value.v))
        return DISP_E_TYPEMISMATCH;
    return V_UNKNOWN(&value.v)->QueryInterface(IID_IUnknown, object.OutVoid());
}

}  // namespace qv::scripthost
