#pragma once

#include "platform/windows/SystemApi.h"

namespace qv::windows {

// Holds one reference to a COM object and releases it.
template <typename TInterface>
class ComRef {
  public:
    ComRef() = default;
    ~ComRef() {
        if (m_pObject) m_pObject->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    TInterface** Out() { return &m_pObject; }
    TInterface* operator->() const { return m_pObject; }
    TInterface* Get() const { return m_pObject; }

  private:
    TInterface* m_pObject = nullptr;
};

// COM for this thread while it is needed; left as it was when the thread already has it.
class ComScope {
  public:
    ComScope() : m_hResult(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(m_hResult)) ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT m_hResult;
};

}  // namespace qv::windows
