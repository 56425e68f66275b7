#include "com/server/DualInterface.h"

#include <cstring>
#include <vector>

#include "com/server/TypeInfo.h"
#include "com/server/VariantBridge.h"

namespace qv::com {

namespace {

// A result variable holds no old value the call must free: it starts empty, so a failed
// call leaves nothing behind for the caller to release.
void ClearTarget(VARTYPE vt, void* pTarget) {
    switch (vt) {
        case VT_I2:
        case VT_BOOL:
            *static_cast<SHORT*>(pTarget) = 0;
            break;
        case VT_I4:
            *static_cast<LONG*>(pTarget) = 0;
            break;
        case VT_R4:
            *static_cast<float*>(pTarget) = 0;
            break;
        case VT_R8:
            *static_cast<double*>(pTarget) = 0;
            break;
        case VT_BSTR:
            *static_cast<BSTR*>(pTarget) = nullptr;
            break;
        case VT_VARIANT:
            ::VariantInit(static_cast<VARIANT*>(pTarget));
            break;
        case VT_DISPATCH:
            *static_cast<void**>(pTarget) = nullptr;
            break;
        default:
            break;
    }
}

HRESULT StoreObject(VARIANT& var, const IID& iid, void* pTarget) {
    if (V_VT(&var) == VT_EMPTY) return S_OK;
    if (::VariantChangeType(&var, &var, 0, VT_DISPATCH) != S_OK) return DISP_E_TYPEMISMATCH;
    if (!V_DISPATCH(&var)) return S_OK;  // Nothing
    return V_DISPATCH(&var)->QueryInterface(iid, static_cast<void**>(pTarget)) == S_OK
               ? S_OK
               : DISP_E_TYPEMISMATCH;
}

// The dispatch table's result into the caller's variable, as its declared type.
HRESULT StoreResult(VARIANT& var, VARTYPE vt, void* pTarget, const IID* pInterfaceId) {
    if (vt == VT_VARIANT) {
        std::memcpy(pTarget, &var, sizeof var);  // the caller owns it now
        ::VariantInit(&var);
        return S_OK;
    }
    if (vt == VT_DISPATCH) return StoreObject(var, *pInterfaceId, pTarget);
    return StoreConverted(var, vt, pTarget);
}

// The error a host raised, for a vtable caller: its code as the result, and its number's
// text and source in the thread's error information.
HRESULT ReportError(EXCEPINFO& info) {
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    ICreateErrorInfo* pCreate = nullptr;
    if (::CreateErrorInfo(&pCreate) == S_OK) {
        pCreate->SetGUID(ControlInterfaceId());
        pCreate->SetSource(info.bstrSource);
        pCreate->SetDescription(info.bstrDescription);
        pCreate->SetHelpFile(info.bstrHelpFile);
        pCreate->SetHelpContext(info.dwHelpContext);
        IErrorInfo* pInfo = nullptr;
        if (pCreate->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&pInfo)) == S_OK) {
            ::SetErrorInfo(0, pInfo);
            pInfo->Release();
        }
        pCreate->Release();
    }
    ::SysFreeString(info.bstrSource);
    ::SysFreeString(info.bstrDescription);
    ::SysFreeString(info.bstrHelpFile);
    return FAILED(info.scode) ? info.scode : E_FAIL;
}

}  // namespace

HRESULT DualInterface::Forward(::DISPID nDispId, WORD wFlags, ResultSlot result,
                               std::initializer_list<VARIANT> args) {
    if (result.pTarget == nullptr && result.vt != VT_EMPTY) return E_POINTER;
    if (result.pTarget) ClearTarget(result.vt, result.pTarget);
    // DISPPARAMS holds the arguments last to first.
    std::vector<VARIANT> reversed(std::rbegin(args), std::rend(args));
    ::DISPID nNamed = DISPID_PROPERTYPUT;
    const bool bPut = (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    DISPPARAMS params{reversed.data(), bPut ? &nNamed : nullptr, static_cast<UINT>(reversed.size()),
                      bPut ? 1u : 0u};
    VARIANT vResult;
    ::VariantInit(&vResult);
    EXCEPINFO info{};
    ::SetErrorInfo(0, nullptr);
    HRESULT hr = m_owner.Invoke(nDispId, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params,
                                result.pTarget ? &vResult : nullptr, &info, nullptr);
    if (hr == DISP_E_EXCEPTION) return ReportError(info);
    if (SUCCEEDED(hr) && result.pTarget)
        hr = StoreResult(vResult, result.vt, result.pTarget, result.pInterfaceId);
    ::VariantClear(&vResult);
    return hr;
}

STDMETHODIMP DualInterface::QueryInterface(REFIID riid, void** ppv) {
    return m_owner.QueryInterface(riid, ppv);
}

STDMETHODIMP_(ULONG) DualInterface::AddRef() {
    return m_owner.AddRef();
}

STDMETHODIMP_(ULONG) DualInterface::Release() {
    return m_owner.Release();
}

STDMETHODIMP DualInterface::GetTypeInfoCount(UINT* pcTInfo) {
    return m_owner.GetTypeInfoCount(pcTInfo);
}

STDMETHODIMP DualInterface::GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) {
    return m_owner.GetTypeInfo(iTInfo, lcid, ppTInfo);
}

STDMETHODIMP DualInterface::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                          ::DISPID* rgDispId) {
    return m_owner.GetIDsOfNames(riid, rgszNames, cNames, lcid, rgDispId);
}

STDMETHODIMP DualInterface::Invoke(::DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                   DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                   EXCEPINFO* pExcepInfo, UINT* puArgErr) {
    return m_owner.Invoke(dispIdMember, riid, lcid, wFlags, pDispParams, pVarResult, pExcepInfo,
                          puArgErr);
}

STDMETHODIMP DualInterface::InterfaceSupportsErrorInfo(REFIID riid) {
    return riid == ControlInterfaceId() ? S_OK : S_FALSE;
}

}  // namespace qv::com
