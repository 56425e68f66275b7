#include "com/server/Verbs.h"

#include <olectl.h>

#include <new>
#include <string>

#include "com/server/TaskMemText.h"

namespace qv::com {

namespace {

// Activating shows the control and changes nothing in it; the container's menu offers
// the primary verb and the property pages.
constexpr DWORD kNeverDirties = OLEVERBATTRIB_NEVERDIRTIES;
constexpr DWORD kOnMenu = OLEVERBATTRIB_ONCONTAINERMENU;

class VerbEnum final : public IEnumOLEVERB {
  public:
    explicit VerbEnum(std::size_t nPosition) : m_nPosition(nPosition) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IEnumOLEVERB) return E_NOINTERFACE;
        *ppv = static_cast<IEnumOLEVERB*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG nRefs = --m_nRefs;
        if (nRefs == 0) delete this;
        return nRefs;
    }

    STDMETHODIMP Next(ULONG celt, OLEVERB* rgelt, ULONG* pceltFetched) override {
        if (!rgelt || (celt > 1 && !pceltFetched)) return E_POINTER;
        const std::vector<VerbInfo>& verbs = ControlVerbs();
        ULONG nFetched = 0;
        for (; nFetched < celt && m_nPosition < verbs.size(); ++nFetched, ++m_nPosition) {
            const VerbInfo& verb = verbs[m_nPosition];
            OLEVERB& out = rgelt[nFetched];
            out.lVerb = verb.lVerb;
            out.lpszVerbName = TaskMemText(verb.sName);
            out.fuFlags = verb.fuFlags;
            out.grfAttribs = verb.grfAttribs;
            if (!out.lpszVerbName) return FreeFetched(rgelt, nFetched, pceltFetched);
        }
        if (pceltFetched) *pceltFetched = nFetched;
        return nFetched == celt ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG celt) override {
        const std::size_t nLeft = ControlVerbs().size() - m_nPosition;
        m_nPosition += celt < nLeft ? celt : nLeft;
        return celt <= nLeft ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        m_nPosition = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumOLEVERB** ppEnum) override {
        if (!ppEnum) return E_POINTER;
        *ppEnum = new (std::nothrow) VerbEnum(m_nPosition);
        return *ppEnum ? S_OK : E_OUTOFMEMORY;
    }

  private:
    ~VerbEnum() = default;

    // Out of memory half-way: nothing is handed out.
    HRESULT FreeFetched(OLEVERB* rgelt, ULONG nFetched, ULONG* pceltFetched) {
        for (ULONG i = 0; i < nFetched; ++i) ::CoTaskMemFree(rgelt[i].lpszVerbName);
        m_nPosition -= nFetched;
        if (pceltFetched) *pceltFetched = 0;
        return E_OUTOFMEMORY;
    }

    std::size_t m_nPosition;
    ULONG m_nRefs = 1;
};

}  // namespace

const std::vector<VerbInfo>& ControlVerbs() {
    static const std::vector<VerbInfo> verbs = {
        {OLEIVERB_PRIMARY, L"&Edit", MF_STRING, kNeverDirties | kOnMenu},
        {OLEIVERB_SHOW, L"&Show", MF_STRING, kNeverDirties},
        {OLEIVERB_UIACTIVATE, L"&Activate", MF_STRING, kNeverDirties},
        {OLEIVERB_INPLACEACTIVATE, L"&Activate in Place", MF_STRING, kNeverDirties},
        {OLEIVERB_HIDE, L"&Hide", MF_STRING, kNeverDirties},
        {OLEIVERB_PROPERTIES, L"&Properties...", MF_STRING, kOnMenu},
    };
    return verbs;
}

HRESULT CreateVerbEnum(IEnumOLEVERB** ppEnum) {
    if (!ppEnum) return E_POINTER;
    *ppEnum = new (std::nothrow) VerbEnum(0);
    return *ppEnum ? S_OK : E_OUTOFMEMORY;
}

std::vector<std::pair<std::wstring, std::wstring>> RegisteredVerbs() {
    std::vector<std::pair<std::wstring, std::wstring>> values;
    for (const VerbInfo& verb : ControlVerbs()) {
        values.emplace_back(std::to_wstring(verb.lVerb), std::wstring(verb.sName) + L"," +
                                                             std::to_wstring(verb.fuFlags) + L"," +
                                                             std::to_wstring(verb.grfAttribs));
    }
    return values;
}

}  // namespace qv::com
