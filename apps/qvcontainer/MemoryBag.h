#pragma once

#include <ocidl.h>

#include <string>
#include <utility>
#include <vector>

namespace qv::container {

// A property bag the container keeps in memory: the values in the order the control wrote
// them, as automation values.
class MemoryBag final : public IPropertyBag {
  public:
    MemoryBag() = default;
    ~MemoryBag();
    MemoryBag(const MemoryBag&) = delete;
    MemoryBag& operator=(const MemoryBag&) = delete;

    LONG References() const { return m_nRefs; }
    std::size_t Size() const { return m_values.size(); }
    const std::wstring& KeyAt(std::size_t nIndex) const { return m_values[nIndex].first; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++m_nRefs); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--m_nRefs); }
    STDMETHODIMP Read(LPCOLESTR pszPropName, VARIANT* pVar, IErrorLog* pErrorLog) override;
    STDMETHODIMP Write(LPCOLESTR pszPropName, VARIANT* pVar) override;

  private:
    std::vector<std::pair<std::wstring, VARIANT>> m_values;
    LONG m_nRefs = 0;
};

}  // namespace qv::container
