#pragma once

#include <ocidl.h>

#include <functional>

namespace qv::container {

// The container's side of a property page it shows: the page tells it of its edits
// (OnStatusChange), which the container passes to whoever listens; nothing else is offered.
class ContainerPageSite final : public IPropertyPageSite {
  public:
    ContainerPageSite() = default;
    ContainerPageSite(const ContainerPageSite&) = delete;
    ContainerPageSite& operator=(const ContainerPageSite&) = delete;

    LONG References() const { return m_nRefs; }
    void OnEdit(std::function<void()> handler) { m_onStatusChange = std::move(handler); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IPropertyPageSite
    STDMETHODIMP OnStatusChange(DWORD dwFlags) override;
    STDMETHODIMP GetLocaleID(LCID* pLocaleID) override;
    STDMETHODIMP GetPageContainer(IUnknown** ppUnk) override;
    STDMETHODIMP TranslateAccelerator(MSG* pMsg) override;

  private:
    // The container owns the site; pages only borrow it between SetPageSite calls.
    LONG m_nRefs = 1;
    std::function<void()> m_onStatusChange;
};

}  // namespace qv::container
