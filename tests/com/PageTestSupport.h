#pragma once

#include <map>
#include <string>
#include <vector>

#include "ComTestSupport.h"

namespace qv::com::test {

// The class identifiers of the control's two pages.
extern const CLSID kGeneralPageClass;
extern const CLSID kCheckPageClass;

// A designer's side of one page: remembers every status the page reports.
class TestPageSite : public IPropertyPageSite {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override { return --m_nRefs; }
    STDMETHODIMP OnStatusChange(DWORD dwFlags) override {
        m_statuses.push_back(dwFlags);
        return S_OK;
    }
    STDMETHODIMP GetLocaleID(LCID* pLocaleID) override;
    STDMETHODIMP GetPageContainer(IUnknown** ppUnk) override;
    STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }

    std::vector<DWORD> m_statuses;
    ULONG m_nRefs = 1;
};

// An automation object with Long properties by name; a property named in m_refused
// refuses every value with the host's error 380.
class FakeControl : public IDispatch {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override { return --m_nRefs; }
    STDMETHODIMP GetTypeInfoCount(UINT* pCount) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT cNames, LCID, ::DISPID* ids) override;
    STDMETHODIMP Invoke(::DISPID id, REFIID, LCID, WORD wFlags, DISPPARAMS* pParams,
                        VARIANT* pResult, EXCEPINFO* pExcep, UINT*) override;

    std::vector<std::pair<std::wstring, LONG>> m_properties;
    std::wstring m_refused;
    ULONG m_nRefs = 1;
};

// What the library's message boxes said while this lives (they print to standard
// output when QV_MSGBOX=log, and standard output is a file meanwhile).
class MessageLog {
  public:
    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
    // Everything said so far, in UTF-8.
    std::string Text() const;

  private:
    HANDLE m_hFile;
    HANDLE m_hPrevious;
    std::wstring m_sPath;
};

// A window's text and a combo box item in the system's ANSI code page.
std::string AnsiText(HWND hWnd);
std::string AnsiComboItem(HWND hCombo, int nIndex);
// The child windows of a window, in tab (creation) order.
std::vector<HWND> Children(HWND hParent);
// Handles what is waiting in this thread's queue.
void PumpMessages();

}  // namespace qv::com::test
