#include "PageTestSupport.h"

namespace qv::com::test {

const CLSID kGeneralPageClass = {
    0x977006A5, 0xB030, 0x4E9E, {0xA7, 0x43, 0x60, 0x58, 0x59, 0x3C, 0x7B, 0x85}};
const CLSID kCheckPageClass = {
    0x7C5EE055, 0x44D9, 0x47F8, {0xA0, 0xA0, 0x1D, 0x68, 0xC3, 0xEB, 0xBB, 0xDD}};

STDMETHODIMP TestPageSite::QueryInterface(REFIID riid, void** ppv) {
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IPropertyPageSite) return E_NOINTERFACE;
    *ppv = static_cast<IPropertyPageSite*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP TestPageSite::GetLocaleID(LCID* pLocaleID) {
    *pLocaleID = 0x409;
    return S_OK;
}

STDMETHODIMP TestPageSite::GetPageContainer(IUnknown** ppUnk) {
    *ppUnk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP FakeControl::QueryInterface(REFIID riid, void** ppv) {
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IDispatch) return E_NOINTERFACE;
    *ppv = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP FakeControl::GetTypeInfoCount(UINT* pCount) {
    *pCount = 0;
    return S_OK;
}

STDMETHODIMP FakeControl::GetIDsOfNames(REFIID, LPOLESTR* names, UINT cNames, LCID, ::DISPID* ids) {
    for (UINT i = 0; i < cNames; ++i) ids[i] = DISPID_UNKNOWN;
    for (std::size_t i = 0; i < m_properties.size(); ++i) {
        if (::lstrcmpiW(m_properties[i].first.c_str(), names[0]) != 0) continue;
        ids[0] = static_cast<::DISPID>(i + 1);
        return S_OK;
    }
    return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP FakeControl::Invoke(::DISPID id, REFIID, LCID, WORD wFlags, DISPPARAMS* pParams,
                                 VARIANT* pResult, EXCEPINFO* pExcep, UINT*) {
    if (id < 1 || static_cast<std::size_t>(id) > m_properties.size()) return DISP_E_MEMBERNOTFOUND;
    auto& [sName, nValue] = m_properties[static_cast<std::size_t>(id) - 1];
    if (wFlags & DISPATCH_PROPERTYGET) {
        V_VT(pResult) = VT_I4;
        V_I4(pResult) = nValue;
        return S_OK;
    }
    if (sName == m_refused) {
        *pExcep = EXCEPINFO{};
        pExcep->scode = static_cast<SCODE>(0x800A017C);
        pExcep->bstrDescription = ::SysAllocString(L"Invalid property value");
        return DISP_E_EXCEPTION;
    }
    VARIANT value;
    ::VariantInit(&value);
    if (FAILED(::VariantChangeType(&value, &pParams->rgvarg[0], 0, VT_I4)))
        return DISP_E_TYPEMISMATCH;
    nValue = V_I4(&value);
    return S_OK;
}

MessageLog::MessageLog() : m_hPrevious(::GetStdHandle(STD_OUTPUT_HANDLE)) {
    wchar_t szDir[MAX_PATH] = L"", szPath[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, szDir);
    ::GetTempFileNameW(szDir, L"qvm", 0, szPath);
    m_sPath = szPath;
    m_hFile =
        ::CreateFileW(szPath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    ::SetStdHandle(STD_OUTPUT_HANDLE, m_hFile);
}

MessageLog::~MessageLog() {
    ::SetStdHandle(STD_OUTPUT_HANDLE, m_hPrevious);
    ::CloseHandle(m_hFile);
    ::DeleteFileW(m_sPath.c_str());
}

std::string MessageLog::Text() const {
    HANDLE hRead = ::CreateFileW(m_sPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    std::string sText;
    char buffer[4096];
    DWORD dwRead = 0;
    while (::ReadFile(hRead, buffer, sizeof buffer, &dwRead, nullptr) && dwRead > 0)
        sText.append(buffer, dwRead);
    ::CloseHandle(hRead);
    return sText;
}

std::string AnsiText(HWND hWnd) {
    char szText[512] = "";
    ::GetWindowTextA(hWnd, szText, sizeof szText);
    return szText;
}

std::string AnsiComboItem(HWND hCombo, int nIndex) {
    char szText[512] = "";
    if (::SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(nIndex),
                       reinterpret_cast<LPARAM>(szText)) == CB_ERR)
        return "(none)";
    return szText;
}

std::vector<HWND> Children(HWND hParent) {
    std::vector<HWND> children;
    for (HWND hChild = ::GetWindow(hParent, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        children.push_back(hChild);
    return children;
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace qv::com::test
