#include "com/server/PointEnum.h"

#include <new>

namespace qv::com {

namespace {

class PointEnum final : public IEnumConnectionPoints {
  public:
    PointEnum(IConnectionPoint& point, ULONG nPosition) : m_point(point), m_nPosition(nPosition) {
        m_point.AddRef();
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IEnumConnectionPoints) return E_NOINTERFACE;
        *ppv = static_cast<IEnumConnectionPoints*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG nRefs = --m_nRefs;
        if (nRefs == 0) delete this;
        return nRefs;
    }

    STDMETHODIMP Next(ULONG cConnections, IConnectionPoint** ppCP, ULONG* pcFetched) override {
        if (!ppCP || (cConnections > 1 && !pcFetched)) return E_POINTER;
        ULONG nFetched = 0;
        if (cConnections > 0 && m_nPosition == 0) {
            ppCP[0] = &m_point;
            m_point.AddRef();
            nFetched = 1;
            m_nPosition = 1;
        }
        if (pcFetched) *pcFetched = nFetched;
        return nFetched == cConnections ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG cConnections) override {
        const ULONG nLeft = 1 - m_nPosition;
        m_nPosition = cConnections >= nLeft ? 1 : m_nPosition;
        return cConnections <= nLeft ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        m_nPosition = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumConnectionPoints** ppEnum) override {
        if (!ppEnum) return E_POINTER;
        *ppEnum = new (std::nothrow) PointEnum(m_point, m_nPosition);
        return *ppEnum ? S_OK : E_OUTOFMEMORY;
    }

  private:
    ~PointEnum() { m_point.Release(); }

    IConnectionPoint& m_point;
    ULONG m_nPosition;
    ULONG m_nRefs = 1;
};

}  // namespace

HRESULT CreateConnectionPointEnum(IConnectionPoint& point, IEnumConnectionPoints** ppEnum) {
    *ppEnum = new (std::nothrow) PointEnum(point, 0);
    return *ppEnum ? S_OK : E_OUTOFMEMORY;
}

}  // namespace qv::com
