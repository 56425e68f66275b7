#pragma once

#include "platform/host/PropertyPage.h"

#include <oaidl.h>

namespace qv::com {

// An object the designer selected, reached by name through its IDispatch: what a
// property page reads and writes. Its errors come back as the host's errors (the
// number it raised with DISP_E_EXCEPTION, its text).
class SelectedDispatch : public host::ISelectedObject {
  public:
    explicit SelectedDispatch(IDispatch* pDispatch) : m_pDispatch(pDispatch) {
        m_pDispatch->AddRef();
    }
    ~SelectedDispatch() override { m_pDispatch->Release(); }
    SelectedDispatch(const SelectedDispatch&) = delete;
    SelectedDispatch& operator=(const SelectedDispatch&) = delete;

    Variant GetProperty(std::string_view sName) override;
    void LetProperty(std::string_view sName, const Variant& vValue) override;

  private:
    ::DISPID IdOf(std::string_view sName) const;

    IDispatch* m_pDispatch;
};

// The host's error for a failed automation call.
[[noreturn]] void RaiseCallError(HRESULT hr, EXCEPINFO& excep);

}  // namespace qv::com
