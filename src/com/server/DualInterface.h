#pragma once

// Include after the control's headers: widl's header brings the system's.
#include <QV_ColorListBox_h.h>

#include <initializer_list>
#include <type_traits>

namespace qv::com {

// The vtable side of the dual interface _ColorListBox. Every method is generated from the
// dispatch table's data and hands its arguments, as VARIANTs, to the object's own
// IDispatch::Invoke by the member's identifier, so both sides of the interface run the
// same code. A host error comes back as its own error code with an IErrorInfo that
// carries its number and text.
class DualInterface final : public _ColorListBox, public ISupportErrorInfo {
  public:
    explicit DualInterface(IDispatch& owner) : m_owner(owner) {}

    // IUnknown and IDispatch: those of the owning object.
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* pcTInfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                               ::DISPID* rgDispId) override;
    STDMETHODIMP Invoke(::DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                        DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                        UINT* puArgErr) override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override;

  private:
    // Where a call's result goes: the type it is converted to and the caller's variable.
    struct ResultSlot {
        VARTYPE vt;
        void* pTarget;
        const IID* pInterfaceId;  // of an object result
    };

    template <VARTYPE vt, typename T>
    static VARIANT In(T value) {
        VARIANT var;
        ::VariantInit(&var);
        V_VT(&var) = vt;
        if constexpr (vt == VT_VARIANT) {
            return value;  // borrowed for the call, as the caller's own
        } else if constexpr (vt == VT_I2) {
            V_I2(&var) = value;
        } else if constexpr (vt == VT_I4) {
            V_I4(&var) = static_cast<LONG>(value);
        } else if constexpr (vt == VT_R4) {
            V_R4(&var) = value;
        } else if constexpr (vt == VT_R8) {
            V_R8(&var) = value;
        } else if constexpr (vt == VT_BSTR) {
            V_BSTR(&var) = value;
        } else if constexpr (vt == VT_BOOL) {
            V_BOOL(&var) = value;
        } else {
            static_assert(vt == VT_DISPATCH);
            V_DISPATCH(&var) = value;
        }
        return var;
    }

    template <VARTYPE vt, typename T>
    static VARIANT ByRef(T* pValue) {
        VARIANT var;
        ::VariantInit(&var);
        V_VT(&var) = vt | VT_BYREF;
        V_BYREF(&var) = pValue;
        return var;
    }

    template <VARTYPE vt, typename T>
    static ResultSlot Out(T* pTarget) {
        if constexpr (vt == VT_DISPATCH) {
            return {vt, pTarget, &__uuidof(std::remove_pointer_t<T>)};
        } else {
            return {vt, pTarget, nullptr};
        }
    }

    static ResultSlot NoResult() { return {VT_EMPTY, nullptr, nullptr}; }

    HRESULT Forward(::DISPID nDispId, WORD wFlags, ResultSlot result,
                    std::initializer_list<VARIANT> args);

  public:
#include <QV_ColorListBox_forwarding.inc>

  private:
    IDispatch& m_owner;
};

}  // namespace qv::com
