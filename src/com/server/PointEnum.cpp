#include "com/server/PointEnum.h"

#include <new>
#include <utility>

namespace qv::com {

namespace {

class PointEnum final : public IEnumConnectionPoints {
  public:
    PointEnum(std::vector<IConnectionPoint*> points, ULONG nPosition)
        : m_points(std::move(points)), m_nPosition(nPosition) {
        for (IConnectionPoint* pPoint : m_points) pPoint->AddRef();
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
        while (nFetched < cConnections && m_nPosition < Count()) {
            ppCP[nFetched] = m_points[m_nPosition++];
            ppCP[nFetched++]->AddRef();
        }
        if (pcFetched) *pcFetched = nFetched;
        return nFetched == cConnections ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG cConnections) override {
        const ULONG nLeft = Count() - m_nPosition;
        m_nPosition = cConnections >= nLeft ? Count() : m_nPosition + cConnections;
        return cConnections <= nLeft ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        m_nPosition = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumConnectionPoints** ppEnum) override {
        if (!ppEnum) return E_POINTER;
        *ppEnum = new (std::nothrow) PointEnum(m_points, m_nPosition);
        return *ppEnum ? S_OK : E_OUTOFMEMORY;
    }

  private:
    ~PointEnum() {
        for (IConnectionPoint* pPoint : m_points) pPoint->Release();
    }
    ULONG Count() const { return static_cast<ULONG>(m_points.size()); }

    std::vector<IConnectionPoint*> m_points;
    ULONG m_nPosition;
    ULONG m_nRefs = 1;
};

}  // namespace

HRESULT CreateConnectionPointEnum(std::vector<IConnectionPoint*> points,
                                  IEnumConnectionPoints** ppEnum) {
    *ppEnum = new (std::nothrow) PointEnum(std::move(points), 0);
    return *ppEnum ? S_OK : E_OUTOFMEMORY;
}

}  // namespace qv::com
