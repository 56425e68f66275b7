#pragma once

#include <vector>

#include <oaidl.h>

namespace qv::com {

// A list of child ids as the enumeration a client walks (several selected items).
class ChildIdEnum final : public IEnumVARIANT {
  public:
    // The new enumeration with one reference, owned by the caller.
    static ChildIdEnum* Create(std::vector<LONG> aIds) { return new ChildIdEnum(std::move(aIds)); }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP Next(ULONG celt, VARIANT* rgVar, ULONG* pCeltFetched) override;
    STDMETHODIMP Skip(ULONG celt) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumVARIANT** ppEnum) override;

  private:
    explicit ChildIdEnum(std::vector<LONG> aIds) : m_aIds(std::move(aIds)) {}
    ~ChildIdEnum() = default;

    LONG m_nRefs = 1;
    std::vector<LONG> m_aIds;
    std::size_t m_nNext = 0;
};

}  // namespace qv::com
